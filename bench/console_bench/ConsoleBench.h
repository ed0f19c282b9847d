#pragma once
// What the console benchmarks share: a prompter that answers at once and records, the
// process's CPU time and memory, medians, a hang guard, an event pump that blocks, the
// device list filled as a search would leave it, and one figure per line.
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "core/Prompter.h"

class Form1;

namespace bench {

// Answers OK, or Yes to a question, without showing anything; keeps every text.
class RecordingPrompter : public Prompter {
 public:
  BoxAnswer show(BoxIcon icon, const QString& text) override {
    texts << text;
    return icon == BoxIcon::Question ? BoxAnswer::Yes : BoxAnswer::Ok;
  }
  QStringList texts;
};

// The offscreen platform unless the caller chose one.
void use_offscreen_platform();

// False, with a message, unless this process runs inside tests/netns-run (the operator
// PC's 10.77.0.1 is one of its addresses): wallsim and HALVEX must never reach a real LAN.
bool inside_private_lan(const char* program);

// Ends the process with a message after `seconds`, so a hanging run cannot go on.
void arm_watchdog(unsigned seconds, const char* program);

// User plus system CPU time of this process (every thread), in seconds.
double process_cpu_seconds();
// Seconds on the monotonic clock.
double now_seconds();

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 if missing.
long status_kib(const char* field);

double median(std::vector<double> values);
double minimum(const std::vector<double>& values);
double maximum(const std::vector<double>& values);

// Lets events run for `ms` milliseconds, blocking between them.
void pump_for(int ms);

// wallsim's default unit i: MAC 02:00:00:00:00:<i+1>, IP 10.77.0.(11+i).
QString sim_mac(int i);
QString sim_ip(int i);

// The device list as "Search MAC" leaves it: units 0..count-1 of wallsim, entry 0
// selected, "Connect Interface" usable.
void fill_device_list(Form1& window, int count);

// A number with `decimals` digits after the point.
std::string fixed(double value, int decimals);

// "name: value unit (detail)", then the target and whether it was met when given.
void print_figure(const std::string& name, double value, const char* unit, const std::string& detail);
void print_figure(const std::string& name, double value, const char* unit, const std::string& detail,
                  const std::string& target, bool met);

// Number of runs from the first argument, or `fallback`.
int runs_argument(int argc, char** argv, int fallback);

}  // namespace bench
