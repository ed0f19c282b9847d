// Time from "Connect" to the end of the "SOSDI"/"OSDI" exchange with ten wallsim units
// in the device list: btn_con_Click opens all ten links, waits for the selected one
// (entry 0), sends "SOSDI" and returns once "OSDI" is in.
// Run inside the private LAN: tests/netns-run build/bin/console_connect_bench [RUNS]
#include <QApplication>

#include <cstdio>
#include <exception>
#include <vector>

#include "ConsoleBench.h"
#include "HalvexRun.h"
#include "core/Form1.h"

namespace {

constexpr int kUnits = 10;

int open_links(Form1& window) {
  int open = 0;
  for (int k = 0; k < kUnits; ++k) open += window.link_open(k) ? 1 : 0;
  return open;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = bench::runs_argument(argc, argv, 10);
  if (!bench::inside_private_lan("console_connect_bench")) return 2;
  bench::use_offscreen_platform();
  bench::arm_watchdog(static_cast<unsigned>(30 + runs * 20), "console_connect_bench");
  QApplication app(argc, argv);
  try {
    const e2e::TempFolder folder("console-connect-bench");
    e2e::Wallsim wallsim(WALLSIM_EXE, {"--units", std::to_string(kUnits)}, folder.path() / "wallsim.log");

    bench::RecordingPrompter prompter;
    Form1 window(&prompter);
    window.show();
    bench::fill_device_list(window, kUnits);
    bench::pump_for(300);  // first paints out of the way

    std::vector<double> times_ms, open_at_end;
    bool all_ok = true;
    for (int run = 1; run <= runs; ++run) {
      prompter.texts.clear();
      const double t0 = bench::now_seconds();
      window.btn_con_Click();
      const double ms = (bench::now_seconds() - t0) * 1000;
      const bool ok = window.is_connected && window.osd_info_flag == 2 && prompter.texts.isEmpty();
      if (!ok)
        std::fprintf(stderr, "run %d: connect did not end connected: %s\n", run,
                     qPrintable(prompter.texts.join(QStringLiteral(" | "))));
      all_ok = all_ok && ok;
      times_ms.push_back(ms);
      open_at_end.push_back(open_links(window));
      window.btn_discon_Click();
      bench::pump_for(100);  // the units see their links close before the next run
    }

    std::printf("console_connect_bench: \"Connect\" with %d wallsim units, entry 0 selected, %d runs\n", kUnits,
                runs);
    const std::string over = "median of " + std::to_string(runs) + ", min " + bench::fixed(bench::minimum(times_ms), 1) +
                             " ms, max " + bench::fixed(bench::maximum(times_ms), 1) + " ms";
    bench::print_figure("connect_to_osdi_10_units", bench::median(times_ms), "ms", over);
    bench::print_figure("connect_to_osdi_per_unit", bench::median(times_ms) / kUnits, "ms",
                        "median / " + std::to_string(kUnits));
    bench::print_figure("links_open_when_connect_returned", bench::median(open_at_end), "of 10",
                        "median, fewest " + bench::fixed(bench::minimum(open_at_end), 0));
    return all_ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "console_connect_bench: %s\n", e.what());
    return 1;
  }
}
