#include "Wallsim.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

#include "EventPump.h"

QString unit_mac(int i) { return QStringLiteral("02:00:00:00:00:%1").arg(i + 1, 2, 16, QLatin1Char('0')).toUpper(); }

QString unit_ip_text(int i) { return QStringLiteral("10.77.0.%1").arg(11 + i); }

QJsonObject unit_json(int i, const QJsonObject& faults, const QJsonObject& state) {
  QJsonObject unit{{"mac", unit_mac(i)}, {"ip", unit_ip_text(i)}};
  if (!faults.isEmpty()) unit.insert("faults", faults);
  if (!state.isEmpty()) unit.insert("state", state);
  return unit;
}

Wallsim::Wallsim(const QJsonArray& units, int duration_ms) {
  const QString config = dir_.filePath(QStringLiteral("units.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(QJsonDocument(QJsonObject{{"units", units}}).toJson());
  file.close();

  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(QStringLiteral(WALLSIM_EXE),
                 {"--config", config, "--log", dir_.filePath(QStringLiteral("wallsim.log")), "--duration-ms",
                  QString::number(duration_ms)});
  QByteArray out;
  QDeadlineTimer guard(15000);
  while (!guard.hasExpired() && !out.contains("wallsim: ready\n")) {
    if (!process_.waitForReadyRead(static_cast<int>(guard.remainingTime()))) break;
    out += process_.readAllStandardOutput();
  }
  ready_ = out.contains("wallsim: ready\n");
}

Wallsim::~Wallsim() {
  process_.terminate();
  if (!process_.waitForFinished(5000)) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

std::vector<LogLine> Wallsim::log() const {
  std::vector<LogLine> lines;
  QFile file(dir_.filePath(QStringLiteral("wallsim.log")));
  if (!file.open(QIODevice::ReadOnly)) return lines;
  const QList<QByteArray> rows = file.readAll().split('\n');
  for (const QByteArray& row : rows) {
    // "<ms> <unit> <channel> <text>"; the text may be empty or hold blanks.
    const QString line = QString::fromLatin1(row);
    const qsizetype a = line.indexOf(' '), b = line.indexOf(' ', a + 1), c = line.indexOf(' ', b + 1);
    if (a < 0 || b < 0) continue;
    const QString channel = c < 0 ? line.mid(b + 1) : line.mid(b + 1, c - b - 1);
    lines.push_back({line.left(a).toLongLong(), line.mid(a + 1, b - a - 1).toInt(), channel,
                     c < 0 ? QString() : line.mid(c + 1)});
  }
  return lines;
}

QStringList Wallsim::texts(int unit, const QString& channel) const {
  QStringList list;
  for (const LogLine& line : log())
    if (line.unit == unit && line.channel == channel) list << line.text;
  return list;
}

bool Wallsim::wait_for(int unit, const QString& channel, const QString& text, int count) const {
  return pump_until([&] { return texts(unit, channel).count(text) >= count; });
}
