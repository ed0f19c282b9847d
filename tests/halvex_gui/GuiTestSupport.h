#pragma once
// Fixture and helpers for HALVEX's window tests: replies built from fields, a
// socket on the units' port that captures what HALVEX sends, and event waits.
#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QUrl>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "ErrorReporter.h"
#include "Info.h"
#include "Main.h"
#include "protocol/Discovery.h"
#include "protocol/Frame.h"

namespace halvex::test {

using Octets = std::array<uint8_t, 4>;

// What one unit says about itself.
struct UnitReply {
  MacBytes mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
  Octets ip{192, 168, 1, 10};
  Octets subnet{255, 255, 255, 0};
  Octets gateway{192, 168, 1, 1};
  Octets dns{192, 168, 1, 1};
  uint8_t ipMode = 0;
  uint16_t webPort = 80;
  uint16_t telnetPort = 23;
  std::string productName = "MOSAICORE";
  std::string description = "Wall left";
  std::string serialNo = "SN-0001";
  std::string firmware = "FW 1.20";
  std::string hardware = "HW B";
  Bytes productId{0x34, 0x12};
};

QByteArray MakeReply(const UnitReply& unit);
// A distinct MAC per number: 02:00:00:00:hi:lo.
MacBytes NumberedMac(int number);
UnitReply NumberedUnit(int number);
QByteArray ToByteArray(const Bytes& bytes);
// A frame from (tag, value) items, in order.
Bytes Frame(uint8_t op, std::initializer_list<std::pair<uint8_t, Bytes>> items);

// Lets events run until `done` holds or the hang guard runs out; returns `done()`.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000);

// Empties the program-wide device table, as at program start.
void ResetDeviceTable();

// Sends datagrams to HALVEX's port from a socket of its own.
void SendToHalvex(const QByteArray& datagram, const QString& address = QStringLiteral("127.0.0.1"));

// Listens on the units' port 31001 with membership of the group on v0, as a unit does.
class WireCapture : public QObject {
  Q_OBJECT
 public:
  WireCapture();
  // Waits for the next captured datagram whose op is one of `ops`; earlier ones of
  // other ops are dropped.
  std::optional<QNetworkDatagram> Next(std::initializer_list<uint8_t> ops);

 private:
  QUdpSocket socket_;
  std::deque<QNetworkDatagram> captured_;
};

class CapturingReporter : public ErrorReporter {
 public:
  void ShowError(const QString& text) override { errors.append(text); }
  QStringList errors;
};

class UrlCatcher : public QObject {
  Q_OBJECT
 public slots:
  void Open(const QUrl& url) { urls.append(url); }

 public:
  QList<QUrl> urls;
};

// A main window with its tool window, a temporary hand-off folder and a captured
// error box; the device table is empty at the start of every test.
class FormTest : public ::testing::Test {
 protected:
  FormTest();
  void Feed(const UnitReply& unit) { form.IdUDPServer1UDPRead(MakeReply(unit)); }
  QString Cell(int row, int column) const;
  QString HandOffPath(const char* name) const { return handOff.filePath(QString::fromLatin1(name)); }

  QTemporaryDir handOff;
  CapturingReporter reporter;
  TMainForm form;
  TInfoFrom info;  // after the form: destroyed first, with the panel it may host
};

}  // namespace halvex::test
