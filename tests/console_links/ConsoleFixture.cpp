#include "ConsoleFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "Wallsim.h"

void ConsoleTest::set_units(const QStringList& ips, int selected) {
  window->cbo_ipaddr->clear();
  window->unit_ip.clear();
  for (int k = 0; k < ips.size(); ++k) {
    window->cbo_ipaddr->addItem(unit_mac(k));
    window->unit_ip.push_back(ips[k]);
  }
  window->unit_ip.push_back(QString());
  window->unit_count = static_cast<uint8_t>(ips.size());
  window->fill_id_list();
  window->con_interface->setEnabled(true);
  window->cbo_ipaddr->setCurrentIndex(selected);
}

void ConsoleTest::connect_units() { window->btn_con->click(); }

void ConsoleTest::expect_disconnected_state() const {
  EXPECT_FALSE(window->is_connected);
  EXPECT_FALSE(window->is_connecting);
  EXPECT_EQ(window->links_down, 1);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("v1.15"));
  EXPECT_EQ(window->button_colour(window->btn_discon), QColor(255, 0, 0));
  EXPECT_FALSE(window->button_colour(window->btn_con).has_value());
  EXPECT_TRUE(window->lbl_con(2)->isHidden());
  EXPECT_FALSE(window->net_config->isEnabled());
  EXPECT_FALSE(window->cbo_model->isEnabled());
  EXPECT_FALSE(window->power_ctl(0)->isEnabled());
}
