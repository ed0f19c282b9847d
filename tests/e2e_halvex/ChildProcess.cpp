#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <stdexcept>

extern char** environ;

namespace e2e {
namespace {

std::vector<std::string> MergedEnvironment(
    const std::vector<std::pair<std::string, std::string>>& overrides) {
  std::map<std::string, std::string> vars;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string_view entry(*e);
    const auto eq = entry.find('=');
    if (eq != std::string_view::npos) vars[std::string(entry.substr(0, eq))] = entry.substr(eq + 1);
  }
  for (const auto& [name, value] : overrides) vars[name] = value;
  std::vector<std::string> merged;
  for (const auto& [name, value] : vars) merged.push_back(name + "=" + value);
  return merged;
}

std::vector<char*> CPointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& t : texts) pointers.push_back(t.data());
  pointers.push_back(nullptr);
  return pointers;
}

// glibc 2.36's <sys/pidfd.h> lacks C linkage for C++, so call the kernel directly.
int OpenPidfd(pid_t pid) { return static_cast<int>(syscall(SYS_pidfd_open, pid, 0)); }

int RemainingMs(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

void Check(int rc, const char* what) {
  if (rc != 0) throw std::runtime_error(std::string(what) + ": " + std::strerror(rc));
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const SpawnOptions& options) {
  std::vector<std::string> args = argv;
  std::vector<std::string> env = MergedEnvironment(options.env);
  std::vector<char*> c_args = CPointers(args);
  std::vector<char*> c_env = CPointers(env);

  posix_spawn_file_actions_t actions;
  Check(posix_spawn_file_actions_init(&actions), "posix_spawn_file_actions_init");
  int pipe_fds[2] = {-1, -1};
  if (options.pipe_stdout) {
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  } else if (!options.stdout_file.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.stdout_file.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  if (!options.stderr_file.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, options.stderr_file.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (!options.cwd.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.cwd.c_str());

  started_ = std::chrono::steady_clock::now();
  const int rc = posix_spawn(&pid_, c_args[0], &actions, nullptr, c_args.data(), c_env.data());
  posix_spawn_file_actions_destroy(&actions);
  if (options.pipe_stdout) {
    close(pipe_fds[1]);
    stdout_fd_ = pipe_fds[0];
  }
  if (rc != 0) {
    if (stdout_fd_ >= 0) close(stdout_fd_);
    throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(rc));
  }
  // The child stays a zombie until we reap it, so its pid cannot be reused here.
  pidfd_ = OpenPidfd(pid_);
  if (pidfd_ < 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    throw std::runtime_error(std::string("pidfd_open: ") + std::strerror(errno));
  }
}

ChildProcess::~ChildProcess() {
  if (!reaped_) Stop(std::chrono::milliseconds(0));
  if (pidfd_ >= 0) close(pidfd_);
  if (stdout_fd_ >= 0) close(stdout_fd_);
}

bool ChildProcess::WaitForLine(std::string_view line, std::chrono::milliseconds timeout) {
  if (stdout_fd_ < 0) return false;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    for (std::size_t start = 0, end; (end = stdout_seen_.find('\n', start)) != std::string::npos;
         start = end + 1) {
      if (std::string_view(stdout_seen_).substr(start, end - start) == line) return true;
    }
    pollfd p{stdout_fd_, POLLIN, 0};
    const int ready = poll(&p, 1, RemainingMs(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    char chunk[512];
    const ssize_t n = read(stdout_fd_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    stdout_seen_.append(chunk, static_cast<std::size_t>(n));
  }
}

ChildOutcome ChildProcess::Wait(std::chrono::milliseconds timeout) {
  if (reaped_) return outcome_;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  pollfd p{pidfd_, POLLIN, 0};
  int ready;
  do {
    ready = poll(&p, 1, RemainingMs(deadline));
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) return ChildOutcome{};
  const auto ended = std::chrono::steady_clock::now();

  int status = 0;
  struct rusage usage {};
  while (wait4(pid_, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  reaped_ = true;
  outcome_.finished = true;
  outcome_.elapsed = ended - started_;
  outcome_.usage = usage;
  if (WIFEXITED(status)) {
    outcome_.exited = true;
    outcome_.exit_code = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    outcome_.signal = WTERMSIG(status);
  }
  return outcome_;
}

ChildOutcome ChildProcess::Stop(std::chrono::milliseconds grace) {
  if (reaped_) return outcome_;
  kill(pid_, SIGTERM);
  ChildOutcome outcome = Wait(grace);
  if (outcome.finished) return outcome;
  kill(pid_, SIGKILL);
  return Wait(std::chrono::hours(1));
}

}  // namespace e2e
