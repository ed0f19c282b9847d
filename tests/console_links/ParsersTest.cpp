// The eleven reply parsers, fed one reply at a time in the intake's order, on a window
// without links. (List handlers that run on a selection may report the missing link;
// that is theirs to decide and not examined here.)
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <string>
#include <vector>

#include "ScriptedPrompter.h"
#include "core/Form1.h"

namespace {

void feed(Form1& w, const std::string& chunk) {
  w.parse_system_reply(chunk);
  w.parse_output_reply(chunk);
  w.parse_net_readback(chunk);
  w.parse_net_ack(chunk);
  w.parse_wall_ack(chunk);
  w.parse_image_reply(chunk);
  w.parse_picture_reset_ack(chunk);
  w.parse_osd_reset_ack(chunk);
  w.parse_wall_reset_ack(chunk);
  w.parse_bezel_readback(chunk);
  w.parse_bezel_ack(chunk);
}

struct ParserCase {
  const char* name;
  std::function<void(Form1&)> setup;
  std::string chunk;
  std::function<void(Form1&)> check;
};

class Parsers : public ::testing::Test {
 protected:
  void run(const std::vector<ParserCase>& cases) {
    for (const ParserCase& c : cases) {
      SCOPED_TRACE(c.name);
      ScriptedPrompter prompter;
      Form1 w(&prompter);
      for (int k = 0; k < 3; ++k) w.cbo_ipaddr->addItem(QStringLiteral("02:00:00:00:00:0%1").arg(k + 1));
      w.fill_id_list();
      c.setup(w);
      feed(w, c.chunk);
      c.check(w);
    }
  }
};

TEST_F(Parsers, SystemReplies) {
  run({
      {"POWE 000 shows Power OFF", [](Form1& w) { w.sys_read_step = 1; }, "POWE000",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 2);
         EXPECT_FALSE(w.power_ctl(2)->isHidden());
         EXPECT_TRUE(w.power_ctl(0)->isHidden());
         EXPECT_TRUE(w.power_ctl(1)->isHidden());
       }},
      {"POWE 001 shows Power ON", [](Form1& w) { w.sys_read_step = 1; }, "POWE001",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 2);
         EXPECT_FALSE(w.power_ctl(1)->isHidden());
         EXPECT_TRUE(w.power_ctl(0)->isHidden());
         EXPECT_TRUE(w.power_ctl(2)->isHidden());
       }},
      {"POWE at step 2 changes nothing", [](Form1& w) { w.sys_read_step = 2; }, "POWE000",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 2);
         EXPECT_TRUE(w.power_ctl(2)->isHidden());
       }},
      {"MODN within the list moves on", [](Form1& w) { w.sys_read_step = 2; }, "MODN002",
       [](Form1& w) { EXPECT_EQ(w.sys_read_step, 4); }},
      {"MODN beyond the list stays", [](Form1& w) { w.sys_read_step = 2; }, "MODN003",
       [](Form1& w) { EXPECT_EQ(w.sys_read_step, 2); }},
      {"BEZE 000 selects OFF", [](Form1& w) { w.sys_read_step = 4; }, "BEZE000",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 5);
         EXPECT_TRUE(w.opt_bezel(0)->isChecked());
       }},
      {"BEZE 002 selects ON", [](Form1& w) { w.sys_read_step = 4; }, "BEZE002",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 5);
         EXPECT_TRUE(w.opt_bezel(1)->isChecked());
       }},
      {"VERS 205 sets the title", [](Form1& w) { w.sys_read_step = 5; }, "VERS205",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 6);
         EXPECT_EQ(w.windowTitle(), QStringLiteral("v1.15    FW: v2.05"));
       }},
      {"VERS 123", [](Form1& w) { w.sys_read_step = 5; }, "VERS123",
       [](Form1& w) { EXPECT_EQ(w.windowTitle(), QStringLiteral("v1.15    FW: v1.23")); }},
      {"VERS at step 4 changes nothing", [](Form1& w) { w.sys_read_step = 4; }, "VERS205",
       [](Form1& w) {
         EXPECT_EQ(w.sys_read_step, 4);
         EXPECT_EQ(w.windowTitle(), QStringLiteral("v1.15"));
       }},
      {"blank before the keyword", [](Form1& w) { w.sys_read_step = 1; }, " POWE000",
       [](Form1& w) { EXPECT_EQ(w.sys_read_step, 1); }},
      {"line break before the keyword", [](Form1& w) { w.sys_read_step = 1; }, "\nPOWE000",
       [](Form1& w) { EXPECT_EQ(w.sys_read_step, 1); }},
      {"lower case keyword", [](Form1& w) { w.sys_read_step = 1; }, "powe000",
       [](Form1& w) { EXPECT_EQ(w.sys_read_step, 1); }},
  });
}

TEST_F(Parsers, OutputReplies) {
  run({
      {"RESO", [](Form1& w) { w.io_read_step = 1; }, "RESO020",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 2);
         EXPECT_EQ(w.cbo_reso->currentIndex(), 20);
       }},
      {"RESO beyond the 29 names", [](Form1& w) { w.io_read_step = 1; }, "RESO029",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 1);
         EXPECT_EQ(w.cbo_reso->currentIndex(), -1);
       }},
      {"OSDD", [](Form1& w) { w.io_read_step = 2; }, "OSDD001",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 3);
         EXPECT_EQ(w.cbo_info_play->currentIndex(), 1);
       }},
      {"OSDT 010 selects entry 5", [](Form1& w) { w.io_read_step = 3; }, "OSDT010",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 4);
         EXPECT_EQ(w.cbo_osd_time->currentIndex(), 5);
         EXPECT_EQ(w.cbo_osd_time->currentText(), QStringLiteral("10"));
       }},
      {"OSDT 004 clears the selection", [](Form1& w) {
         w.io_read_step = 3;
         w.cbo_osd_time->setCurrentIndex(7);
       }, "OSDT004",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 4);
         EXPECT_EQ(w.cbo_osd_time->currentIndex(), -1);
       }},
      {"OSDT 003 is no entry", [](Form1& w) {
         w.io_read_step = 3;
         w.cbo_osd_time->setCurrentIndex(7);
       }, "OSDT003",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 3);
         EXPECT_EQ(w.cbo_osd_time->currentIndex(), 7);
       }},
      {"OSDH", [](Form1& w) { w.io_read_step = 4; }, "OSDH020",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 5);
         EXPECT_EQ(w.cbo_osd(0)->currentIndex(), 20);
       }},
      {"OSDV", [](Form1& w) { w.io_read_step = 5; }, "OSDV007",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 6);
         EXPECT_EQ(w.cbo_osd(1)->currentIndex(), 7);
       }},
      {"OSDG", [](Form1& w) { w.io_read_step = 6; }, "OSDG010",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 7);
         EXPECT_EQ(w.cbo_osd_gain->currentIndex(), 10);
       }},
      {"MUTE 001 selects ON", [](Form1& w) { w.io_read_step = 7; }, "MUTE001",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 8);
         EXPECT_TRUE(w.opt_mute(1)->isChecked());
       }},
      {"MUTE 000 selects OFF", [](Form1& w) { w.io_read_step = 7; }, "MUTE000",
       [](Form1& w) { EXPECT_TRUE(w.opt_mute(0)->isChecked()); }},
      {"MUTE 002 selects OFF", [](Form1& w) { w.io_read_step = 7; }, "MUTE002",
       [](Form1& w) { EXPECT_TRUE(w.opt_mute(0)->isChecked()); }},
      {"RESO at another step", [](Form1& w) { w.io_read_step = 2; }, "RESO005",
       [](Form1& w) {
         EXPECT_EQ(w.io_read_step, 2);
         EXPECT_EQ(w.cbo_reso->currentIndex(), -1);
       }},
      {"OSDI", [](Form1& w) { w.osd_info_flag = 1; }, "OSDI",
       [](Form1& w) { EXPECT_EQ(w.osd_info_flag, 2); }},
      {"OSDI while the flag is 0", [](Form1& w) { w.osd_info_flag = 0; }, "OSDI",
       [](Form1& w) { EXPECT_EQ(w.osd_info_flag, 0); }},
  });
}

TEST_F(Parsers, NetworkReplies) {
  run({
      {"IPMD selects the address type", [](Form1& w) { w.net_read_step = 1; }, "IPMD001",
       [](Form1& w) {
         EXPECT_EQ(w.net_read_step, 2);
         EXPECT_EQ(w.cbo_ip_type->currentIndex(), 1);
       }},
      {"IP00 fills the three boxes", [](Form1& w) { w.net_read_step = 2; },
       "IP00192    168    001    010    255    255    255    000    192    168    001    001",
       [](Form1& w) {
         EXPECT_EQ(w.net_read_step, 3);
         EXPECT_EQ(w.txt_ip->text(), QStringLiteral("192.168.001.010"));
         EXPECT_EQ(w.txt_net->text(), QStringLiteral("255.255.255.000"));
         EXPECT_EQ(w.txt_gate->text(), QStringLiteral("192.168.001.001"));
       }},
      {"IPMD moves the set step first", [](Form1& w) {
         w.net_set_step = 1;
         w.net_dhcp_step = 1;
       }, "IPMD000",
       [](Form1& w) {
         EXPECT_EQ(w.net_set_step, 2);
         EXPECT_EQ(w.net_dhcp_step, 1);
       }},
      {"IPA0", [](Form1& w) { w.net_set_step = 2; }, "IPA0", [](Form1& w) { EXPECT_EQ(w.net_set_step, 3); }},
      {"MAA0", [](Form1& w) { w.net_set_step = 3; }, "MAA0", [](Form1& w) { EXPECT_EQ(w.net_set_step, 4); }},
      {"GAA0", [](Form1& w) { w.net_set_step = 4; }, "GAA0", [](Form1& w) { EXPECT_EQ(w.net_set_step, 5); }},
      {"RELI after the address", [](Form1& w) { w.net_set_step = 5; }, "RELI",
       [](Form1& w) { EXPECT_EQ(w.net_set_step, 6); }},
      {"IPMD for DHCP", [](Form1& w) { w.net_dhcp_step = 1; }, "IPMD001",
       [](Form1& w) { EXPECT_EQ(w.net_dhcp_step, 2); }},
      {"RELI for DHCP", [](Form1& w) { w.net_dhcp_step = 2; }, "RELI",
       [](Form1& w) { EXPECT_EQ(w.net_dhcp_step, 3); }},
      {"MAA0 out of order", [](Form1& w) { w.net_set_step = 2; }, "MAA0",
       [](Form1& w) { EXPECT_EQ(w.net_set_step, 2); }},
      {"DEFA", [](Form1& w) { w.factory_reset_flag = 1; }, "DEFA",
       [](Form1& w) { EXPECT_EQ(w.factory_reset_flag, 2); }},
  });
}

TEST_F(Parsers, WallReplies) {
  run({
      {"MNC", [](Form1& w) { w.wall_size_flag = 1; }, "MNC", [](Form1& w) { EXPECT_EQ(w.wall_size_flag, 3); }},
      {"RFAV 003", [](Form1& w) { w.recall_flag = 1; }, "RFAV003", [](Form1& w) { EXPECT_EQ(w.recall_flag, 2); }},
      {"RFAV 006", [](Form1& w) { w.recall_flag = 1; }, "RFAV006", [](Form1& w) { EXPECT_EQ(w.recall_flag, 1); }},
      {"RFAV 000", [](Form1& w) { w.recall_flag = 1; }, "RFAV000", [](Form1& w) { EXPECT_EQ(w.recall_flag, 1); }},
      {"WDEF", [](Form1& w) { w.wall_reset_flag = 1; }, "WDEF", [](Form1& w) { EXPECT_EQ(w.wall_reset_flag, 2); }},
      {"HOTK", [](Form1& w) { w.preset_flag = 1; }, "HOTK", [](Form1& w) { EXPECT_EQ(w.preset_flag, 2); }},
      {"WDEF leaves the preset flag", [](Form1& w) { w.preset_flag = 1; }, "WDEF",
       [](Form1& w) { EXPECT_EQ(w.preset_flag, 1); }},
      {"IMRE", [](Form1& w) { w.img_rst_flag = 1; }, "IMRE", [](Form1& w) { EXPECT_EQ(w.img_rst_flag, 2); }},
      {"OSDR", [](Form1& w) { w.osd_reset_flag = 1; }, "OSDR", [](Form1& w) { EXPECT_EQ(w.osd_reset_flag, 2); }},
  });
}

TEST_F(Parsers, ImageReplies) {
  run({
      {"CONV at step 6 selects contrast of output 2", [](Form1& w) { w.img_read_step = 6; }, "OUTPUT2CONV050",
       [](Form1& w) {
         EXPECT_EQ(w.img_read_step, 7);
         EXPECT_EQ(w.cbo_image_con(2)->currentIndex(), 50);
       }},
      {"BRIV at step 6 changes nothing", [](Form1& w) { w.img_read_step = 6; }, "OUTPUT2BRIV050",
       [](Form1& w) {
         EXPECT_EQ(w.img_read_step, 6);
         EXPECT_EQ(w.cbo_image_bri(2)->currentIndex(), -1);
         EXPECT_EQ(w.cbo_image_con(2)->currentIndex(), -1);
       }},
      {"BRIV at step 1", [](Form1& w) { w.img_read_step = 1; }, "xxxxxxxBRIV000",
       [](Form1& w) {
         EXPECT_EQ(w.img_read_step, 2);
         EXPECT_EQ(w.cbo_image_bri(1)->currentIndex(), 0);
       }},
      {"SATV at step 12", [](Form1& w) { w.img_read_step = 12; }, "OUTPUT4SATV099",
       [](Form1& w) {
         EXPECT_EQ(w.img_read_step, 13);
         EXPECT_EQ(w.cbo_image_sat(4)->currentIndex(), 99);
       }},
      {"HUEV at step 16 ends at 17", [](Form1& w) { w.img_read_step = 16; }, "OUTPUT4HUEV100",
       [](Form1& w) {
         EXPECT_EQ(w.img_read_step, 17);
         EXPECT_EQ(w.cbo_image_hue(4)->currentIndex(), 100);
       }},
      {"HUEV 101 is no entry", [](Form1& w) { w.img_read_step = 13; }, "OUTPUT1HUEV101",
       [](Form1& w) {
         EXPECT_EQ(w.img_read_step, 13);
         EXPECT_EQ(w.cbo_image_hue(1)->currentIndex(), -1);
       }},
      {"step 17 takes nothing", [](Form1& w) { w.img_read_step = 17; }, "OUTPUT4HUEV100",
       [](Form1& w) { EXPECT_EQ(w.img_read_step, 17); }},
  });
}

TEST_F(Parsers, BezelReplies) {
  run({
      {"BHV moves read-back and send together", [](Form1& w) {
         w.bezel_read_step = 1;
         w.bezel_send_step = 1;
       }, "BHV010",
       [](Form1& w) {
         EXPECT_EQ(w.bezel_read_step, 5);
         EXPECT_EQ(w.bezel_send_step, 5);
         EXPECT_EQ(w.cbo_val_H(1)->currentIndex(), 10);
       }},
      {"BVV", [](Form1& w) {
         w.bezel_read_step = 5;
         w.bezel_send_step = 5;
       }, "BVV255",
       [](Form1& w) {
         EXPECT_EQ(w.bezel_read_step, 9);
         EXPECT_EQ(w.bezel_send_step, 9);
         EXPECT_EQ(w.cbo_val_V(1)->currentIndex(), 255);
       }},
      // A value that is no entry stops that parser only; the next one still runs.
      {"BHV 300", [](Form1& w) {
         w.bezel_read_step = 1;
         w.bezel_send_step = 1;
       }, "BHV300",
       [](Form1& w) {
         EXPECT_EQ(w.bezel_read_step, 1);
         EXPECT_EQ(w.bezel_send_step, 5);
         EXPECT_EQ(w.cbo_val_H(1)->currentIndex(), -1);
       }},
      {"BVV at step 1", [](Form1& w) { w.bezel_read_step = 1; }, "BVV010",
       [](Form1& w) { EXPECT_EQ(w.bezel_read_step, 1); }},
  });
}

// One chunk can move several step variables: every parser sees it.
TEST_F(Parsers, OneReplyReachesEveryParser) {
  run({{"IPMD", [](Form1& w) {
          w.net_read_step = 1;
          w.net_set_step = 1;
        }, "IPMD000",
        [](Form1& w) {
          EXPECT_EQ(w.net_read_step, 2);
          EXPECT_EQ(w.net_set_step, 2);
        }}});
}

}  // namespace
