// Start-up: the window's state before it is first shown, ending in the disconnected
// state with empty device lists and nothing selected anywhere.
#include <QComboBox>
#include <QGroupBox>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/Form1.h"
#include "core/protocol/NumberText.h"

namespace {

enum class NumberForm { Plain, Signed };

void append_numbers(QComboBox* list, int from, int to, NumberForm form) {
  for (int n = from; n <= to; ++n)
    list->addItem(QString::fromStdString(form == NumberForm::Signed ? mosaic::signed_number(n)
                                                                    : mosaic::plain_number(n)));
}

}  // namespace

void Form1::Form_Load() {
  power_ctl(0)->setVisible(true);
  power_ctl(1)->setVisible(false);
  power_ctl(2)->setVisible(false);

  Timer1->stop();
  Timer1->setInterval(15000);
  connect_timeout = false;
  Timer2->stop();
  Timer2->setInterval(2000);
  relink_delay_done = false;

  links_down = 0;
  is_connected = false;
  is_connecting = false;
  first_drop = true;

  ProgressBar1->setVisible(false);
  ProgressBar2->setVisible(false);

  for (QWidget* control : {static_cast<QWidget*>(power_ctl(0)), static_cast<QWidget*>(btn_sys_fac_rst),
                           static_cast<QWidget*>(btn_sys_refresh), static_cast<QWidget*>(Check1(0)),
                           static_cast<QWidget*>(Check1(1)), static_cast<QWidget*>(cbo_model)})
    control->setEnabled(false);
  lbl_con(2)->setVisible(false);
  net_config->setEnabled(false);
  con_interface->setEnabled(false);
  for (int k = 0; k <= 4; ++k) frame_control(k)->setEnabled(false);

  resolution_names = {"640x480@60",     "480p60",         "576p50",        "800x600@60",
                      "848x480@60",     "1024x768@60",    "720p50",        "720p60",
                      "1280x768@60",    "1280x800@60",    "1280x960@60",   "1280x1024@60",
                      "1360x768@60",    "1366x768@60",    "1400x1050@60",  "1440x900@60",
                      "1600x900RB@60",  "1600x1200@60",   "1680x1050@60",  "1080p50",
                      "1080p60",        "1920x1200RB@60", "2048x1152RB@60", "1080I50",
                      "1080I60",        "1080p24",        "1080p25",       "1080p30",
                      "Native"};
  output_names = {"Out A", "Out B", "Out C", "Out D"};
  ip_type_names = {"STATIC", "DHCP"};
  off_on_names = {"OFF", "ON"};

  wall_size_flag = 0;
  bezel_read_step = 0;
  net_set_step = 0;
  net_read_step = 0;
  net_dhcp_step = 0;
  img_read_step = 0;
  img_rst_flag = 0;
  factory_reset_flag = 0;
  io_read_step = 0;
  osd_reset_flag = 0;
  wall_reset_flag = 0;
  preset_flag = 0;
  recall_flag = 0;
  pic_rst_flag = 0;
  osd_info_flag = 0;

  for (const QString& name : resolution_names) cbo_reso->addItem(name);
  for (int i = 0; i <= 1; ++i) {
    cbo_ip_type->addItem(ip_type_names[static_cast<std::size_t>(i)]);
    cbo_info_play->addItem(off_on_names[static_cast<std::size_t>(i)]);
  }
  append_numbers(cbo_val_H(1), 0, 255, NumberForm::Signed);
  append_numbers(cbo_val_V(1), 0, 255, NumberForm::Signed);
  append_numbers(cbo_tv_row, 1, 15, NumberForm::Signed);
  append_numbers(cbo_tv_col, 1, 15, NumberForm::Signed);
  for (int k = 1; k <= 4; ++k)
    for (QComboBox* box : {cbo_image_bri(k), cbo_image_con(k), cbo_image_sat(k), cbo_image_hue(k)})
      append_numbers(box, 0, 100, NumberForm::Plain);
  append_numbers(cbo_osd(0), 0, 20, NumberForm::Plain);
  append_numbers(cbo_osd(1), 0, 20, NumberForm::Plain);
  append_numbers(cbo_osd_gain, 0, 10, NumberForm::Plain);
  append_numbers(cbo_osd_time, 5, 50, NumberForm::Plain);

  // Editable lists show their range until something is picked or typed.
  cbo_tv_row->setEditText(QStringLiteral("1~15"));
  cbo_tv_col->setEditText(QStringLiteral("1~15"));
  for (int k = 1; k <= 4; ++k)
    for (QComboBox* box : {cbo_image_bri(k), cbo_image_con(k), cbo_image_sat(k), cbo_image_hue(k)})
      box->setEditText(QStringLiteral("0~100"));
  cbo_osd(0)->setEditText(QStringLiteral("0~20"));
  cbo_osd(1)->setEditText(QStringLiteral("0~20"));
  cbo_osd_gain->setEditText(QStringLiteral("0~10"));

  show_page(0);
  drop_links();
}
