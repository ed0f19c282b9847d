#pragma once
// wallsim run as a child process for one test: units from a unit file in a temporary
// folder, a bounded run, and its event log read back.
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Unit i as wallsim numbers its default units: MAC 02:00:00:00:00:<i+1>, IP 10.77.0.(11+i).
QString unit_mac(int i);
QString unit_ip_text(int i);
QJsonObject unit_json(int i, const QJsonObject& faults = {}, const QJsonObject& state = {});

struct LogLine {
  long long ms;
  int unit;
  QString channel;
  QString text;
};

class Wallsim {
 public:
  // Starts wallsim and waits for "wallsim: ready"; ready() tells whether it came.
  explicit Wallsim(const QJsonArray& units, int duration_ms = 120000);
  ~Wallsim();
  Wallsim(const Wallsim&) = delete;
  Wallsim& operator=(const Wallsim&) = delete;

  bool ready() const { return ready_; }
  std::vector<LogLine> log() const;
  // What unit `unit` logged on `channel`, in order ("tcp-rx": the commands it received).
  QStringList texts(int unit, const QString& channel) const;
  // Lets events run until unit `unit` has logged `text` on `channel` `count` times.
  bool wait_for(int unit, const QString& channel, const QString& text, int count = 1) const;

 private:
  QTemporaryDir dir_;
  QProcess process_;
  bool ready_ = false;
};
