// wallsim as a running program, on both protocols. Runs inside tests/netns-run:
// v0 carries 10.77.0.1 (this test) and 10.77.0.11.. (the units).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <map>
#include <string>

#include "Discovery.h"
#include "Frame.h"
#include "ParseReply.h"

namespace {

// Hang guard only: every wait below ends as soon as what it waits for is there.
constexpr int kGuardMs = 15000;

const QHostAddress kOperator(QStringLiteral("10.77.0.1"));
const QHostAddress kGroup(QString::fromLatin1(halvex::kGroupAddress));

QByteArray Datagram(const halvex::Bytes& frame) {
  return QByteArray(reinterpret_cast<const char*>(frame.data()),
                    static_cast<qsizetype>(frame.size()));
}

// Starts wallsim and waits for its ready line; terminates it at the end.
class Wallsim {
 public:
  explicit Wallsim(const QStringList& arguments) {
    process_.start(QStringLiteral(WALLSIM_EXE), arguments + QStringList{"--duration-ms", "60000"});
    QDeadlineTimer guard(kGuardMs);
    while (!process_.canReadLine() && !guard.hasExpired() &&
           process_.state() != QProcess::NotRunning) {
      process_.waitForReadyRead(static_cast<int>(guard.remainingTime()));
    }
    ready_ = process_.readLine() == "wallsim: ready\n";
  }
  ~Wallsim() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(kGuardMs);
    }
  }
  bool ready() const { return ready_; }
  // SIGTERM; true when it ended with exit code 0.
  bool stop() {
    process_.terminate();
    return process_.waitForFinished(kGuardMs) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
  }

 private:
  QProcess process_;
  bool ready_ = false;
};

// HALVEX's end of the discovery protocol: sends from and listens on 10.77.0.1:31002.
class Operator {
 public:
  Operator() { bound_ = socket_.bind(kOperator, halvex::kHalvexPort); }
  bool bound() const { return bound_; }

  void send(const halvex::Bytes& frame) {
    socket_.writeDatagram(Datagram(frame), kGroup, halvex::kUnitPort);
  }

  // Raw replies, until `done` says enough or the guard runs out.
  template <typename Done>
  std::vector<QByteArray> receiveUntil(Done done) {
    std::vector<QByteArray> received;
    QDeadlineTimer guard(kGuardMs);
    while (!done(received) && !guard.hasExpired()) {
      if (!socket_.hasPendingDatagrams()) {
        socket_.waitForReadyRead(static_cast<int>(guard.remainingTime()));
        continue;
      }
      received.push_back(socket_.receiveDatagram().data());
    }
    return received;
  }

  // Accepted replies by MAC text, until `count` units have answered.
  std::map<std::string, halvex::Discovery> collect(std::size_t count) {
    std::map<std::string, halvex::Discovery> units;
    receiveUntil([&](const std::vector<QByteArray>& received) {
      if (!received.empty()) {
        const QByteArray& d = received.back();
        halvex::Discovery record;
        halvex::ClearRecord(record);
        if (halvex::ParseReply(reinterpret_cast<const uint8_t*>(d.constData()),
                               static_cast<std::size_t>(d.size()), record,
                               [](const halvex::MacBytes&) { return true; })) {
          units[record.MACText] = record;
        }
      }
      return units.size() >= count;
    });
    return units;
  }

 private:
  QUdpSocket socket_;
  bool bound_ = false;
};

// The console's end of a command link.
class Console {
 public:
  explicit Console(const char* unitAddress) {
    socket_.connectToHost(QHostAddress(QString::fromLatin1(unitAddress)), 23);
    connected_ = socket_.waitForConnected(kGuardMs);
  }
  bool connected() const { return connected_; }
  void send(const QByteArray& line) {
    socket_.write(line + "\r\n");
    socket_.flush();
  }
  // Everything received until `text` has come (or the link closed, or the guard ran out).
  QByteArray readUntil(const QByteArray& text) {
    QDeadlineTimer guard(kGuardMs);
    while (!received_.contains(text) && !guard.hasExpired() &&
           socket_.state() == QAbstractSocket::ConnectedState) {
      if (socket_.bytesAvailable() == 0) {
        socket_.waitForReadyRead(static_cast<int>(guard.remainingTime()));
      }
      received_ += socket_.readAll();
    }
    received_ += socket_.readAll();
    return received_;
  }
  // Waits for the unit to close the link; true when it did.
  bool waitClosed() {
    QDeadlineTimer guard(kGuardMs);
    while (socket_.state() == QAbstractSocket::ConnectedState && !guard.hasExpired()) {
      socket_.waitForReadyRead(static_cast<int>(guard.remainingTime()));
      received_ += socket_.readAll();
    }
    return socket_.state() != QAbstractSocket::ConnectedState;
  }

 private:
  QTcpSocket socket_;
  QByteArray received_;
  bool connected_ = false;
};

QStringList LogLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool HasLine(const QStringList& lines, const QString& unitChannelText) {
  const QRegularExpression pattern("^\\d+ " + QRegularExpression::escape(unitChannelText) + "$");
  return !lines.filter(pattern).isEmpty();
}

TEST(Wallsim, AnswersDiscoveryAndCommands) {
  QTemporaryDir dir;
  const QString logPath = dir.filePath("wallsim.log");
  Wallsim sim({"--units", "2", "--log", logPath});
  ASSERT_TRUE(sim.ready());
  Operator halvex;
  ASSERT_TRUE(halvex.bound());

  halvex.send(halvex::BuildQuery());
  auto units = halvex.collect(2);
  ASSERT_EQ(units.size(), 2u);
  const halvex::Discovery& first = units["02:00:00:00:00:01"];
  EXPECT_EQ(first.ProductName, "MOSAICORE");
  EXPECT_EQ(first.IPAddress, "010.077.000.011");
  EXPECT_EQ(first.Description, "Unit 1");
  EXPECT_EQ(units["02:00:00:00:00:02"].IPAddress, "010.077.000.012");

  // A settings write to the second unit moves it to 10.77.0.20, web port 8080.
  halvex::Bytes payload;
  halvex::AppendItem(payload, halvex::TAG_MAC, {0x02, 0, 0, 0, 0, 0x02});
  halvex::AppendItem(payload, halvex::TAG_IP, {10, 77, 0, 20});
  halvex::AppendItem(payload, halvex::TAG_WEB_PORT, {0x90, 0x1F});
  const halvex::Bytes write = halvex::BuildFrame(halvex::OP_SET, payload);
  halvex.send(write);
  halvex.send(halvex::BuildQuery());
  units = halvex.collect(2);
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units["02:00:00:00:00:02"].IPAddress, "010.077.000.020");
  EXPECT_EQ(units["02:00:00:00:00:02"].WebPort, 8080);
  EXPECT_EQ(units["02:00:00:00:00:01"].IPAddress, "010.077.000.011");

  Console console("10.77.0.11");
  ASSERT_TRUE(console.connected());
  console.send("RPOW");
  EXPECT_EQ(console.readUntil("\r\n"), "POWE001\r\n");
  Console moved("10.77.0.20");  // the second unit listens on its new address
  ASSERT_TRUE(moved.connected());
  moved.send("RLINK");
  EXPECT_TRUE(moved.readUntil("\r\n").startsWith("IP00010    077    000    020"));

  EXPECT_TRUE(sim.stop());
  const QStringList log = LogLines(logPath);
  ASSERT_FALSE(log.isEmpty());
  const QRegularExpression format("^\\d+ -?\\d+ [a-z-]+ .*$");
  for (const QString& line : log) EXPECT_TRUE(format.match(line).hasMatch()) << line.toStdString();
  EXPECT_TRUE(HasLine(log, "-1 udp-rx 01 00 FF FF"));
  EXPECT_FALSE(log.filter(QRegularExpression("^\\d+ 0 udp-tx 02 ")).isEmpty());
  const std::string writeHex =
      "1 udp-set 03 12 02 06 02 00 00 00 00 02 03 04 0A 4D 00 14 08 02 90 1F";
  EXPECT_FALSE(log.filter(QString::fromStdString(writeHex)).isEmpty());
  EXPECT_TRUE(HasLine(log, "1 tcp-listen 10.77.0.20:23"));
  EXPECT_TRUE(HasLine(log, "0 tcp-accept 10.77.0.1"));
  EXPECT_TRUE(HasLine(log, "0 tcp-rx RPOW"));
  EXPECT_TRUE(HasLine(log, "0 tcp-tx POWE001"));
}

TEST(Wallsim, FaultModesShowOnTheWire) {
  QTemporaryDir dir;
  const QString config = dir.filePath("units.json");
  QFile file(config);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"units": [
    {"mac": "00:11:22:33:44:55", "ip": "10.77.0.11", "product_name": "OTHERBOX",
     "faults": {"answer_twice": true, "garbage_lines": true, "split_replies": true,
                "silent_commands": ["RMDN"], "close_after": 3}},
    {"mac": "00:11:22:33:44:66", "ip": "10.77.0.12", "faults": {"udp_silent": true}}
  ]})");
  file.close();
  const QString logPath = dir.filePath("wallsim.log");
  Wallsim sim({"--config", config, "--log", logPath});
  ASSERT_TRUE(sim.ready());
  Operator halvex;
  ASSERT_TRUE(halvex.bound());

  halvex.send(halvex::BuildQuery());
  const auto replies = halvex.receiveUntil(
      [](const std::vector<QByteArray>& received) { return received.size() >= 2; });
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0], replies[1]);
  EXPECT_TRUE(replies[0].contains("OTHERBOX"));

  Console console("10.77.0.11");
  ASSERT_TRUE(console.connected());
  console.send("RPOW");
  console.send("RMDN");
  console.send("RVER");
  const QByteArray received = console.readUntil("VERS205\r\n");
  EXPECT_TRUE(console.waitClosed());  // after the third command
  const QStringList lines = QString::fromLatin1(received).split("\r\n", Qt::SkipEmptyParts);
  // Each answer comes after a line of junk; "RMDN" has none.
  ASSERT_EQ(lines.size(), 4) << received.toStdString();
  EXPECT_EQ(lines[1], "POWE001");
  EXPECT_EQ(lines[3], "VERS205");
  EXPECT_FALSE(received.contains("MODN"));

  EXPECT_TRUE(sim.stop());
  const QStringList log = LogLines(logPath);
  // Every prompt reply goes out in the pass that handles the query.
  EXPECT_TRUE(log.filter(QRegularExpression("^\\d+ 1 udp-tx ")).isEmpty());
  EXPECT_TRUE(HasLine(log, "0 tcp-close close_after 3"));
  EXPECT_EQ(log.filter(QRegularExpression("^\\d+ 0 tcp-junk ")).size(), 2);
}

TEST(Wallsim, RejectsBadCommandLinesAndUnitFiles) {
  QTemporaryDir dir;
  auto writeFile = [&](const char* name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return dir.filePath(name);
  };
  const QString good =
      writeFile("good.json", R"({"units":[{"mac":"00:11:22:33:44:55","ip":"10.77.0.11"}]})");
  const QStringList cases[] = {
      {"--units", "0"},
      {"--units", "256"},
      {"--units", "two"},
      {"--duration-ms", "-5"},
      {"--bogus"},
      {"stray"},
      {"--config", dir.filePath("missing.json")},
      {"--config", good, "--units", "2"},
      {"--config", writeFile("syntax.json", "{\"units\": [")},
      {"--config", writeFile("nomac.json", R"({"units":[{"ip":"10.77.0.11"}]})")},
      {"--config",
       writeFile("badip.json", R"({"units":[{"mac":"00:11:22:33:44:55","ip":"10.77.0"}]})")},
      {"--config",
       writeFile("unknown.json",
                 R"({"units":[{"mac":"00:11:22:33:44:55","ip":"10.77.0.11","colour":1}]})")},
      {"--config", writeFile("badfault.json", R"({"units":[{"mac":"00:11:22:33:44:55",
           "ip":"10.77.0.11","faults":{"bad_crc":"yes"}}]})")},
      {"--config", writeFile("toolong.json", R"({"units":[{"mac":"00:11:22:33:44:55",
           "ip":"10.77.0.11","description":")" + QByteArray(250, 'x') +
                                                 R"("}]})")},
  };
  for (const QStringList& arguments : cases) {
    QProcess process;
    process.start(QStringLiteral(WALLSIM_EXE), arguments);
    ASSERT_TRUE(process.waitForFinished(kGuardMs)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitCode(), 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
