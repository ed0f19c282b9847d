// Connecting, switching to another unit, disconnecting and the two timers.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/Form1.h"
#include "core/protocol/Commands.h"

namespace {

const QColor kGreen(0, 255, 0);

}  // namespace

void Form1::btn_con_Click() {
  // Every unit of the list gets its link, not only the selected one.
  for (int k = 0; k < link_count(); ++k) open_link(k);
  lbl_con(2)->show();
  is_connecting = true;
  if (cbo_ipaddr->currentIndex() < 0) {
    prompter().show(BoxIcon::Exclamation, QStringLiteral("Please select a MAC to connect !"));
    lbl_con(2)->hide();
    return;
  }
  Timer1->start();
  // Ends when the selected link opens, "Disconnect" is pressed (drop_links clears
  // is_connecting) or Timer1 fires.
  wait_until([this] { return link_open(cbo_ipaddr->currentIndex()) || !is_connecting || connect_timeout; }, -1,
             false);
  if (connect_timeout) {
    connect_timeout = false;
    prompter().show(BoxIcon::Exclamation, QStringLiteral("Connected error!"));
  }
  if (link_open(cbo_ipaddr->currentIndex())) {
    enter_connected_state();
    osd_info_exchange();
  } else {
    Timer1->stop();
    drop_links();
  }
}

void Form1::enter_connected_state() {
  Timer1->stop();
  set_button_colour(btn_con, kGreen);
  set_button_colour(btn_discon, std::nullopt);
  links_down = 0;
  lbl_con(2)->hide();
  net_config->setEnabled(true);
  for (int k = 0; k <= 4; ++k) frame_control(k)->setEnabled(true);
  for (QWidget* control : std::initializer_list<QWidget*>{power_ctl(0), btn_sys_fac_rst, btn_sys_refresh,
                                                         Check1(0), Check1(1), cbo_model})
    control->setEnabled(true);
  is_connected = true;
}

void Form1::osd_info_exchange() {
  osd_info_flag = 1;
  send_selected(QString::fromStdString(mosaic::osd_info()));
  wait_step(osd_info_flag, 2);
}

void Form1::cbo_ipaddr_Click() {
  if (!is_connected) return;  // the new selection is used by the next connect
  const int k = cbo_ipaddr->currentIndex();
  if (wsk_client(k) != nullptr) {
    open_link(k);
    Timer1->start();
    // Also ends when the links are dropped meanwhile, like every other wait.
    wait_until([this, k] { return link_open(k) || connect_timeout; }, -1, true);
    if (connect_timeout) {
      connect_timeout = false;
      prompter().show(BoxIcon::Exclamation, QStringLiteral("Connected error!"));
    }
  }
  if (link_open(k) && is_connected) {
    Timer1->stop();
    // The answer matters once the status read-back exists; the OSD exchange runs either way.
    prompter().show(BoxIcon::Question, QStringLiteral("Do you want to refresh the parameters for this MAC device ?"));
    osd_info_exchange();
  } else {
    Timer1->stop();
    drop_links();
  }
}

void Form1::btn_discon_Click() { drop_links(); }

void Form1::Timer1_Timer() {
  Timer1->stop();
  connect_timeout = true;
}

void Form1::Timer2_Timer() {
  Timer2->stop();
  relink_delay_done = true;
}
