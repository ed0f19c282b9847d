#pragma once
// Starts a program as a child process and waits for it without spinning: the
// end of the child is watched through a pidfd, its stdout (when piped) with poll.
#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace e2e {

struct SpawnOptions {
  std::filesystem::path cwd;          // empty: the caller's
  std::filesystem::path stdout_file;  // empty: inherit (unless pipe_stdout)
  std::filesystem::path stderr_file;  // empty: inherit
  bool pipe_stdout = false;           // read it with WaitForLine
  std::vector<std::pair<std::string, std::string>> env;  // added to or replacing ours
};

struct ChildOutcome {
  bool finished = false;  // ended within the time-out
  bool exited = false;    // ended by exit(), not by a signal
  int exit_code = -1;
  int signal = 0;
  std::chrono::duration<double> elapsed{};  // from spawn to the end
  struct rusage usage {};                   // the child's own CPU time and peak RSS
};

class ChildProcess {
 public:
  // Throws std::runtime_error when the program cannot be started.
  ChildProcess(const std::vector<std::string>& argv, const SpawnOptions& options);
  ~ChildProcess();  // a child still running is killed and reaped
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Reads the piped stdout until `line` (without its newline) arrives; false on
  // time-out or end of output.
  bool WaitForLine(std::string_view line, std::chrono::milliseconds timeout);

  // Waits for the end; on time-out the outcome has finished == false and the
  // child goes on running.
  ChildOutcome Wait(std::chrono::milliseconds timeout);

  // SIGTERM, then SIGKILL if it has not ended after `grace`.
  ChildOutcome Stop(std::chrono::milliseconds grace);

 private:
  pid_t pid_ = -1;
  int pidfd_ = -1;
  int stdout_fd_ = -1;
  bool reaped_ = false;
  ChildOutcome outcome_;
  std::chrono::steady_clock::time_point started_;
  std::string stdout_seen_;
};

}  // namespace e2e
