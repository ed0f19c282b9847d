// CPU time the console spends in one reply wait that never gets its reply: connected to
// one wallsim unit, a wait_step on a variable no reply moves runs until the console's
// reply time-out ends it. A loop that polls events without blocking, for one second in
// the same process, is the spinning baseline.
// Run inside the private LAN: tests/netns-run build/bin/console_wait_cpu_bench
#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <filesystem>

#include "ConsoleBench.h"
#include "HalvexRun.h"
#include "core/Form1.h"

namespace {

constexpr double kTargetPercent = 0.5;
constexpr double kSpinSeconds = 1.0;

struct CpuShare {
  double wall_s = 0;
  double cpu_s = 0;
  double percent() const { return wall_s > 0 ? 100 * cpu_s / wall_s : 0; }
};

template <typename Body>
CpuShare measure(Body body) {
  const double cpu0 = bench::process_cpu_seconds(), t0 = bench::now_seconds();
  body();
  return {bench::now_seconds() - t0, bench::process_cpu_seconds() - cpu0};
}

}  // namespace

int main(int argc, char** argv) {
  if (!bench::inside_private_lan("console_wait_cpu_bench")) return 2;
  bench::use_offscreen_platform();
  bench::arm_watchdog(90, "console_wait_cpu_bench");
  QApplication app(argc, argv);
  try {
    const e2e::TempFolder folder("console-wait-bench");
    e2e::Wallsim wallsim(WALLSIM_EXE, {"--units", "1"}, folder.path() / "wallsim.log");

    bench::RecordingPrompter prompter;
    Form1 window(&prompter);
    window.show();
    bench::fill_device_list(window, 1);
    window.btn_con_Click();
    if (!window.is_connected || window.osd_info_flag != 2 || !prompter.texts.isEmpty()) {
      std::fprintf(stderr, "console_wait_cpu_bench: the connect to the unit failed: %s\n",
                   qPrintable(prompter.texts.join(QStringLiteral(" | "))));
      return 1;
    }
    bench::pump_for(300);  // the window's first paints and the connect's leftovers settle

    // Nothing is sent, so no reply can move this variable: only the time-out ends the wait.
    uint8_t never_moved = 1;
    const CpuShare wait = measure([&] { window.wait_step(never_moved, 2); });
    const bool timed_out = prompter.texts == QStringList{QStringLiteral("Ethernet is disconnected !")};

    const CpuShare spin = measure([] {
      const double end = bench::now_seconds() + kSpinSeconds;
      while (bench::now_seconds() < end) QCoreApplication::processEvents();
    });

    std::printf("console_wait_cpu_bench: one reply wait on a connected link, reply time-out %d ms\n",
                window.reply_timeout_ms);
    bench::print_figure("reply_wait_cpu", wait.percent(), "% of one core",
                        bench::fixed(wait.cpu_s * 1000, 1) + " ms CPU over a " + bench::fixed(wait.wall_s, 2) +
                            " s wait" +
                            (timed_out ? ", ended by the time-out" : ", DID NOT end by the time-out"),
                        "<= 0.5 %", wait.percent() <= kTargetPercent);
    bench::print_figure("spinning_baseline_cpu", spin.percent(), "% of one core",
                        "processEvents() without blocking for " + bench::fixed(spin.wall_s, 2) + " s");
    bench::print_figure("spin_to_wait_ratio", wait.cpu_s > 0 ? spin.percent() / wait.percent() : 0, "x",
                        wait.cpu_s > 0 ? "baseline share / wait share" : "the wait used no measurable CPU");
    return timed_out ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "console_wait_cpu_bench: %s\n", e.what());
    return 1;
  }
}
