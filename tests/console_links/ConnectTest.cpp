// Connect, its time-out, "Disconnect" during the wait, and the unit switch, against
// wallsim in the private namespace.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ConsoleFixture.h"
#include "EventPump.h"
#include "Wallsim.h"
#include "core/ControlLink.h"

namespace {

// An address on the units' subnet where no host answers: the connect is never accepted.
const QString kNoHost = QStringLiteral("10.77.0.200");
// An address of the namespace without a listener: the connect is refused at once.
const QString kNoListener = QStringLiteral("10.77.0.29");

class Connect : public ConsoleTest {};

TEST_F(Connect, SelectedUnitConnectsWhileTheOthersFail) {
  Wallsim sim({unit_json(0, {{"refuse_tcp", true}}), unit_json(1)});
  ASSERT_TRUE(sim.ready());
  set_units({unit_ip_text(0), unit_ip_text(1), kNoListener}, 1);
  connect_units();

  EXPECT_TRUE(prompter.boxes.empty()) << prompter.texts().join(" | ").toStdString();
  EXPECT_TRUE(window->is_connected);
  EXPECT_EQ(window->links_down, 0);
  EXPECT_TRUE(window->link_open(1));
  EXPECT_FALSE(window->link_open(0));
  EXPECT_FALSE(window->link_open(2));
  EXPECT_EQ(window->osd_info_flag, 2);
  EXPECT_EQ(window->button_colour(window->btn_con), QColor(0, 255, 0));
  EXPECT_FALSE(window->button_colour(window->btn_discon).has_value());
  EXPECT_TRUE(window->lbl_con(2)->isHidden());
  EXPECT_TRUE(window->net_config->isEnabled());
  EXPECT_TRUE(window->cbo_model->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("v1.15"));
  // The connect ends after the OSD information exchange.
  EXPECT_EQ(sim.texts(1, "tcp-rx"), QStringList{"SOSDI"});
  // wallsim logs an answer just after writing it.
  EXPECT_TRUE(sim.wait_for(1, "tcp-tx", "OSDI"));
  EXPECT_EQ(sim.texts(1, "tcp-tx"), QStringList{"OSDI"});
  EXPECT_TRUE(sim.texts(0, "tcp-accept").isEmpty());
}

TEST_F(Connect, NothingSelectedAsksForASelection) {
  set_units({kNoHost}, -1);
  connect_units();
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Exclamation);
  EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Please select a MAC to connect !"));
  EXPECT_TRUE(window->lbl_con(2)->isHidden());
  EXPECT_FALSE(window->is_connected);
}

// The selected unit does not accept within Timer1's interval (shortened here), and a
// refused connection is no faster way out: the wait keeps going until the time-out.
TEST_F(Connect, TimeOutGivesConnectedErrorAndTheDisconnectedState) {
  for (const QString& address : {kNoHost, kNoListener}) {
    SCOPED_TRACE(address.toStdString());
    prompter.boxes.clear();
    window->Timer1->setInterval(400);
    set_units({address}, 0);
    connect_units();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Connected error!"));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->connect_timeout);
    expect_disconnected_state();
  }
}

TEST_F(Connect, DisconnectDuringTheWaitEndsItWithoutAnError) {
  set_units({kNoHost}, 0);
  QTimer::singleShot(200, window.get(), [this] { window->btn_discon->click(); });
  connect_units();
  EXPECT_TRUE(prompter.boxes.empty()) << prompter.texts().join(" | ").toStdString();
  EXPECT_FALSE(window->Timer1->isActive());
  expect_disconnected_state();
}

TEST_F(Connect, UnitSwitchAsksThenExchangesOsdInformation) {
  Wallsim sim({unit_json(0), unit_json(1)});
  ASSERT_TRUE(sim.ready());
  set_units({unit_ip_text(0), unit_ip_text(1)}, 0);
  connect_units();
  ASSERT_TRUE(window->is_connected);

  // Both answers send "SOSDI" and wait for "OSDI"; neither reads anything back yet.
  prompter.answers = {BoxAnswer::Yes, BoxAnswer::No};
  window->cbo_ipaddr->setCurrentIndex(1);
  window->cbo_ipaddr->setCurrentIndex(0);

  ASSERT_EQ(prompter.boxes.size(), 2u);
  for (const ShownBox& box : prompter.boxes) {
    EXPECT_EQ(box.icon, BoxIcon::Question);
    EXPECT_EQ(box.text, QStringLiteral("Do you want to refresh the parameters for this MAC device ?"));
  }
  EXPECT_TRUE(window->is_connected);
  EXPECT_EQ(window->osd_info_flag, 2);
  EXPECT_EQ(sim.texts(1, "tcp-rx"), QStringList{"SOSDI"});
  EXPECT_EQ(sim.texts(0, "tcp-rx"), (QStringList{"SOSDI", "SOSDI"}));
  EXPECT_TRUE(sim.wait_for(0, "tcp-tx", "OSDI", 2));
  EXPECT_EQ(sim.texts(0, "tcp-tx"), (QStringList{"OSDI", "OSDI"}));
  // Only the newly selected unit's link was opened again.
  EXPECT_EQ(sim.texts(0, "tcp-accept").size(), 2);
  EXPECT_EQ(sim.texts(1, "tcp-accept").size(), 2);
}

TEST_F(Connect, UnitSwitchWhileDisconnectedOpensNothing) {
  Wallsim sim({unit_json(0), unit_json(1)});
  ASSERT_TRUE(sim.ready());
  set_units({unit_ip_text(0), unit_ip_text(1)}, 0);
  window->cbo_ipaddr->setCurrentIndex(1);
  pump_for(300);
  EXPECT_TRUE(prompter.boxes.empty());
  for (int k = 0; k < 2; ++k) EXPECT_EQ(window->wsk_client(k)->link_state(), 0);
  EXPECT_TRUE(sim.texts(0, "tcp-accept").isEmpty());
  EXPECT_TRUE(sim.texts(1, "tcp-accept").isEmpty());
}

TEST_F(Connect, UnitSwitchToAUnitThatDoesNotAnswerDropsTheLinks) {
  Wallsim sim({unit_json(0)});
  ASSERT_TRUE(sim.ready());
  set_units({unit_ip_text(0), kNoHost}, 0);
  connect_units();
  ASSERT_TRUE(window->is_connected);
  window->Timer1->setInterval(400);
  window->cbo_ipaddr->setCurrentIndex(1);
  EXPECT_EQ(prompter.texts(), QStringList{"Connected error!"});
  expect_disconnected_state();
}

// The operator's answer is awaited in a modal box while events run; the links may be
// dropped meanwhile. The switch then ends quietly.
TEST_F(Connect, LinksDroppedWhileTheQuestionIsOpen) {
  Wallsim sim({unit_json(0), unit_json(1)});
  ASSERT_TRUE(sim.ready());
  set_units({unit_ip_text(0), unit_ip_text(1)}, 0);
  connect_units();
  ASSERT_TRUE(window->is_connected);
  prompter.answers = {BoxAnswer::Yes};
  prompter.on_show = [this](const ShownBox& box) {
    if (box.icon == BoxIcon::Question) window->drop_links();
  };
  window->cbo_ipaddr->setCurrentIndex(1);
  EXPECT_EQ(prompter.boxes.size(), 1u);
  expect_disconnected_state();
  EXPECT_TRUE(sim.texts(1, "tcp-rx").isEmpty());
}

}  // namespace
