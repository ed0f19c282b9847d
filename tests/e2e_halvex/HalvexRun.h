#pragma once
// One run of HALVEX against wallsim, as the console would see it: HALVEX is
// copied into a folder of its own (it writes beside its executable), run there
// from another current folder, and the hand-off files it leaves are read back.
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace e2e {

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name_part);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// wallsim, started with `args` (plus --log and a --duration-ms bound); the
// constructor returns once it has printed "wallsim: ready" and throws
// std::runtime_error if it does not. Stopped with SIGTERM on destruction.
class Wallsim {
 public:
  Wallsim(const std::filesystem::path& exe, std::vector<std::string> args,
          const std::filesystem::path& log_file);
  ~Wallsim();
  Wallsim(const Wallsim&) = delete;
  Wallsim& operator=(const Wallsim&) = delete;
  std::string Log() const { return ReadFileBytes(log_file_); }

 private:
  std::filesystem::path log_file_;
  std::unique_ptr<ChildProcess> process_;
};

struct HandoffRun {
  ChildOutcome outcome;
  std::optional<std::string> mac_txt;  // nullopt: no readable regular file
  std::optional<std::string> ip_txt;
  std::string stderr_text;
};

// Copies `halvex_exe` into `folder` and runs the copy with `timeout` as hang guard.
HandoffRun RunHalvexIn(const std::filesystem::path& halvex_exe,
                       const std::filesystem::path& folder, std::chrono::milliseconds timeout);

// Number of complete CR LF lines in a hand-off file's bytes.
std::size_t CountLines(const std::string& bytes);

}  // namespace e2e
