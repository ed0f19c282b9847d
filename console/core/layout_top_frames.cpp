// The three fixed frames of the top row: System Settings, Connect Interface and
// Network Configuration (top 8 px, 185 px high).
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/Form1.h"
#include "core/layout_controls.h"

using layout::indexed_name;

void Form1::build_top_frames() {
  build_sys_setting();
  build_con_interface();
  build_net_config();
}

void Form1::build_sys_setting() {
  sys_setting = layout::frame(this, QStringLiteral("sys_setting"), QStringLiteral("System Settings"),
                              {8, 8, 217, 185});
  const char* power_captions[] = {"Power", "Power ON", "Power OFF"};
  for (int i = 0; i <= 2; ++i)
    power_ctl.set(i, layout::button(sys_setting, indexed_name("power_ctl", i),
                                    QLatin1String(power_captions[i]), {12, 34, 110, 34}));
  set_button_colour(power_ctl(1), QColor(0, 255, 0));
  set_button_colour(power_ctl(2), QColor(255, 0, 0));
  Check1.set(0, layout::check_box(sys_setting, indexed_name("Check1", 0), QStringLiteral("ALL IP"),
                                  {132, 40, 78, 22}));
  btn_sys_fac_rst = layout::button(sys_setting, QStringLiteral("btn_sys_fac_rst"),
                                   QStringLiteral("Factory Reset"), {12, 82, 110, 34});
  Check1.set(1, layout::check_box(sys_setting, indexed_name("Check1", 1), QStringLiteral("ALL IP"),
                                  {132, 88, 78, 22}));
  btn_sys_refresh = layout::button(sys_setting, QStringLiteral("btn_sys_refresh"),
                                   QStringLiteral("Refresh"), {12, 134, 95, 36});
  // Lies over "Refresh" while a read-back runs.
  ProgressBar1 = layout::progress_bar(sys_setting, QStringLiteral("ProgressBar1"), {12, 134, 95, 36});
  ProgressBar1->raise();
  btn_sys_search = layout::button(sys_setting, QStringLiteral("btn_sys_search"),
                                  QStringLiteral("Search MAC"), {112, 134, 95, 36});
}

void Form1::build_con_interface() {
  con_interface = layout::frame(this, QStringLiteral("con_interface"),
                                QStringLiteral("Connect Interface"), {232, 8, 241, 185});
  btn_con = layout::button(con_interface, QStringLiteral("btn_con"), QStringLiteral("Connect"),
                           {12, 34, 105, 34});
  btn_discon = layout::button(con_interface, QStringLiteral("btn_discon"),
                              QStringLiteral("Disconnect"), {124, 34, 105, 34});
  set_button_colour(btn_discon, QColor(255, 0, 0));

  QLabel* connecting = layout::label(con_interface, indexed_name("lbl_con", 2),
                                     QStringLiteral("Connecting..."), {12, 74, 217, 22});
  connecting->setAlignment(Qt::AlignCenter);
  connecting->setAutoFillBackground(true);
  QPalette palette = connecting->palette();
  palette.setColor(QPalette::Window, QColor(255, 255, 0));
  palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
  connecting->setPalette(palette);
  lbl_con.set(2, connecting);

  lbl_con.set(0, layout::label(con_interface, indexed_name("lbl_con", 0), QStringLiteral("MAC :"),
                               {12, 104, 52, 26}));
  cbo_ipaddr = layout::list(con_interface, QStringLiteral("cbo_ipaddr"), layout::ListKind::DropDown,
                            {66, 104, 163, 26});
  lbl_con.set(1, layout::label(con_interface, indexed_name("lbl_con", 1), QStringLiteral("ID No."),
                               {12, 142, 52, 26}));
  cbo_model = layout::list(con_interface, QStringLiteral("cbo_model"), layout::ListKind::DropDown,
                           {66, 142, 90, 26});
}

void Form1::build_net_config() {
  net_config = layout::frame(this, QStringLiteral("net_config"),
                             QStringLiteral("Network Configuration"), {480, 8, 377, 185});
  btn_ip_get = layout::button(net_config, QStringLiteral("btn_ip_get"), QStringLiteral("Get IP"),
                              {12, 34, 90, 34});
  btn_ip_set = layout::button(net_config, QStringLiteral("btn_ip_set"), QStringLiteral("Set IP"),
                              {12, 84, 90, 34});
  btn_ip_relink = layout::button(net_config, QStringLiteral("btn_ip_relink"),
                                 QStringLiteral("Re-Link"), {12, 134, 90, 34});
  ProgressBar2 = layout::progress_bar(net_config, QStringLiteral("ProgressBar2"), {12, 134, 90, 34});
  ProgressBar2->raise();

  struct Row {
    QLabel*& caption;
    const char* caption_name;
    const char* caption_text;
    int top;
  };
  const Row rows[] = {{Label3, "Label3", "Address Type", 34},
                      {Label4, "Label4", "IP Address", 70},
                      {Label5, "Label5", "Net Mask", 106},
                      {Label6, "Label6", "Default Gateway", 142}};
  for (const Row& row : rows)
    row.caption = layout::label(net_config, QLatin1String(row.caption_name),
                                QLatin1String(row.caption_text), {114, row.top, 120, 26});
  cbo_ip_type = layout::list(net_config, QStringLiteral("cbo_ip_type"), layout::ListKind::DropDown,
                             {238, 34, 127, 26});
  txt_ip = layout::text_box(net_config, QStringLiteral("txt_ip"), {238, 70, 127, 26});
  txt_net = layout::text_box(net_config, QStringLiteral("txt_net"), {238, 106, 127, 26});
  txt_gate = layout::text_box(net_config, QStringLiteral("txt_gate"), {238, 142, 127, 26});
}
