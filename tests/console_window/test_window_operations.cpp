// Control names, page switching, the ID list, locking and closing.
#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <map>
#include <string>

#include "window_fixture.h"

namespace {

// name -> how many of it there are, from first index to last (-1: not an array).
struct NameRow {
  const char* name;
  int first = -1;
  int last = -1;
};

const NameRow kControlNames[] = {
    {"sys_setting"}, {"power_ctl", 0, 2}, {"Check1", 0, 2}, {"btn_sys_fac_rst"},
    {"btn_sys_refresh"}, {"ProgressBar1"}, {"btn_sys_search"},
    {"con_interface"}, {"btn_con"}, {"btn_discon"}, {"lbl_con", 0, 2}, {"cbo_ipaddr"},
    {"cbo_model"},
    {"net_config"}, {"btn_ip_get"}, {"btn_ip_set"}, {"btn_ip_relink"}, {"ProgressBar2"},
    {"Label3"}, {"Label4"}, {"Label5"}, {"Label6"}, {"cbo_ip_type"}, {"txt_ip"}, {"txt_net"},
    {"txt_gate"},
    {"opt_tv1"}, {"opt_tv2"}, {"opt_tv3"}, {"opt_io"}, {"opt_image"}, {"frame_control", 0, 4},
    {"btn_tv_fs", 0, 23},
    {"tv2_lbl", 0, 3}, {"tv2_lbl", 7, 7}, {"tv_lbl", 0, 1}, {"cbo_tv_col"}, {"cbo_tv_row"},
    {"btn_tvwall_send"}, {"btn_tvwall_reset"}, {"chk_tv_allip", 0, 3}, {"btn_tvwall_refresh"},
    {"btn_V_Bezel_send"}, {"cbo_val_H", 1, 1}, {"cbo_val_V", 1, 1}, {"btn_H_Bezel_send"},
    {"opt_bezel", 0, 1},
    {"Label1", 0, 1}, {"btn_save", 1, 5}, {"btn_recall", 1, 5},
    {"io_lbl", 0, 6}, {"cbo_reso"}, {"cbo_info_play"}, {"cbo_osd", 0, 1}, {"cbo_osd_time"},
    {"cbo_osd_gain"}, {"chk_io", 0, 6}, {"opt_mute", 0, 1}, {"btn_io_rst", 0, 2},
    {"img_lbl", 0, 3}, {"img_lbl", 5, 8}, {"cbo_image_bri", 1, 4}, {"cbo_image_con", 1, 4},
    {"cbo_image_sat", 1, 4}, {"cbo_image_hue", 1, 4}, {"Chk_img", 0, 3}, {"btn_img_rst", 0, 5},
    {"TextInfo"},
};

}  // namespace

TEST_F(WindowTest, EveryControlExistsUnderItsName) {
  for (const NameRow& row : kControlNames) {
    if (row.first < 0) {
      SCOPED_TRACE(row.name);
      EXPECT_NE(control(row.name), nullptr);
      continue;
    }
    for (int i = row.first; i <= row.last; ++i) {
      const std::string name = std::string(row.name) + "(" + std::to_string(i) + ")";
      SCOPED_TRACE(name);
      EXPECT_EQ(window->findChildren<QWidget*>(QString::fromStdString(name)).size(), 1);
    }
  }
  // Array members are the very controls found by name; gaps in an array stay empty.
  EXPECT_EQ(window->power_ctl(2), control("power_ctl(2)"));
  EXPECT_EQ(window->cbo_image_sat(3), control("cbo_image_sat(3)"));
  EXPECT_EQ(window->frame_control(4), control("frame_control(4)"));
  EXPECT_EQ(window->Check1(2)->parentWidget(), window->frame_control(1));
  EXPECT_EQ(window->tv2_lbl(4), nullptr);
  EXPECT_EQ(window->img_lbl(4), nullptr);
  EXPECT_EQ(window->findChild<QTimer*>("Timer1"), window->Timer1);
}

TEST_F(WindowTest, ControlsSitInTheirFrames) {
  const std::map<std::string, std::string> homes = {
      {"power_ctl(0)", "sys_setting"},      {"btn_sys_search", "sys_setting"},
      {"cbo_model", "con_interface"},       {"btn_discon", "con_interface"},
      {"txt_gate", "net_config"},           {"btn_tv_fs(23)", "frame_control(0)"},
      {"cbo_val_V(1)", "frame_control(1)"}, {"cbo_osd_gain", "frame_control(2)"},
      {"btn_img_rst(5)", "frame_control(3)"}, {"btn_recall(5)", "frame_control(4)"},
      {"opt_image", "Form1"}};
  for (const auto& [name, frame] : homes) {
    SCOPED_TRACE(name);
    EXPECT_EQ(control(name.c_str())->parentWidget()->objectName().toStdString(), frame);
  }
}

TEST_F(WindowTest, PageButtonsSwitchPagesWhilePagesAreDisabled) {
  struct PageRow {
    QPushButton* button;
    int page;
  };
  // opt_tv1 is already checked at start, so it comes last.
  const PageRow rows[] = {{window->opt_tv3, 4}, {window->opt_io, 2}, {window->opt_image, 3},
                          {window->opt_tv2, 1}, {window->opt_tv1, 0}};
  for (const PageRow& row : rows) {
    SCOPED_TRACE(row.button->text().toStdString());
    row.button->click();
    for (int k = 0; k <= 4; ++k) {
      EXPECT_EQ(!window->frame_control(k)->isHidden(), k == row.page) << "frame_control(" << k << ")";
      EXPECT_FALSE(window->frame_control(k)->isEnabled());
    }
    EXPECT_EQ(window->frame_control(row.page)->geometry(), QRect(128, 208, 729, 305));
    EXPECT_TRUE(row.button->isChecked());
  }
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WindowTest, IdListHasOneSignedNumberPerDeviceEntry) {
  for (const char* mac : {"00:11:22:33:44:55", "00:11:22:33:44:56", "00:11:22:33:44:57"})
    window->cbo_ipaddr->addItem(QLatin1String(mac));
  window->fill_id_list();
  ASSERT_EQ(window->cbo_model->count(), 3);
  EXPECT_EQ(window->cbo_model->itemText(0), " 0");
  EXPECT_EQ(window->cbo_model->itemText(1), " 1");
  EXPECT_EQ(window->cbo_model->itemText(2), " 2");
  EXPECT_EQ(window->cbo_model->currentIndex(), -1);

  // A new search result replaces the list, also while an entry is selected.
  window->cbo_model->setCurrentIndex(1);
  prompter.shown.clear();
  window->cbo_ipaddr->removeItem(2);
  window->fill_id_list();
  EXPECT_EQ(window->cbo_model->count(), 2);
  EXPECT_EQ(window->cbo_model->currentIndex(), -1);
  EXPECT_TRUE(prompter.shown.empty());  // clearing a selection asks nothing
}

TEST_F(WindowTest, IdPickWithTheLinkDownReportsOnceAndDropsTheLinks) {
  for (const char* mac : {"00:11:22:33:44:55", "00:11:22:33:44:56", "00:11:22:33:44:57"})
    window->cbo_ipaddr->addItem(QLatin1String(mac));
  window->cbo_ipaddr->setCurrentIndex(0);  // not connected: selecting opens nothing
  window->fill_id_list();
  // Pretend the panels were usable, so that the drop visibly disables them again.
  window->links_down = 0;
  window->cbo_model->setEnabled(true);
  window->net_config->setEnabled(true);
  window->setWindowTitle("v1.15    FW: v1.23");

  window->cbo_model->setCurrentIndex(2);

  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].first, BoxIcon::Critical);
  EXPECT_EQ(prompter.shown[0].second, "Ethernet is disconnected !");
  EXPECT_EQ(window->cbo_model->currentIndex(), -1);
  EXPECT_EQ(window->links_down, 1);
  EXPECT_FALSE(window->is_connected);
  EXPECT_FALSE(window->cbo_model->isEnabled());
  EXPECT_FALSE(window->net_config->isEnabled());
  EXPECT_EQ(window->windowTitle(), "v1.15");
  EXPECT_EQ(window->button_colour(window->btn_discon), QColor(255, 0, 0));
  EXPECT_EQ(window->cbo_ipaddr->count(), 3);  // the device list stays
  EXPECT_EQ(window->cbo_ipaddr->currentIndex(), 0);
}

TEST_F(WindowTest, LockAndUnlockGiveBackEveryControlsOwnFlag) {
  window->unlock_panels();
  window->btn_con->setEnabled(false);  // a control disabled by itself before the lock
  std::map<QWidget*, bool> before;
  for (QWidget* widget : window->findChildren<QWidget*>()) before[widget] = widget->isEnabled();
  EXPECT_FALSE(window->power_ctl(0)->isEnabled());
  EXPECT_TRUE(window->btn_ip_get->isEnabled());

  window->lock_panels();
  const QGroupBox* frames[] = {window->sys_setting, window->con_interface, window->net_config,
                               window->frame_control(0), window->frame_control(1),
                               window->frame_control(2), window->frame_control(3),
                               window->frame_control(4)};
  for (const QGroupBox* frame : frames) {
    SCOPED_TRACE(frame->objectName().toStdString());
    EXPECT_FALSE(frame->isEnabled());
    for (QWidget* child : frame->findChildren<QWidget*>()) EXPECT_FALSE(child->isEnabled());
  }
  EXPECT_TRUE(window->opt_io->isEnabled());  // page buttons stay usable

  window->unlock_panels();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    SCOPED_TRACE(widget->objectName().toStdString());
    EXPECT_EQ(widget->isEnabled(), before[widget]);
  }
  EXPECT_FALSE(window->btn_con->isEnabled());
  EXPECT_FALSE(window->chk_tv_allip(0)->isEnabled());
}

TEST_F(WindowTest, ClosingSilencesMessageBoxes) {
  EXPECT_EQ(window->prompter().show(BoxIcon::Information, "one"), BoxAnswer::Ok);
  EXPECT_EQ(prompter.shown.size(), 1u);
  QCloseEvent close;
  QCoreApplication::sendEvent(window.get(), &close);
  EXPECT_TRUE(close.isAccepted());
  EXPECT_TRUE(window->window_closing);
  EXPECT_EQ(window->prompter().show(BoxIcon::Question, "refresh?"), BoxAnswer::No);
  EXPECT_EQ(window->prompter().show(BoxIcon::Critical, "gone"), BoxAnswer::Ok);
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(WindowTest, SetPrompterSwapsAndNullRestoresTheDefault) {
  ScriptedPrompter other;
  window->set_prompter(&other);
  window->prompter().show(BoxIcon::Exclamation, "x");
  EXPECT_EQ(other.shown.size(), 1u);
  EXPECT_TRUE(prompter.shown.empty());
  window->set_prompter(nullptr);
  EXPECT_NE(dynamic_cast<MessageBoxPrompter*>(&window->prompter()), nullptr);
}
