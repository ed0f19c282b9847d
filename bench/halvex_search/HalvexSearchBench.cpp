// How long HALVEX takes from start to exit with a full table, how many of 255
// units it keeps, and what it costs in CPU time and memory.
// Run inside the private namespace: tests/netns-run build/bin/halvex_search_bench [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "HalvexRun.h"

namespace {

constexpr int kUnits = 255;
constexpr double kExitTargetSeconds = 1.10;

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; }

struct Figures {
  double exit_s = 0;
  std::size_t kept = 0;
  double cpu_s = 0;
  long peak_rss_kib = 0;
  bool ok = false;
};

Figures OneRun(const e2e::TempFolder& sim, int run) {
  e2e::Wallsim wallsim(WALLSIM_EXE, {"--units", std::to_string(kUnits)},
                       sim.path() / ("wallsim-" + std::to_string(run) + ".log"));
  const e2e::TempFolder folder("halvex-bench");
  const e2e::HandoffRun result =
      e2e::RunHalvexIn(HALVEX_EXE, folder.path(), std::chrono::seconds(30));

  Figures f;
  f.ok = result.outcome.finished && result.outcome.exited && result.outcome.exit_code == 0;
  f.exit_s = result.outcome.elapsed.count();
  const std::size_t macs = result.mac_txt ? e2e::CountLines(*result.mac_txt) : 0;
  const std::size_t ips = result.ip_txt ? e2e::CountLines(*result.ip_txt) : 0;
  f.kept = std::min(macs, ips);
  f.cpu_s = Seconds(result.outcome.usage.ru_utime) + Seconds(result.outcome.usage.ru_stime);
  f.peak_rss_kib = result.outcome.usage.ru_maxrss;
  if (!f.ok) std::fprintf(stderr, "run %d: HALVEX did not end normally\n%s", run,
                          result.stderr_text.c_str());
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  try {
    const e2e::TempFolder sim("wallsim-bench");
    std::printf("HALVEX search against wallsim --units %d, %d runs\n", kUnits, runs);
    std::printf("%4s %14s %12s %10s %14s\n", "run", "start->exit s", "units kept", "cpu s",
                "peak RSS KiB");
    std::vector<Figures> all;
    bool all_ok = true;
    for (int run = 1; run <= runs; ++run) {
      const Figures f = OneRun(sim, run);
      std::printf("%4d %14.3f %8zu/%d %10.3f %14ld\n", run, f.exit_s, f.kept, kUnits, f.cpu_s,
                  f.peak_rss_kib);
      all.push_back(f);
      all_ok = all_ok && f.ok;
    }
    const auto by = [&](auto field) {
      std::vector<double> values;
      for (const Figures& f : all) values.push_back(static_cast<double>(field(f)));
      std::sort(values.begin(), values.end());
      return std::pair{values[values.size() / 2], values.back()};  // median, worst
    };
    const auto [exit_median, exit_worst] = by([](const Figures& f) { return f.exit_s; });
    const auto [cpu_median, cpu_worst] = by([](const Figures& f) { return f.cpu_s; });
    const auto [rss_median, rss_worst] = by([](const Figures& f) { return f.peak_rss_kib; });
    std::size_t kept_fewest = kUnits;
    for (const Figures& f : all) kept_fewest = std::min(kept_fewest, f.kept);

    std::printf("start->exit: median %.3f s, worst %.3f s   target <= %.2f s: %s\n", exit_median,
                exit_worst, kExitTargetSeconds,
                exit_median <= kExitTargetSeconds ? "met (median)" : "MISSED (median)");
    std::printf("units kept:  fewest %zu of %d            target %d of %d: %s\n", kept_fewest,
                kUnits, kUnits, kUnits, kept_fewest == kUnits ? "met" : "MISSED");
    std::printf("cpu (user+sys): median %.3f s, worst %.3f s\n", cpu_median, cpu_worst);
    std::printf("peak RSS: median %.0f KiB, worst %.0f KiB\n", rss_median, rss_worst);
    return all_ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "halvex_search_bench: %s\n", e.what());
    return 1;
  }
}
