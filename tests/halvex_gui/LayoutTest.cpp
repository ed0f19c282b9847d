// The windows as the operator meets them: names, captions, places, limits, fonts
// and tab order. Other tools find the controls by these names.
#include <gmock/gmock.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "GuiTestSupport.h"
#include "LinkLabel.h"

namespace halvex::test {
namespace {

using ::testing::ElementsAre;

template <typename Control>
Control* Named(const QWidget& window, const char* name) {
  auto* control = window.findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

TEST_F(FormTest, MainWindowAtStart) {
  EXPECT_EQ(form.objectName(), "TMainForm");
  EXPECT_EQ(form.size(), QSize(689, 533));
  EXPECT_EQ(form.font().pixelSize(), 11);

  const std::pair<const char*, QRect> placed[] = {
      {"Image1", {16, 8, 129, 28}}, {"Bn_Find", {216, 8, 225, 29}}, {"StringGrid1", {8, 44, 673, 481}}};
  for (const auto& [name, geometry] : placed) {
    if (const QWidget* control = Named<QWidget>(form, name)) {
      EXPECT_EQ(control->geometry(), geometry) << name;
    }
  }
  EXPECT_EQ(form.Bn_Find->text(), "Find Devices on Network");
  EXPECT_EQ(form.Bn_Find->font().pixelSize(), 13);

  const QTableWidget& grid = *form.StringGrid1;
  EXPECT_EQ(grid.font().pixelSize(), 13);
  EXPECT_EQ(grid.rowCount(), 2);
  EXPECT_THAT((std::vector<int>{grid.columnWidth(0), grid.columnWidth(1), grid.columnWidth(2),
                                grid.columnWidth(3), grid.columnWidth(4)}),
              ElementsAre(3, 62, 84, 73, 64));

  for (const char* name : {"Memo1", "Memo2"}) {
    if (const QListWidget* list = Named<QListWidget>(form, name)) {
      EXPECT_TRUE(list->isHidden()) << name;
    }
  }
  EXPECT_EQ(form.Timer1->objectName(), "Timer1");
  EXPECT_FALSE(form.Timer1->isActive());

  EXPECT_EQ(info.objectName(), "TInfoFrom");
  EXPECT_EQ(info.windowTitle(), "InfoFrom");
  EXPECT_TRUE(info.windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(info.isVisible());
}

// Caption at left 24, value control at left 160, 220 wide; edits with their typing limits.
struct PanelRow {
  const char* caption;
  int captionTop;
  const char* control;
  int top;
  int maxLength;  // 0: not an edit
};

const PanelRow kPanelRows[] = {
    {"Product ID", 24, "Lab_Prod_ID", 26, 0},      {"Product Name", 48, "Lab_PN", 50, 0},
    {"MAC Address", 76, "Lab_MAC", 78, 0},         {"IP Address", 105, "Ed_IP", 107, 15},
    {"Subnet Mask", 134, "Ed_Subnet", 135, 15},    {"Gateway IP", 162, "Ed_Gateway", 164, 15},
    {"DNS", 191, "Ed_DNS", 192, 15},               {"IP Mode", 220, "CB_IPMode", 221, 0},
    {"Web GUI Port", 248, "Ed_WebPort", 249, 5},   {"Telnet Port", 277, "Ed_TelnetPort", 278, 5},
    {"S / N", 306, "Lab_SN", 306, 0},              {"Firmware Version", 334, "Lab_FW", 335, 0},
    {"Hardware Version", 363, "Lab_HW", 363, 0},   {"Description", 392, "Lab_Descr", 395, 0},
    {"Web GUI", 424, "Lab_webgui", 427, 0},
};

const QLabel* CaptionLabel(const QWidget& panel, const char* caption) {
  for (const QLabel* label : panel.findChildren<QLabel*>()) {
    if (label->x() == 24 && label->text() == QLatin1String(caption)) return label;
  }
  return nullptr;
}

TEST_F(FormTest, SettingsPanelRows) {
  const DeviceSettingsPanel& panel = *form.Pn_DeviceSettings;
  EXPECT_EQ(panel.objectName(), "Pn_DeviceSettings");
  EXPECT_EQ(panel.size(), QSize(409, 505));
  EXPECT_EQ(panel.font().pixelSize(), 13);

  for (const PanelRow& row : kPanelRows) {
    const QLabel* caption = CaptionLabel(panel, row.caption);
    ASSERT_NE(caption, nullptr) << row.caption;
    EXPECT_EQ(caption->y(), row.captionTop) << row.caption;
    const QWidget* control = Named<QWidget>(panel, row.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ((std::tuple{control->x(), control->y(), control->width()}), (std::tuple{160, row.top, 220}))
        << row.control;
    if (row.maxLength > 0) {
      EXPECT_EQ(qobject_cast<const QLineEdit*>(control)->maxLength(), row.maxLength) << row.control;
    }
  }

  EXPECT_EQ(panel.CB_IPMode->count(), 2);
  EXPECT_EQ(panel.CB_IPMode->itemText(0), "Static");
  EXPECT_EQ(panel.CB_IPMode->itemText(1), "DHCP");
  EXPECT_FALSE(panel.CB_IPMode->isEditable());

  EXPECT_EQ(panel.Lab_webgui->text(), "Web GUI");
  EXPECT_TRUE(panel.Lab_webgui->font().underline());
  EXPECT_EQ(panel.Lab_webgui->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(panel.Lab_webgui->cursor().shape(), Qt::PointingHandCursor);

  EXPECT_EQ(panel.Bn_Save->text(), "Save");
  EXPECT_EQ(panel.Bn_Save->geometry(), QRect(24, 464, 75, 25));
  EXPECT_EQ(panel.Bn_Reboot->text(), "Reboot");
  EXPECT_EQ(panel.Bn_Reboot->geometry(), QRect(120, 464, 75, 25));
}

TEST_F(FormTest, SettingsPanelTabOrder) {
  const DeviceSettingsPanel& panel = *form.Pn_DeviceSettings;
  QStringList order;
  for (QWidget* w = panel.Ed_IP; order.size() < 9; w = w->nextInFocusChain()) {
    if (w->parentWidget() == &panel && (w->focusPolicy() & Qt::TabFocus)) order.append(w->objectName());
    if (w->nextInFocusChain() == panel.Ed_IP) break;
  }
  EXPECT_THAT(order, ElementsAre("Ed_IP", "Ed_Subnet", "Ed_Gateway", "Ed_DNS", "Ed_WebPort",
                                 "Ed_TelnetPort", "CB_IPMode", "Bn_Save", "Bn_Reboot"));
}

}  // namespace
}  // namespace halvex::test
