// Console start-up: from the start of a fresh process (and from the construction of
// QApplication) to the first paint event of Form1, and the process's memory right after
// that paint. Each run is a new process: this program starts itself with "--child",
// which builds the console as main() does and reports its figures on stdout.
// Run: tests/netns-run build/bin/console_startup_bench [RUNS]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <exception>
#include <sstream>
#include <string>
#include <vector>

#include "ConsoleBench.h"
#include "core/Form1.h"

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--child";

// Notes the time of the window's first paint event, then, once that paint is done,
// the memory, and ends the event loop.
class FirstPaintWatch : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && painted_at < 0) {
      painted_at = bench::now_seconds();
      QTimer::singleShot(0, [this] {
        rss_kib = bench::status_kib("VmRSS");
        hwm_kib = bench::status_kib("VmHWM");
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
  double painted_at = -1;
  long rss_kib = -1, hwm_kib = -1;
};

// One start-up, as main() of the console does it. Prints
// "<QApplication> <first paint> <VmRSS> <VmHWM>" (monotonic seconds, KiB).
int child_main(int argc, char** argv) {
  bench::arm_watchdog(30, "console_startup_bench --child");
  const double app_at = bench::now_seconds();
  QApplication app(argc, argv);
  Form1 window;
  FirstPaintWatch watch;
  window.installEventFilter(&watch);
  window.show();
  app.exec();
  if (watch.painted_at < 0) return 1;
  std::printf("%.6f %.6f %ld %ld\n", app_at, watch.painted_at, watch.rss_kib, watch.hwm_kib);
  return 0;
}

struct StartFigures {
  double spawn_to_paint_ms = 0, app_to_paint_ms = 0;
  double rss_kib = 0, hwm_kib = 0;
};

// Starts this program as a child and reads its figures; false if it did not report.
bool one_start(StartFigures& out) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[1]);
  char program[] = "/proc/self/exe";
  std::string flag = kChildFlag;
  char* child_argv[] = {program, flag.data(), nullptr};

  pid_t pid = -1;
  const double spawned_at = bench::now_seconds();
  const int spawn_error = posix_spawn(&pid, program, &actions, nullptr, child_argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  if (spawn_error != 0) {
    close(pipe_fds[0]);
    return false;
  }
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  close(pipe_fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;

  std::istringstream fields(text);
  double app_at = 0, painted_at = 0;
  long rss = 0, hwm = 0;
  if (!(fields >> app_at >> painted_at >> rss >> hwm)) return false;
  out = {(painted_at - spawned_at) * 1000, (painted_at - app_at) * 1000, static_cast<double>(rss),
         static_cast<double>(hwm)};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  bench::use_offscreen_platform();
  if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) return child_main(argc, argv);

  const int runs = bench::runs_argument(argc, argv, 10);
  bench::arm_watchdog(static_cast<unsigned>(30 + runs * 30), "console_startup_bench");
  try {
    std::vector<double> spawn_ms, app_ms, rss, hwm;
    int failed = 0;
    for (int run = 1; run <= runs; ++run) {
      StartFigures f;
      if (!one_start(f)) {
        std::fprintf(stderr, "run %d: the console child did not report its first paint\n", run);
        ++failed;
        continue;
      }
      spawn_ms.push_back(f.spawn_to_paint_ms);
      app_ms.push_back(f.app_to_paint_ms);
      rss.push_back(f.rss_kib);
      hwm.push_back(f.hwm_kib);
    }
    std::printf("console_startup_bench: Form1 built and shown as main() does, %d fresh processes, platform %s\n",
                runs, qgetenv("QT_QPA_PLATFORM").constData());
    const std::string of = "median of " + std::to_string(spawn_ms.size());
    bench::print_figure("startup_process_to_first_paint", bench::median(spawn_ms), "ms",
                        of + ", min " + bench::fixed(bench::minimum(spawn_ms), 1) + " ms, max " +
                            bench::fixed(bench::maximum(spawn_ms), 1) + " ms; from posix_spawn");
    bench::print_figure("startup_qapplication_to_first_paint", bench::median(app_ms), "ms",
                        of + ", min " + bench::fixed(bench::minimum(app_ms), 1) + " ms, max " +
                            bench::fixed(bench::maximum(app_ms), 1) + " ms");
    bench::print_figure("rss_after_first_paint", bench::median(rss) / 1024, "MiB", of + ", VmRSS");
    bench::print_figure("peak_rss_after_first_paint", bench::median(hwm) / 1024, "MiB", of + ", VmHWM");
    return failed == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "console_startup_bench: %s\n", e.what());
    return 1;
  }
}
