#include "HalvexRun.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace e2e {
namespace {

constexpr auto kReadyTimeout = std::chrono::seconds(20);

std::optional<std::string> ReadRegularFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  return ReadFileBytes(path);
}

}  // namespace

TempFolder::TempFolder(const std::string& name_part) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << "e2e-" << getpid() << "-" << std::hex << random() << "-" << name_part;
    path_ = fs::temp_directory_path() / name.str();
    if (fs::create_directories(path_)) return;
  }
  throw std::runtime_error("cannot make a temporary folder for " + name_part);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

Wallsim::Wallsim(const fs::path& exe, std::vector<std::string> args, const fs::path& log_file)
    : log_file_(log_file) {
  std::vector<std::string> argv{exe.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  argv.insert(argv.end(), {"--log", log_file.string(), "--duration-ms", "60000"});
  SpawnOptions options;
  options.pipe_stdout = true;
  process_ = std::make_unique<ChildProcess>(argv, options);
  if (!process_->WaitForLine("wallsim: ready", kReadyTimeout)) {
    process_->Stop(std::chrono::seconds(2));
    throw std::runtime_error("wallsim did not get ready");
  }
}

Wallsim::~Wallsim() { process_->Stop(std::chrono::seconds(5)); }

HandoffRun RunHalvexIn(const fs::path& halvex_exe, const fs::path& folder,
                       std::chrono::milliseconds timeout) {
  const fs::path copy = folder / halvex_exe.filename();
  fs::copy_file(halvex_exe, copy, fs::copy_options::overwrite_existing);
  // Started from another folder, so files landing in the current folder would be missed.
  const TempFolder elsewhere("cwd");
  const fs::path stderr_file = elsewhere.path() / "stderr.txt";

  SpawnOptions options;
  options.cwd = elsewhere.path();
  options.stderr_file = stderr_file;
  options.stdout_file = elsewhere.path() / "stdout.txt";
  options.env = {{"QT_QPA_PLATFORM", "offscreen"}};
  ChildProcess halvex({copy.string()}, options);

  HandoffRun run;
  run.outcome = halvex.Wait(timeout);
  if (!run.outcome.finished) halvex.Stop(std::chrono::seconds(1));
  run.mac_txt = ReadRegularFile(folder / "MAC.txt");
  run.ip_txt = ReadRegularFile(folder / "IP.txt");
  run.stderr_text = ReadFileBytes(stderr_file);
  return run;
}

std::size_t CountLines(const std::string& bytes) {
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  return lines;
}

}  // namespace e2e
