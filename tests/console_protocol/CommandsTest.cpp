// Every command the console sends, byte for byte (without the CR LF that send_line adds).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Commands.h"

namespace mosaic {
namespace {

struct CommandCase {
  std::string built;
  std::string expected;
};

using P = PictureParam;
using O = OsdSetting;

TEST(Commands, EveryCommandOfTheSetHasItsExactText) {
  const std::vector<CommandCase> cases = {
      {read_power(), "RPOW"},
      {set_power(false), "SPOW 0"},
      {set_power(true), "SPOW 1"},
      {read_id_number(), "RMDN"},
      {set_id_number(2), "SMDN 2"},
      {set_id_number(0), "SMDN 0"},
      {read_version(), "RVER"},
      {factory_reset(), "SDEF"},
      {read_ip_mode(), "RIPM"},
      {read_link(), "RLINK"},
      {set_ip_mode(false), "SIPM 0"},
      {set_ip_mode(true), "SIPM 1"},
      {set_ip_address("192.168.001.010"), "SIPA 192.168.001.010"},
      {set_net_mask("255.255.255.0"), "SMAA 255.255.255.0"},
      {set_gateway(" 10.0.0.1"), "SGAA  10.0.0.1"},
      {relink(), "SREL"},
      {recall_preset(0), "SHOT 0"},
      {recall_preset(9), "SHOT 9"},
      {recall_preset(10), "SHOT 10"},
      {recall_preset(23), "SHOT 23"},
      {set_wall_size(4, 3), "SMN 4 3 "},
      {set_wall_size(15, 15), "SMN 15 15 "},
      {wall_reset(), "SWDE"},
      {set_bezel(false), "SBEZ 0"},
      {set_bezel(true), "SBEZ 1"},
      {read_bezel(), "RBEZ"},
      {set_bezel_h(0), "SBH 0"},
      {set_bezel_h(255), "SBH 255"},
      {set_bezel_v(17), "SBV 17"},
      {read_bezel_h(), "RBH "},
      {read_bezel_v(), "RBV "},
      {store_favourite(1), "SFAVE 1"},
      {store_favourite(5), "SFAVE 5"},
      {recall_favourite(3), "RFAVE 3"},
      {set_resolution(0), "SRES 0"},
      {set_resolution(28), "SRES 28"},
      {read_resolution(), "RRES"},
      {set_osd(O::AutoDisplay, 1), "SOSDD 1"},
      {set_osd(O::HOffset, 20), "SOSDH 20"},
      {set_osd(O::VOffset, 0), "SOSDV 0"},
      {set_osd(O::Timeout, 50), "SOSDT 50"},
      {set_osd(O::Gain, 10), "SOSDG 10"},
      {set_osd(O::HOffset, std::string("07.5")), "SOSDH 07.5"},
      {read_osd(O::AutoDisplay), "ROSDD"},
      {read_osd(O::HOffset), "ROSDH"},
      {read_osd(O::VOffset), "ROSDV"},
      {read_osd(O::Timeout), "ROSDT"},
      {read_osd(O::Gain), "ROSDG"},
      {set_mute(false), "SMUTE 0"},
      {set_mute(true), "SMUTE 1"},
      {read_mute(), "RMUTE"},
      {osd_info(), "SOSDI"},
      {osd_reset(), "SOSDR"},
      {set_image_value(P::Brightness, 3, 75), "SBRI 3 75"},
      {set_image_value(P::Brightness, 2, 0), "SBRI 2 0"},
      {set_image_value(P::Contrast, 1, 100), "SCON 1 100"},
      {set_image_value(P::Saturation, 4, 50), "SSAT 4 50"},
      {set_image_value(P::Hue, 2, 7), "SHUE 2 7"},
      {set_image_value(P::Brightness, 2, std::string("37")), "SBRI 2 37"},
      {set_image_value(P::Brightness, 1, std::string("50.5")), "SBRI 1 50.5"},
      {set_image_value(P::Hue, 4, std::string(" 1e1 ")), "SHUE 4  1e1 "},
      {read_image_value(P::Brightness, 1), "RBRI 1"},
      {read_image_value(P::Contrast, 2), "RCON 2"},
      {read_image_value(P::Saturation, 3), "RSAT 3"},
      {read_image_value(P::Hue, 4), "RHUE 4"},
      {reset_image_param(P::Brightness), "SIMRE 1"},
      {reset_image_param(P::Contrast), "SIMRE 2"},
      {reset_image_param(P::Saturation), "SIMRE 3"},
      {reset_image_param(P::Hue), "SIMRE 4"},
      {picture_reset(), "SPIRE"},
  };
  for (const CommandCase& c : cases) EXPECT_EQ(c.built, c.expected);
}

TEST(Commands, WireExamples) {
  EXPECT_EQ(set_id_number(2) + "\r\n", "SMDN 2\r\n");
  EXPECT_EQ(set_image_value(P::Brightness, 3, 75) + "\r\n", "SBRI 3 75\r\n");
  EXPECT_EQ(set_wall_size(4, 3) + "\r\n", std::string("SMN 4 3 \r\n"));
  EXPECT_EQ(read_bezel_h() + "\r\n", "RBH \r\n");
  EXPECT_EQ(read_bezel() + "\r\n", "RBEZ\r\n");  // no blank, unlike "RBH "
}

}  // namespace
}  // namespace mosaic
