// Time from "Search MAC" to the filled device list: btn_sys_search_Click runs the real
// HALVEX (a copy in a temporary folder that program_folder points at) against four
// wallsim units, waits for it to end and reads its hand-off files.
// Run inside the private LAN: tests/netns-run build/bin/console_search_bench [RUNS]
#include <QApplication>
#include <QComboBox>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <vector>

#include "ConsoleBench.h"
#include "HalvexRun.h"
#include "core/Form1.h"

namespace {

constexpr int kUnits = 4;
constexpr double kTargetSeconds = 1.2;
// The name the console starts the discovery program under.
constexpr const char* kDiscoveryName = "HALVEX_MOSAICORE";

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const int runs = bench::runs_argument(argc, argv, 5);
  if (!bench::inside_private_lan("console_search_bench")) return 2;
  bench::use_offscreen_platform();
  bench::arm_watchdog(static_cast<unsigned>(30 + runs * 15), "console_search_bench");
  QApplication app(argc, argv);
  try {
    const e2e::TempFolder folder("console-search-bench");
    const fs::path programs = folder.path() / "programs";
    fs::create_directories(programs);
    fs::copy_file(HALVEX_EXE, programs / kDiscoveryName, fs::copy_options::overwrite_existing);
    e2e::Wallsim wallsim(WALLSIM_EXE, {"--units", std::to_string(kUnits)}, folder.path() / "wallsim.log");

    bench::RecordingPrompter prompter;
    Form1 window(&prompter);
    window.program_folder = QString::fromStdString(programs.string());
    window.show();
    bench::pump_for(300);  // first paints out of the way

    std::vector<double> times_s, cpu_percent;
    bool all_ok = true;
    for (int run = 1; run <= runs; ++run) {
      // Files of an earlier run must not stand in for this one's.
      fs::remove(programs / "MAC.txt");
      fs::remove(programs / "IP.txt");
      prompter.texts.clear();
      const double cpu0 = bench::process_cpu_seconds(), t0 = bench::now_seconds();
      window.btn_sys_search_Click();
      const double seconds = bench::now_seconds() - t0;
      const double cpu = bench::process_cpu_seconds() - cpu0;
      const bool ok = window.cbo_ipaddr->count() == kUnits &&
                      prompter.texts == QStringList{QStringLiteral("Search MAC completed !")};
      if (!ok)
        std::fprintf(stderr, "run %d: %d entries, boxes: %s\n", run, window.cbo_ipaddr->count(),
                     qPrintable(prompter.texts.join(QStringLiteral(" | "))));
      all_ok = all_ok && ok;
      times_s.push_back(seconds);
      cpu_percent.push_back(100 * cpu / seconds);
    }

    std::printf("console_search_bench: \"Search MAC\" with HALVEX against %d wallsim units, %d runs\n", kUnits,
                runs);
    const double mid = bench::median(times_s);
    bench::print_figure("search_to_device_list_4_units", mid, "s",
                        "median of " + std::to_string(runs) + ", min " + bench::fixed(bench::minimum(times_s), 3) +
                            " s, max " + bench::fixed(bench::maximum(times_s), 3) + " s",
                        "<= 1.2 s", mid <= kTargetSeconds);
    bench::print_figure("search_console_cpu", bench::median(cpu_percent), "% of one core",
                        "the console itself while HALVEX runs, median");
    return all_ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "console_search_bench: %s\n", e.what());
    return 1;
  }
}
