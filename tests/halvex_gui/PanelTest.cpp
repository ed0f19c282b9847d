// Selecting a unit, the settings panel, and what Save, Reboot and the web link do.
#include <gmock/gmock.h>

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "GuiTestSupport.h"
#include "LinkLabel.h"

namespace halvex::test {
namespace {

using ::testing::HasSubstr;

// Unit A of the examples: static 192.168.1.10, web port 80, selected in row 1.
class PanelTest : public FormTest {
 protected:
  PanelTest() : panel(*form.Pn_DeviceSettings) {
    Feed(UnitReply());
    form.StringGrid1SelectCell(1, 1);
  }
  Discovery& device() { return DeviceTable[0]; }

  DeviceSettingsPanel& panel;
};

TEST_F(FormTest, SelectingARowShowsItsUnitAndTheHeaderRowNothing) {
  for (int number = 1; number <= 3; ++number) Feed(NumberedUnit(number));
  DeviceSettingsPanel& panel = *form.Pn_DeviceSettings;

  form.StringGrid1SelectCell(2, 0);
  EXPECT_EQ(SelectedRow, 0);
  EXPECT_FALSE(info.isVisible());
  EXPECT_EQ(panel.Lab_MAC->text(), "");

  form.StringGrid1->setCurrentCell(3, 2);  // as the operator's click or arrow key does
  EXPECT_EQ(SelectedRow, 3);
  EXPECT_TRUE(info.isVisible());
  EXPECT_EQ(panel.window(), &info);
  EXPECT_EQ(panel.Lab_MAC->text(), "02:00:00:00:00:03");
  EXPECT_EQ(panel.Lab_Descr->text(), "Unit 3");

  form.StringGrid1SelectCell(1, 0);
  EXPECT_EQ(SelectedRow, 3);
  EXPECT_EQ(panel.Lab_MAC->text(), "02:00:00:00:00:03");
}

TEST_F(FormTest, ShowDeviceFillsThePanelAndTheModeDecidesTheAddressEdits) {
  UnitReply dhcpUnit;
  dhcpUnit.ipMode = 1;
  dhcpUnit.webPort = 8080;
  Feed(dhcpUnit);
  form.ShowDevice(DeviceTable[0]);
  const DeviceSettingsPanel& panel = *form.Pn_DeviceSettings;

  EXPECT_EQ(panel.Lab_Prod_ID->text(), "1234");
  EXPECT_EQ(panel.Lab_PN->text(), "MOSAICORE");
  EXPECT_EQ(panel.Lab_MAC->text(), "00:11:22:33:44:55");
  EXPECT_EQ(panel.Ed_IP->text(), "192.168.001.010");
  EXPECT_EQ(panel.Ed_Subnet->text(), "255.255.255.0");
  EXPECT_EQ(panel.Ed_Gateway->text(), "192.168.1.1");
  EXPECT_EQ(panel.Ed_DNS->text(), "192.168.1.1");
  EXPECT_EQ(panel.CB_IPMode->currentIndex(), 1);
  EXPECT_EQ(panel.Ed_WebPort->text(), "8080");
  EXPECT_EQ(panel.Ed_TelnetPort->text(), "23");
  EXPECT_EQ(panel.Lab_SN->text(), "SN-0001");
  EXPECT_EQ(panel.Lab_FW->text(), "FW 1.20");
  EXPECT_EQ(panel.Lab_HW->text(), "HW B");
  EXPECT_EQ(panel.Lab_Descr->text(), "Wall left");

  const QWidget* const staticOnly[] = {panel.Ed_IP, panel.Ed_Subnet, panel.Ed_Gateway};
  const QWidget* const always[] = {panel.Ed_DNS, panel.Ed_WebPort, panel.Ed_TelnetPort};
  for (const QWidget* edit : staticOnly) EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
  panel.CB_IPMode->setCurrentIndex(0);
  for (const QWidget* edit : staticOnly) EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
  panel.CB_IPMode->setCurrentIndex(1);
  for (const QWidget* edit : staticOnly) EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
  for (const QWidget* edit : always) EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
}

struct SaveCase {
  const char* name;
  void (*edit)(DeviceSettingsPanel&);
  Bytes sent;         // empty: the save is refused
  const char* error;  // part of the operator's message when refused
  void (*stored)(Discovery&);  // how the record changes when sent
};

const MacBytes kMacA{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
const Bytes kMacItem(kMacA.begin(), kMacA.end());

// A switch to DHCP forgets the static address, mask and gateway.
void StoredAsDhcp(Discovery& d) {
  d.IPMode = 1;
  d.IPAddress = d.SubnetMask = d.Gateway = "0.0.0.0";
}

const SaveCase kSaveCases[] = {
    {"NoChange", [](DeviceSettingsPanel&) {}, Frame(OP_SET, {{TAG_MAC, kMacItem}}), "",
     [](Discovery&) {}},
    {"StaticToDhcp", [](DeviceSettingsPanel& p) { p.CB_IPMode->setCurrentIndex(1); },
     Frame(OP_SET, {{TAG_MAC, kMacItem}, {TAG_IP_MODE, {1}}}), "",
     StoredAsDhcp},
    {"DhcpDoesNotLookAtTheAddressEdits",
     [](DeviceSettingsPanel& p) {
       p.CB_IPMode->setCurrentIndex(1);
       p.Ed_IP->setText("junk");
     },
     Frame(OP_SET, {{TAG_MAC, kMacItem}, {TAG_IP_MODE, {1}}}), "",
     StoredAsDhcp},
    {"AddressAndWebPort",
     [](DeviceSettingsPanel& p) {
       p.Ed_IP->setText("192.168.1.20");
       p.Ed_WebPort->setText("8080");
     },
     {0x03, 0x12, 0x02, 0x06, 0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x03,
      0x04, 0xC0, 0xA8, 0x01, 0x14, 0x08, 0x02, 0x90, 0x1F, 0x32, 0x18},
     "",
     [](Discovery& d) {
       d.IPAddress = "192.168.1.20";
       d.WebPort = 8080;
     }},
    {"DecimalNotOctal", [](DeviceSettingsPanel& p) { p.Ed_DNS->setText("010.000.000.010"); },
     Frame(OP_SET, {{TAG_MAC, kMacItem}, {TAG_DNS, {10, 0, 0, 10}}}), "",
     [](Discovery& d) { d.DNS = "010.000.000.010"; }},
    {"LetterInAddress", [](DeviceSettingsPanel& p) { p.Ed_IP->setText("10.0.x.1"); }, {},
     "'x' is not a valid integer value", nullptr},
    {"ThreePartAddress", [](DeviceSettingsPanel& p) { p.Ed_IP->setText("10.0.0"); }, {},
     "'10.0.0'", nullptr},
    {"AddressPartAbove255", [](DeviceSettingsPanel& p) { p.Ed_DNS->setText("8.8.8.300"); }, {},
     "'8.8.8.300'", nullptr},
    {"LetterInPort", [](DeviceSettingsPanel& p) { p.Ed_WebPort->setText("80a"); }, {},
     "'80a' is not a valid integer value", nullptr},
    {"PortAbove65535", [](DeviceSettingsPanel& p) { p.Ed_TelnetPort->setText("70000"); }, {},
     "'70000'", nullptr},
};

class SaveTest : public PanelTest, public ::testing::WithParamInterface<SaveCase> {};

// A refused save sends nothing: the first datagram for the units after it is the reboot.
TEST_P(SaveTest, SendsTheChangesOrRefusesTheWholePanel) {
  const SaveCase& c = GetParam();
  WireCapture wire;
  Discovery expected = device();
  c.edit(panel);

  panel.Bn_Save->click();
  panel.Bn_Reboot->click();

  const auto first = wire.Next({OP_SET, OP_REBOOT});
  ASSERT_TRUE(first.has_value());
  if (c.sent.empty()) {
    ASSERT_EQ(reporter.errors.size(), 1);
    EXPECT_THAT(reporter.errors[0].toStdString(), HasSubstr(c.error));
    EXPECT_EQ(first->data(), ToByteArray(BuildReboot(kMacA)));
  } else {
    EXPECT_TRUE(reporter.errors.isEmpty()) << reporter.errors.join('\n').toStdString();
    EXPECT_EQ(first->data().toHex(' '), ToByteArray(c.sent).toHex(' '));
    c.stored(expected);
  }
  const Discovery& d = device();
  EXPECT_EQ(d.IPMode, expected.IPMode);
  EXPECT_EQ(d.IPAddress, expected.IPAddress);
  EXPECT_EQ(d.SubnetMask, expected.SubnetMask);
  EXPECT_EQ(d.Gateway, expected.Gateway);
  EXPECT_EQ(d.DNS, expected.DNS);
  EXPECT_EQ(d.WebPort, expected.WebPort);
  EXPECT_EQ(d.TelnetPort, expected.TelnetPort);
}

INSTANTIATE_TEST_SUITE_P(Panel, SaveTest, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, SaveWithNoChangeIsTwelveBytes) {
  WireCapture wire;
  form.Bn_SaveClick();
  const auto sent = wire.Next({OP_SET});
  ASSERT_TRUE(sent.has_value());
  EXPECT_EQ(sent->data().size(), 12);
}

TEST_F(PanelTest, RebootCarriesTheMacOnly) {
  WireCapture wire;
  form.Bn_RebootClick();
  const auto sent = wire.Next({OP_REBOOT});
  ASSERT_TRUE(sent.has_value());
  EXPECT_EQ(sent->data().toHex(' '), QByteArray("04 08 02 06 00 11 22 33 44 55 eb 6b"));
  EXPECT_EQ(sent->destinationAddress(), QHostAddress(QStringLiteral("225.12.13.14")));
}

// The namespace has one interface: one click gives one copy, so the datagram
// after the reboot is the save that followed it, not the reboot again.
TEST_F(PanelTest, EachClickSendsOneCopy) {
  WireCapture wire;
  form.Bn_RebootClick();
  form.Bn_SaveClick();

  const auto first = wire.Next({OP_SET, OP_REBOOT});
  const auto second = wire.Next({OP_SET, OP_REBOOT});
  ASSERT_TRUE(first.has_value() && second.has_value());
  EXPECT_EQ(uint8_t(first->data().at(0)), OP_REBOOT);
  EXPECT_EQ(uint8_t(second->data().at(0)), OP_SET);
}

// The default error box: modal, critical icon, the message exactly.
TEST(DefaultErrorBox, ShowsTheMessageWithACriticalIcon) {
  ResetDeviceTable();
  TMainForm form;
  form.IdUDPServer1UDPRead(MakeReply(UnitReply()));
  form.StringGrid1SelectCell(1, 1);
  form.Pn_DeviceSettings->Ed_WebPort->setText("80a");

  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      icon = box->icon();
      box->accept();
    }
  });
  closer.start(20);
  form.Bn_SaveClick();  // returns once the box is closed

  EXPECT_EQ(text, "'80a' is not a valid integer value");
  EXPECT_EQ(icon, QMessageBox::Critical);
}

struct WebCase {
  const char* name;
  Octets ip;
  uint16_t webPort;
  const char* opened;  // "" when nothing is to be opened
};

const WebCase kWebCases[] = {
    {"Port80HasNoPortNumber", {192, 168, 1, 10}, 80, "http://192.168.1.10/"},
    {"OtherPortIsAppended", {192, 168, 1, 10}, 8080, "http://192.168.1.10:8080/"},
    {"ZerosInsideStay", {10, 0, 100, 0}, 81, "http://10.0.100.0:81/"},
    {"Port0OpensNothing", {192, 168, 1, 10}, 0, ""},
};

class WebGuiTest : public FormTest, public ::testing::WithParamInterface<WebCase> {
 protected:
  WebGuiTest() { QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open"); }
  ~WebGuiTest() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
  UrlCatcher catcher;
};

TEST_P(WebGuiTest, OpensTheAddressWithoutLeadingZeros) {
  UnitReply unit;
  unit.ip = GetParam().ip;
  unit.webPort = GetParam().webPort;
  Feed(unit);
  form.StringGrid1SelectCell(1, 1);

  form.Lab_webguiClick();

  if (*GetParam().opened == '\0') {
    EXPECT_TRUE(catcher.urls.isEmpty());
  } else {
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toString(), GetParam().opened);
  }
}

INSTANTIATE_TEST_SUITE_P(Panel, WebGuiTest, ::testing::ValuesIn(kWebCases),
                         [](const auto& info) { return std::string(info.param.name); });

// After a new search nothing is selected, although the panel still shows the unit.
TEST_F(PanelTest, NothingSelectedMeansSaveRebootAndWebLinkDoNothing) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
  form.Bn_FindClick();
  WireCapture wire;

  panel.Bn_Save->click();
  panel.Bn_Reboot->click();
  form.Lab_webguiClick();
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  const UnitReply other = NumberedUnit(7);
  Feed(other);
  form.StringGrid1SelectCell(1, 1);
  form.Bn_RebootClick();

  const auto first = wire.Next({OP_SET, OP_REBOOT});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->data(), ToByteArray(BuildReboot(other.mac)));
  EXPECT_TRUE(catcher.urls.isEmpty());
  EXPECT_TRUE(reporter.errors.isEmpty());
}

}  // namespace
}  // namespace halvex::test
