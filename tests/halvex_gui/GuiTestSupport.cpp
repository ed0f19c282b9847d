#include "GuiTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkInterface>
#include <QTableWidget>
#include <QTimer>

#include "protocol/Frame.h"

namespace halvex::test {

namespace {
Bytes Value(const Octets& octets) { return Bytes(octets.begin(), octets.end()); }
Bytes Value(const std::string& text) { return Bytes(text.begin(), text.end()); }
Bytes Value(uint16_t port) { return {uint8_t(port & 0xFF), uint8_t(port >> 8)}; }
}  // namespace

QByteArray MakeReply(const UnitReply& unit) {
  return ToByteArray(Frame(OP_REPLY, {{TAG_PRODUCT_ID, unit.productId},
                                      {TAG_PRODUCT_NAME, Value(unit.productName)},
                                      {TAG_MAC, Bytes(unit.mac.begin(), unit.mac.end())},
                                      {TAG_IP, Value(unit.ip)},
                                      {TAG_SUBNET, Value(unit.subnet)},
                                      {TAG_GATEWAY, Value(unit.gateway)},
                                      {TAG_DNS, Value(unit.dns)},
                                      {TAG_IP_MODE, {unit.ipMode}},
                                      {TAG_WEB_PORT, Value(unit.webPort)},
                                      {TAG_TELNET_PORT, Value(unit.telnetPort)},
                                      {TAG_SERIAL_NO, Value(unit.serialNo)},
                                      {TAG_FW_VERSION, Value(unit.firmware)},
                                      {TAG_HW_VERSION, Value(unit.hardware)},
                                      {TAG_DESCRIPTION, Value(unit.description)}}));
}

MacBytes NumberedMac(int number) {
  return {0x02, 0x00, 0x00, 0x00, uint8_t(number >> 8), uint8_t(number & 0xFF)};
}

UnitReply NumberedUnit(int number) {
  UnitReply unit;
  unit.mac = NumberedMac(number);
  unit.ip = {10, 77, 0, uint8_t(number)};
  unit.description = "Unit " + std::to_string(number);
  return unit;
}

QByteArray ToByteArray(const Bytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

Bytes Frame(uint8_t op, std::initializer_list<std::pair<uint8_t, Bytes>> items) {
  Bytes payload;
  for (const auto& [tag, value] : items) AppendItem(payload, tag, value);
  return BuildFrame(op, payload);
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QTimer wake;  // ends each blocking wait in time to look at the deadline
  wake.start(50);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

void ResetDeviceTable() {
  for (Discovery& record : DeviceTable) ClearRecord(record);
  DeviceCount = 0;
  SelectedRow = 0;
}

void SendToHalvex(const QByteArray& datagram, const QString& address) {
  QUdpSocket sender;
  ASSERT_EQ(sender.writeDatagram(datagram, QHostAddress(address), kHalvexPort), datagram.size())
      << sender.errorString().toStdString();
}

WireCapture::WireCapture() {
  EXPECT_TRUE(socket_.bind(QHostAddress::AnyIPv4, kUnitPort,
                           QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint));
  EXPECT_TRUE(socket_.joinMulticastGroup(QHostAddress(QString::fromLatin1(kGroupAddress)),
                                         QNetworkInterface::interfaceFromName(QStringLiteral("v0"))));
  connect(&socket_, &QUdpSocket::readyRead, this, [this] {
    while (socket_.hasPendingDatagrams()) captured_.push_back(socket_.receiveDatagram());
  });
}

std::optional<QNetworkDatagram> WireCapture::Next(std::initializer_list<uint8_t> ops) {
  auto wanted = [ops](const QNetworkDatagram& d) {
    const QByteArray data = d.data();
    if (data.isEmpty()) return false;
    for (uint8_t op : ops) {
      if (uint8_t(data[0]) == op) return true;
    }
    return false;
  };
  std::optional<QNetworkDatagram> found;
  WaitFor([&] {
    while (!captured_.empty() && !found) {
      if (wanted(captured_.front())) found = captured_.front();
      captured_.pop_front();
    }
    return found.has_value();
  });
  return found;
}

FormTest::FormTest() : form(handOff.path(), &reporter) {
  ResetDeviceTable();
  form.SetInfoForm(&info);
}

QString FormTest::Cell(int row, int column) const {
  const QTableWidgetItem* item = form.StringGrid1->item(row, column);
  return item == nullptr ? QString() : item->text();
}

}  // namespace halvex::test
