#include "Info.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "Fonts.h"
#include "LinkLabel.h"
#include "Text8.h"

namespace halvex {

namespace {

constexpr int kCaptionLeft = 24;
constexpr int kCaptionWidth = 130;
constexpr int kValueLeft = 160;
constexpr int kValueWidth = 220;
constexpr int kLabelHeight = 17;
constexpr int kEditHeight = 21;
constexpr int kListHeight = 22;
constexpr int kAddressLength = 15;
constexpr int kPortLength = 5;

std::string Typed(const QLineEdit* edit) { return edit->text().toUtf8().toStdString(); }

template <typename Control>
Control* Place(Control* control, const char* name, int top, int height) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(kValueLeft, top, kValueWidth, height);
  return control;
}

QLineEdit* MakeEdit(QWidget* panel, const char* name, int top, int maxLength) {
  auto* edit = Place(new QLineEdit(panel), name, top, kEditHeight);
  edit->setMaxLength(maxLength);
  return edit;
}

QLabel* MakeValueLabel(QWidget* panel, const char* name, int top) {
  return Place(new QLabel(panel), name, top, kLabelHeight);
}

QPushButton* MakeButton(QWidget* panel, const char* name, const QString& caption, int left) {
  auto* button = new QPushButton(caption, panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 464, 75, 25);
  return button;
}

// A unit may report a text longer than the operator may type; it is shown whole,
// since a save compares the edit with the stored text.
void ShowInEdit(QLineEdit* edit, const QString& text, int typingLimit) {
  edit->setMaxLength(std::max(typingLimit, int(text.size())));
  edit->setText(text);
}

}  // namespace

DeviceSettingsPanel::DeviceSettingsPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Pn_DeviceSettings"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setFixedSize(409, 505);
  setFont(ConsoleFont());

  const struct {
    const char* caption;
    int top;
  } captions[] = {
      {"Product ID", 24},   {"Product Name", 48},     {"MAC Address", 76},
      {"IP Address", 105},  {"Subnet Mask", 134},     {"Gateway IP", 162},
      {"DNS", 191},         {"IP Mode", 220},         {"Web GUI Port", 248},
      {"Telnet Port", 277}, {"S / N", 306},           {"Firmware Version", 334},
      {"Hardware Version", 363}, {"Description", 392}, {"Web GUI", 424},
  };
  for (const auto& caption : captions) {
    auto* label = new QLabel(QString::fromLatin1(caption.caption), this);
    label->setGeometry(kCaptionLeft, caption.top, kCaptionWidth, kLabelHeight);
  }

  Lab_Prod_ID = MakeValueLabel(this, "Lab_Prod_ID", 26);
  Lab_PN = MakeValueLabel(this, "Lab_PN", 50);
  Lab_MAC = MakeValueLabel(this, "Lab_MAC", 78);
  Ed_IP = MakeEdit(this, "Ed_IP", 107, kAddressLength);
  Ed_Subnet = MakeEdit(this, "Ed_Subnet", 135, kAddressLength);
  Ed_Gateway = MakeEdit(this, "Ed_Gateway", 164, kAddressLength);
  Ed_DNS = MakeEdit(this, "Ed_DNS", 192, kAddressLength);
  CB_IPMode = Place(new QComboBox(this), "CB_IPMode", 221, kListHeight);
  CB_IPMode->addItems({QStringLiteral("Static"), QStringLiteral("DHCP")});
  Ed_WebPort = MakeEdit(this, "Ed_WebPort", 249, kPortLength);
  Ed_TelnetPort = MakeEdit(this, "Ed_TelnetPort", 278, kPortLength);
  Lab_SN = MakeValueLabel(this, "Lab_SN", 306);
  Lab_FW = MakeValueLabel(this, "Lab_FW", 335);
  Lab_HW = MakeValueLabel(this, "Lab_HW", 363);
  Lab_Descr = MakeValueLabel(this, "Lab_Descr", 395);
  Lab_webgui = Place(new LinkLabel(QStringLiteral("Web GUI"), this), "Lab_webgui", 427, kLabelHeight);
  Bn_Save = MakeButton(this, "Bn_Save", QStringLiteral("Save"), 24);
  Bn_Reboot = MakeButton(this, "Bn_Reboot", QStringLiteral("Reboot"), 120);

  QWidget* const tabOrder[] = {Ed_IP,         Ed_Subnet, Ed_Gateway, Ed_DNS,   Ed_WebPort,
                               Ed_TelnetPort, CB_IPMode, Bn_Save,    Bn_Reboot};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void DeviceSettingsPanel::ShowRecord(const Discovery& record) {
  Lab_PN->setText(Text8(record.ProductName));
  Lab_MAC->setText(Text8(MacToText(record.MAC)));
  ShowInEdit(Ed_IP, Text8(record.IPAddress), kAddressLength);
  ShowInEdit(Ed_Subnet, Text8(record.SubnetMask), kAddressLength);
  ShowInEdit(Ed_Gateway, Text8(record.Gateway), kAddressLength);
  ShowInEdit(Ed_DNS, Text8(record.DNS), kAddressLength);
  CB_IPMode->setCurrentIndex(record.IPMode);  // a mode other than 0 or 1 selects nothing
  ShowInEdit(Ed_WebPort, QString::number(record.WebPort), kPortLength);
  ShowInEdit(Ed_TelnetPort, QString::number(record.TelnetPort), kPortLength);
  Lab_SN->setText(Text8(record.SerialNo));
  Lab_FW->setText(Text8(record.FirmwareVersion));
  Lab_HW->setText(Text8(record.HardwareVersion));
  Lab_Descr->setText(Text8(record.Description));
  Lab_Prod_ID->setText(Text8(record.ProductID));
  SetStaticAddressEditsEnabled(record.IPMode == 0);
}

PanelValues DeviceSettingsPanel::Values() const {
  PanelValues values;
  values.ipModeIndex = CB_IPMode->currentIndex();
  values.ip = Typed(Ed_IP);
  values.subnet = Typed(Ed_Subnet);
  values.gateway = Typed(Ed_Gateway);
  values.dns = Typed(Ed_DNS);
  values.webPort = Typed(Ed_WebPort);
  values.telnetPort = Typed(Ed_TelnetPort);
  return values;
}

void DeviceSettingsPanel::SetStaticAddressEditsEnabled(bool enabled) {
  Ed_IP->setEnabled(enabled);
  Ed_Subnet->setEnabled(enabled);
  Ed_Gateway->setEnabled(enabled);
}

TInfoFrom::TInfoFrom() : QWidget(nullptr, Qt::Tool) {
  setObjectName(QStringLiteral("TInfoFrom"));
  setWindowTitle(QStringLiteral("InfoFrom"));
  setAttribute(Qt::WA_QuitOnClose, false);
}

void TInfoFrom::Host(DeviceSettingsPanel* panel) {
  if (panel->parentWidget() == this) return;
  panel->setParent(this);
  panel->move(0, 0);
  panel->show();
  setFixedSize(panel->size());
  if (const QScreen* display = screen()) move(display->availableGeometry().center() - rect().center());
}

}  // namespace halvex
