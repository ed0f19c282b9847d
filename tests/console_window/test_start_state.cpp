// The window right after start-up: every control exists under its name, and the
// state of each is as the disconnected start leaves it.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <optional>
#include <string>

#include "window_fixture.h"

namespace {

struct ListExpect {
  bool editable;
  int count;
  const char* first;
  const char* last;
  const char* text;  // shown text: the range of an editable list, else empty
};

struct StartRow {
  std::string name;
  bool enabled;                       // effective: usable unless hidden
  bool shown;                         // own visibility flag
  std::optional<bool> own_enabled{};  // the control's own flag, where it matters
  std::optional<bool> checked{};
  std::optional<ListExpect> list{};
  std::optional<QString> caption{};
};

std::vector<StartRow> start_table() {
  const ListExpect image{true, 101, "0", "100", "0~100"};
  std::vector<StartRow> rows = {
      // Top frames: only "System Settings" is usable, and in it only "Search MAC".
      {"sys_setting", true, true, {}, {}, {}, "System Settings"},
      {"con_interface", false, true, {}, {}, {}, "Connect Interface"},
      {"net_config", false, true, {}, {}, {}, "Network Configuration"},
      {"power_ctl(0)", false, true, false, {}, {}, "Power"},
      {"power_ctl(1)", true, false, true, {}, {}, "Power ON"},
      {"power_ctl(2)", true, false, true, {}, {}, "Power OFF"},
      {"Check1(0)", false, true, false, false, {}, "ALL IP"},
      {"Check1(1)", false, true, false, false, {}, "ALL IP"},
      {"btn_sys_fac_rst", false, true, false, {}, {}, "Factory Reset"},
      {"btn_sys_refresh", false, true, false, {}, {}, "Refresh"},
      {"ProgressBar1", true, false},
      {"btn_sys_search", true, true, true, {}, {}, "Search MAC"},
      {"btn_con", false, true, true, {}, {}, "Connect"},
      {"btn_discon", false, true, true, {}, {}, "Disconnect"},
      {"lbl_con(0)", false, true, {}, {}, {}, "MAC :"},
      {"lbl_con(1)", false, true, {}, {}, {}, "ID No."},
      {"lbl_con(2)", false, false, {}, {}, {}, "Connecting..."},
      {"cbo_ipaddr", false, true, true, {}, ListExpect{false, 0, nullptr, nullptr, ""}},
      {"cbo_model", false, true, false, {}, ListExpect{false, 0, nullptr, nullptr, ""}},
      {"btn_ip_get", false, true, true, {}, {}, "Get IP"},
      {"btn_ip_set", false, true, true, {}, {}, "Set IP"},
      {"btn_ip_relink", false, true, true, {}, {}, "Re-Link"},
      {"ProgressBar2", false, false},
      {"cbo_ip_type", false, true, true, {}, ListExpect{false, 2, "STATIC", "DHCP", ""}},
      {"txt_ip", false, true}, {"txt_net", false, true}, {"txt_gate", false, true},
      // Page buttons respond in every state; page 0 is the one shown.
      {"opt_tv1", true, true, true, true, {}, "TV Wall (1)"},
      {"opt_tv2", true, true, true, false, {}, "TV Wall (2)"},
      {"opt_tv3", true, true, true, false, {}, "TV Wall (3)"},
      {"opt_io", true, true, true, false, {}, "I/O Setup"},
      {"opt_image", true, true, true, false, {}, "Image Adjust"},
      {"frame_control(0)", false, true, {}, {}, {}, "TV Wall Setup"},
      {"frame_control(1)", false, false, {}, {}, {}, "TV Wall Setup"},
      {"frame_control(2)", false, false, {}, {}, {}, "I/O Setup"},
      {"frame_control(3)", false, false, {}, {}, {}, "Image Adjust"},
      {"frame_control(4)", false, false, {}, {}, {}, "TV Wall Setup"},
      // Wall pages.
      {"btn_tv_fs(0)", false, true, true, {}, {}, "1x1"},
      {"btn_tv_fs(9)", false, true, true, {}, {}, "4x2"},
      {"btn_tv_fs(23)", false, true, true, {}, {}, "6x3"},
      {"cbo_tv_row", false, true, true, {}, ListExpect{true, 15, " 1", " 15", "1~15"}},
      {"cbo_tv_col", false, true, true, {}, ListExpect{true, 15, " 1", " 15", "1~15"}},
      {"cbo_val_H(1)", false, true, true, {}, ListExpect{false, 256, " 0", " 255", ""}},
      {"cbo_val_V(1)", false, true, true, {}, ListExpect{false, 256, " 0", " 255", ""}},
      {"opt_bezel(0)", false, true, true, false, {}, "OFF"},
      {"opt_bezel(1)", false, true, true, false, {}, "ON"},
      {"Check1(2)", false, true, true, false, {}, "ALL IP"},
      {"chk_tv_allip(0)", false, true, false, false},
      {"chk_tv_allip(3)", false, true, false, false},
      {"btn_tvwall_refresh", false, false, false},
      {"btn_V_Bezel_send", false, false, false},
      {"btn_save(1)", false, true, true, {}, {}, "FAV 1"},
      {"btn_recall(5)", false, true, true, {}, {}, "FAV 5"},
      // I/O page.
      {"cbo_reso", false, true, true, {}, ListExpect{false, 29, "640x480@60", "Native", ""}},
      {"cbo_info_play", false, true, true, {}, ListExpect{false, 2, "OFF", "ON", ""}},
      {"cbo_osd(0)", false, true, true, {}, ListExpect{true, 21, "0", "20", "0~20"}},
      {"cbo_osd(1)", false, true, true, {}, ListExpect{true, 21, "0", "20", "0~20"}},
      {"cbo_osd_gain", false, true, true, {}, ListExpect{true, 11, "0", "10", "0~10"}},
      {"cbo_osd_time", false, true, true, {}, ListExpect{false, 46, "5", "50", ""}},
      {"opt_mute(0)", false, true, true, false, {}, "OFF"},
      {"opt_mute(1)", false, true, true, false, {}, "ON"},
      {"chk_io(6)", false, true, true, false, {}, "ALL IP"},
      {"btn_io_rst(0)", false, true, true, {}, {}, "Refresh"},
      {"btn_io_rst(1)", false, true, true, {}, {}, "Reset"},
      {"btn_io_rst(2)", false, true, true, {}, {}, "OSD Info"},
      // Image page (its sixteen boxes follow).
      {"btn_img_rst(4)", false, true, true, {}, {}, "Picture Reset"},
      {"btn_img_rst(5)", false, true, true, {}, {}, "Refresh"},
      {"Chk_img(3)", false, true, true, false, {}, "ALL IP"},
  };
  for (const char* row : {"cbo_image_bri", "cbo_image_con", "cbo_image_sat", "cbo_image_hue"})
    for (int output = 1; output <= 4; ++output)
      rows.push_back({std::string(row) + "(" + std::to_string(output) + ")", false, true, true, {},
                      image});
  return rows;
}

QString caption_of(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

}  // namespace

TEST_F(WindowTest, StartStateOfEveryControl) {
  for (const StartRow& row : start_table()) {
    SCOPED_TRACE(row.name);
    QWidget* widget = control(row.name.c_str());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->isEnabled(), row.enabled);
    EXPECT_EQ(!widget->isHidden(), row.shown);
    if (row.own_enabled) {
      EXPECT_EQ(!widget->testAttribute(Qt::WA_ForceDisabled), *row.own_enabled);
    }
    if (row.checked) {
      EXPECT_EQ(qobject_cast<QAbstractButton*>(widget)->isChecked(), *row.checked);
    }
    if (row.caption) {
      EXPECT_EQ(caption_of(widget), *row.caption);
    }
    if (row.list) {
      auto* list = qobject_cast<QComboBox*>(widget);
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(list->isEditable(), row.list->editable);
      EXPECT_EQ(list->currentIndex(), -1);
      ASSERT_EQ(list->count(), row.list->count);
      if (row.list->count > 0) {
        EXPECT_EQ(list->itemText(0), QLatin1String(row.list->first));
        EXPECT_EQ(list->itemText(list->count() - 1), QLatin1String(row.list->last));
      }
      EXPECT_EQ(list->currentText(), QLatin1String(row.list->text));
      if (row.list->editable) {
        EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
      }
    }
  }
}

TEST_F(WindowTest, OnlySearchMacAndThePageButtonsRespondAtStart) {
  QStringList usable;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const bool input = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                       qobject_cast<QLineEdit*>(widget);
    if (!input || widget == window->TextInfo) continue;
    if (qobject_cast<QComboBox*>(widget->parentWidget())) continue;  // a list's own text field
    if (widget->isEnabled() && widget->isVisibleTo(window.get())) usable << widget->objectName();
  }
  usable.sort();
  EXPECT_EQ(usable, QStringList({"btn_sys_search", "opt_image", "opt_io", "opt_tv1", "opt_tv2",
                                 "opt_tv3"}));
}

TEST_F(WindowTest, StartUpValuesAndHiddenControls) {
  EXPECT_EQ(window->windowTitle(), "v1.15");
  EXPECT_EQ(window->objectName(), "Form1");
  EXPECT_EQ(window->size(), QSize(865, 519));

  EXPECT_FALSE(window->first_drop);  // spent by the drop at the end of start-up
  EXPECT_FALSE(window->is_connected);
  EXPECT_FALSE(window->is_connecting);
  EXPECT_EQ(window->links_down, 1);
  EXPECT_FALSE(window->connect_timeout);
  EXPECT_FALSE(window->relink_delay_done);
  EXPECT_FALSE(window->window_closing);

  struct TimerRow {
    QTimer* timer;
    const char* name;
    int interval;
  };
  for (const TimerRow& row : {TimerRow{window->Timer1, "Timer1", 15000},
                              TimerRow{window->Timer2, "Timer2", 2000}}) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(row.timer, nullptr);
    EXPECT_EQ(row.timer->objectName(), row.name);
    EXPECT_FALSE(row.timer->isActive());
    EXPECT_TRUE(row.timer->isSingleShot());
    EXPECT_EQ(row.timer->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(row.timer->interval(), row.interval);
  }
  // The reply text box lies below the client area.
  EXPECT_GE(window->TextInfo->y(), window->height());
  EXPECT_EQ(window->TextInfo->objectName(), "TextInfo");

  EXPECT_EQ(window->resolution_names[0], "640x480@60");
  EXPECT_EQ(window->resolution_names[20], "1080p60");
  EXPECT_EQ(window->resolution_names[28], "Native");
  EXPECT_EQ(window->output_names[3], "Out D");
  EXPECT_EQ(window->ip_type_names[1], "DHCP");
  EXPECT_EQ(window->off_on_names[0], "OFF");
  for (int i = 0; i <= 28; ++i)
    EXPECT_EQ(window->cbo_reso->itemText(i), window->resolution_names[static_cast<std::size_t>(i)]);
}

TEST_F(WindowTest, ColoursAtStart) {
  EXPECT_EQ(window->button_colour(window->power_ctl(1)), QColor(0, 255, 0));
  EXPECT_EQ(window->button_colour(window->power_ctl(2)), QColor(255, 0, 0));
  EXPECT_EQ(window->button_colour(window->btn_discon), QColor(255, 0, 0));
  EXPECT_EQ(window->button_colour(window->btn_con), std::nullopt);
  EXPECT_EQ(window->button_colour(window->power_ctl(0)), std::nullopt);
  const QPalette connecting = window->lbl_con(2)->palette();
  EXPECT_EQ(connecting.color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(connecting.color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_TRUE(window->lbl_con(2)->autoFillBackground());

  window->set_button_colour(window->btn_con, QColor(0, 255, 0));
  EXPECT_EQ(window->button_colour(window->btn_con), QColor(0, 255, 0));
  window->set_button_colour(window->btn_con, std::nullopt);
  EXPECT_EQ(window->button_colour(window->btn_con), std::nullopt);
  EXPECT_TRUE(window->btn_con->styleSheet().isEmpty());
}

TEST_F(WindowTest, ListEntriesInTheirNumberForms) {
  struct EntryRow {
    const char* list;
    int index;
    const char* text;
  };
  const EntryRow rows[] = {{"cbo_val_H(1)", 10, " 10"},   {"cbo_val_V(1)", 255, " 255"},
                           {"cbo_image_bri(1)", 10, "10"}, {"cbo_image_hue(4)", 50, "50"},
                           {"cbo_osd_time", 0, "5"},       {"cbo_osd_time", 5, "10"},
                           {"cbo_osd_time", 45, "50"},     {"cbo_tv_col", 6, " 7"},
                           {"cbo_osd(1)", 7, "7"},          {"cbo_reso", 23, "1080I50"}};
  for (const EntryRow& row : rows) {
    SCOPED_TRACE(std::string(row.list) + " " + std::to_string(row.index));
    auto* list = control<QComboBox>(row.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->itemText(row.index), QLatin1String(row.text));
  }
}
