// The device grid as replies come in: rows, headers, drops, column widths, the table's limit.
#include <gmock/gmock.h>

#include <QFontMetrics>
#include <QTableWidget>
#include <set>

#include "GuiTestSupport.h"

namespace halvex::test {
namespace {

using ::testing::ElementsAre;

QString MacOf(const UnitReply& unit) { return QString::fromStdString(MacToText(unit.mac)); }

TEST_F(FormTest, RepliesOverTheWireFillRowsBelowTheHeaders) {
  const UnitReply first = NumberedUnit(1);
  UnitReply second = NumberedUnit(2);
  second.ip = {192, 168, 1, 10};
  SendToHalvex(MakeReply(first), QStringLiteral("127.0.0.1"));
  ASSERT_TRUE(WaitFor([] { return DeviceCount == 1; }));
  SendToHalvex(MakeReply(second), QStringLiteral("10.77.0.1"));
  ASSERT_TRUE(WaitFor([] { return DeviceCount == 2; }));

  EXPECT_EQ(form.StringGrid1->rowCount(), 3);
  EXPECT_EQ(form.StringGrid1->columnCount(), 5);
  EXPECT_THAT((QStringList{Cell(0, 0), Cell(0, 1), Cell(0, 2), Cell(0, 3), Cell(0, 4)}),
              ElementsAre("", "Product Name", "Description", "IP Address", "MAC Address"));
  EXPECT_THAT((QStringList{Cell(1, 0), Cell(1, 1), Cell(1, 2), Cell(1, 3), Cell(1, 4)}),
              ElementsAre("1", "MOSAICORE", "Unit 1", "010.077.000.001", "02:00:00:00:00:01"));
  EXPECT_THAT((QStringList{Cell(2, 0), Cell(2, 3), Cell(2, 4)}),
              ElementsAre("2", "192.168.001.010", "02:00:00:00:00:02"));
  EXPECT_EQ(DeviceTable[1].MACText, "02:00:00:00:00:02");
}

// Every pending datagram is read, the ones that fail a check are dropped, and the
// reading goes on after them.
TEST_F(FormTest, JunkAndRepeatedRepliesNeverReachTheGrid) {
  const UnitReply known = NumberedUnit(1);
  SendToHalvex(MakeReply(known));
  ASSERT_TRUE(WaitFor([] { return DeviceCount == 1; }));

  UnitReply otherProduct = NumberedUnit(2);
  otherProduct.productName = "MOSAICOR";
  const UnitReply tooLong = NumberedUnit(3);
  const UnitReply atLimit = NumberedUnit(4);
  const UnitReply last = NumberedUnit(5);
  QByteArray padded1025 = MakeReply(tooLong);  // a good reply, but beyond the receive buffer
  padded1025.append(QByteArray(1025 - padded1025.size(), '\0'));
  QByteArray padded1024 = MakeReply(atLimit);
  padded1024.append(QByteArray(1024 - padded1024.size(), '\0'));

  SendToHalvex(QByteArray());
  SendToHalvex(padded1025);
  SendToHalvex(MakeReply(known));
  SendToHalvex(MakeReply(otherProduct));
  SendToHalvex(QByteArray::fromHex("02001234"));  // bad CRC
  SendToHalvex(padded1024);
  SendToHalvex(MakeReply(last));
  ASSERT_TRUE(WaitFor([] { return DeviceCount == 3; }));

  std::set<QString> listed;
  for (int row = 1; row < form.StringGrid1->rowCount(); ++row) listed.insert(Cell(row, 4));
  EXPECT_EQ(form.StringGrid1->rowCount(), 4);
  EXPECT_EQ(listed, (std::set<QString>{MacOf(known), MacOf(atLimit), MacOf(last)}));
}

TEST_F(FormTest, LongDescriptionWidensItsColumnWhenDrawnAndNeverNarrows) {
  UnitReply unit = NumberedUnit(1);
  unit.description = "Left half of the foyer wall, second row from the top";
  Feed(unit);
  form.StringGrid1->grab();  // draws every visible cell
  const int width = QFontMetrics(form.StringGrid1->font())
                        .horizontalAdvance(QString::fromStdString(unit.description));
  EXPECT_EQ(form.StringGrid1->columnWidth(2), width + 8);

  UnitReply shorter = NumberedUnit(2);
  shorter.description = "Right";
  Feed(shorter);
  form.StringGrid1->grab();
  EXPECT_EQ(form.StringGrid1->columnWidth(2), width + 8);
}

TEST_F(FormTest, TableStopsTaking255Units) {
  for (int number = 1; number <= kDeviceTableSize + 1; ++number) Feed(NumberedUnit(number));

  EXPECT_EQ(DeviceCount, kDeviceTableSize);
  EXPECT_EQ(form.StringGrid1->rowCount(), kDeviceTableSize + 1);
  EXPECT_EQ(Cell(kDeviceTableSize, 4), MacOf(NumberedUnit(kDeviceTableSize)));
  EXPECT_TRUE(form.IsNewMAC(NumberedMac(kDeviceTableSize + 1)));
}

}  // namespace
}  // namespace halvex::test
