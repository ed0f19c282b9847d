#include "ConsoleBench.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "core/Form1.h"

namespace bench {
namespace {

const char* watchdog_program = "bench";

void watchdog_fired(int) {
  // Only async-signal-safe calls here.
  const char* tail = ": hang guard ran out, run stopped\n";
  (void)!write(STDERR_FILENO, watchdog_program, std::strlen(watchdog_program));
  (void)!write(STDERR_FILENO, tail, std::strlen(tail));
  _exit(3);
}

double seconds_of(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Three significant digits or so, never in exponent form.
std::string value_text(double value) {
  const double size = value < 0 ? -value : value;
  const char* format = size >= 100 ? "%.0f" : size >= 10 ? "%.1f" : size >= 1 ? "%.2f" : "%.3f";
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

void use_offscreen_platform() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool inside_private_lan(const char* program) {
  if (QNetworkInterface::allAddresses().contains(QHostAddress(QStringLiteral("10.77.0.1")))) return true;
  std::fprintf(stderr, "%s: run it inside the private LAN: tests/netns-run <build>/bin/%s\n", program, program);
  return false;
}

void arm_watchdog(unsigned seconds, const char* program) {
  watchdog_program = program;
  struct sigaction action {};
  action.sa_handler = watchdog_fired;
  sigaction(SIGALRM, &action, nullptr);
  alarm(seconds);
}

double process_cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return seconds_of(usage.ru_utime) + seconds_of(usage.ru_stime);
}

double now_seconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

long status_kib(const char* field) {
  std::ifstream status("/proc/self/status");
  const std::string prefix = std::string(field) + ":";
  for (std::string line; std::getline(status, line);)
    if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
  return -1;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double minimum(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double maximum(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

void pump_for(int ms) {
  bool over = false;
  QTimer::singleShot(ms, Qt::PreciseTimer, [&over] { over = true; });
  while (!over) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QString sim_mac(int i) { return QStringLiteral("02:00:00:00:00:%1").arg(i + 1, 2, 16, QLatin1Char('0')).toUpper(); }

QString sim_ip(int i) { return QStringLiteral("10.77.0.%1").arg(11 + i); }

void fill_device_list(Form1& window, int count) {
  window.cbo_ipaddr->clear();
  window.unit_ip.assign(static_cast<std::size_t>(count) + 1, QString());
  for (int k = 0; k < count; ++k) {
    window.cbo_ipaddr->addItem(sim_mac(k));
    window.unit_ip[static_cast<std::size_t>(k)] = sim_ip(k);
  }
  window.unit_count = static_cast<uint8_t>(count);
  window.fill_id_list();
  window.cbo_ipaddr->setCurrentIndex(0);
  window.con_interface->setEnabled(true);
}

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

void print_figure(const std::string& name, double value, const char* unit, const std::string& detail) {
  std::printf("%s: %s %s (%s)\n", name.c_str(), value_text(value).c_str(), unit, detail.c_str());
  std::fflush(stdout);
}

void print_figure(const std::string& name, double value, const char* unit, const std::string& detail,
                  const std::string& target, bool met) {
  std::printf("%s: %s %s (%s)   target %s: %s\n", name.c_str(), value_text(value).c_str(), unit, detail.c_str(),
              target.c_str(), met ? "met" : "MISSED");
  std::fflush(stdout);
}

int runs_argument(int argc, char** argv, int fallback) {
  return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

}  // namespace bench
