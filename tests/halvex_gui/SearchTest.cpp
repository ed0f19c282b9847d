// The search on the wire, the sockets' settings, a repeated search, start-up and the hand-off.
#include <gmock/gmock.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QFile>
#include <QHostAddress>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QUdpSocket>
#include <set>

#include "GuiTestSupport.h"

namespace halvex::test {
namespace {

int SocketOption(const TMainForm& form, const char* socketName, int option, int level = SOL_SOCKET) {
  const auto* socket = form.findChild<QUdpSocket*>(QString::fromLatin1(socketName));
  EXPECT_NE(socket, nullptr) << socketName;
  int value = -1;
  socklen_t length = sizeof value;
  if (socket != nullptr) {
    ::getsockopt(int(socket->socketDescriptor()), level, option, &value, &length);
  }
  return value;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST_F(FormTest, CaptionShowsTheFileVersion) {
  EXPECT_EQ(form.windowTitle(), "HALVEX V0.510");
}

// Limited broadcast, the subnet's broadcast and the group all carry 01 00 FF FF;
// broadcast is allowed only while the query goes out.
TEST_F(FormTest, SearchSendsTheQueryToEveryBroadcastAddressAndTheGroup) {
  EXPECT_EQ(SocketOption(form, "IdUDPClient1", SO_BROADCAST), 0);
  WireCapture wire;

  form.Bn_FindClick();

  std::set<QString> destinations;
  while (destinations.size() < 3) {
    const auto query = wire.Next({OP_QUERY});
    ASSERT_TRUE(query.has_value()) << "seen " << destinations.size() << " of 3 destinations";
    EXPECT_EQ(query->data().toHex(' '), QByteArray("01 00 ff ff"));
    destinations.insert(query->destinationAddress().toString());
  }
  EXPECT_EQ(destinations, (std::set<QString>{"255.255.255.255", "10.77.0.255", "225.12.13.14"}));
  EXPECT_EQ(SocketOption(form, "IdUDPClient1", SO_BROADCAST), 0);
}

TEST_F(FormTest, SocketsCarryTheirSettings) {
  // The group's datagrams stay on the segment and come back to local listeners.
  EXPECT_EQ(SocketOption(form, "IdIPMCastServer1", IP_MULTICAST_TTL, IPPROTO_IP), 1);
  EXPECT_EQ(SocketOption(form, "IdIPMCastServer1", IP_MULTICAST_LOOP, IPPROTO_IP), 1);
  EXPECT_EQ(SocketOption(form, "IdIPMCastServer1", SO_BROADCAST), 0);
  // Room for a burst of replies; the port is shared with other listeners.
  EXPECT_GE(SocketOption(form, "IdIPMCastClient1", SO_RCVBUF), 1024 * 1024);
  EXPECT_EQ(SocketOption(form, "IdIPMCastClient1", SO_REUSEADDR), 1);
}

// The old rows stay until the first new reply; a unit of the first search is listed again.
TEST_F(FormTest, SecondSearchStartsAgainAtRowOne) {
  SendToHalvex(MakeReply(NumberedUnit(1)));
  SendToHalvex(MakeReply(NumberedUnit(2)));
  ASSERT_TRUE(WaitFor([] { return DeviceCount == 2; }));
  form.StringGrid1SelectCell(1, 2);

  form.Bn_FindClick();
  EXPECT_EQ(DeviceCount, 0);
  EXPECT_EQ(SelectedRow, 0);
  EXPECT_EQ(form.StringGrid1->rowCount(), 3);

  SendToHalvex(MakeReply(NumberedUnit(2)));
  ASSERT_TRUE(WaitFor([] { return DeviceCount == 1; }));
  EXPECT_EQ(form.StringGrid1->rowCount(), 2);
  EXPECT_EQ(Cell(1, 0), "1");
  EXPECT_EQ(Cell(1, 4), "02:00:00:00:00:02");
}

TEST_F(FormTest, FormCreateSearchesThenStartsTheOneSecondTimer) {
  WireCapture wire;
  form.FormCreate();

  EXPECT_TRUE(form.Timer1->isActive());
  EXPECT_TRUE(form.Timer1->isSingleShot());
  EXPECT_EQ(form.Timer1->interval(), 1000);
  EXPECT_EQ(form.Timer1->timerType(), Qt::PreciseTimer);
  EXPECT_TRUE(wire.Next({OP_QUERY}).has_value());
  form.Timer1->stop();
}

class HandOffTest : public FormTest {
 protected:
  HandOffTest() {
    for (const char* name : {"MAC.txt", "IP.txt"}) {
      QFile old(HandOffPath(name));
      EXPECT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("left by an earlier run\r\n");
    }
    form.show();
  }
};

TEST_F(HandOffTest, NoUnitsLeaveBothFilesEmpty) {
  form.Timer1Timer();
  EXPECT_EQ(FileBytes(HandOffPath("MAC.txt")), QByteArray());
  EXPECT_EQ(FileBytes(HandOffPath("IP.txt")), QByteArray());
  EXPECT_FALSE(form.isVisible());
}

TEST_F(HandOffTest, UnitsAreWrittenInArrivalOrderWithCrLf) {
  UnitReply first;
  UnitReply second = NumberedUnit(2);
  second.ip = {192, 168, 1, 200};
  Feed(first);
  Feed(second);
  form.Timer1->start();

  form.Timer1Timer();

  EXPECT_EQ(FileBytes(HandOffPath("MAC.txt")), "00:11:22:33:44:55\r\n02:00:00:00:00:02\r\n");
  EXPECT_EQ(FileBytes(HandOffPath("IP.txt")), "192.168.001.010\r\n192.168.001.200\r\n");
  EXPECT_FALSE(form.Timer1->isActive());
  EXPECT_FALSE(form.isVisible());
}

// An address saved during the second is stored as typed; IP.txt still has it
// in the fixed columns.
TEST_F(HandOffTest, SavedAddressIsWrittenZeroPadded) {
  Feed(UnitReply());
  form.StringGrid1SelectCell(1, 1);
  form.Pn_DeviceSettings->Ed_IP->setText(QStringLiteral("192.168.1.20"));
  form.Bn_SaveClick();
  ASSERT_EQ(DeviceTable[0].IPAddress, "192.168.1.20");

  form.Timer1Timer();

  EXPECT_EQ(FileBytes(HandOffPath("IP.txt")), "192.168.001.020\r\n");
  EXPECT_TRUE(reporter.errors.isEmpty()) << reporter.errors.join('\n').toStdString();
}

TEST(HandOffFailure, UnwritableFolderIsReportedAndTheWindowClosesAnyway) {
  ResetDeviceTable();
  TMainForm form(QStringLiteral("/nonexistent/halvex hand-off"));
  form.IdUDPServer1UDPRead(MakeReply(UnitReply()));
  form.show();

  ::testing::internal::CaptureStderr();
  form.Timer1Timer();
  const std::string errors = ::testing::internal::GetCapturedStderr();

  EXPECT_THAT(errors, ::testing::HasSubstr("/nonexistent/halvex hand-off/MAC.txt"));
  EXPECT_THAT(errors, ::testing::HasSubstr("/nonexistent/halvex hand-off/IP.txt"));
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace halvex::test
