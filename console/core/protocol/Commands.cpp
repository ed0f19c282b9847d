#include "Commands.h"

#include "NumberText.h"

namespace mosaic {

namespace {

std::string with_number(const char* keyword, long long n) { return keyword + plain_number(n); }

std::string switch_command(const char* keyword, bool on) { return with_number(keyword, on ? 1 : 0); }

// The letters after S/R that name a picture value: "SBRI", "RCON", ...
const char* picture_word(PictureParam param) {
  switch (param) {
    case PictureParam::Brightness: return "BRI";
    case PictureParam::Contrast: return "CON";
    case PictureParam::Saturation: return "SAT";
    case PictureParam::Hue: return "HUE";
  }
  return "BRI";
}

// The letter after "SOSD"/"ROSD".
const char* osd_letter(OsdSetting setting) {
  switch (setting) {
    case OsdSetting::AutoDisplay: return "D";
    case OsdSetting::HOffset: return "H";
    case OsdSetting::VOffset: return "V";
    case OsdSetting::Timeout: return "T";
    case OsdSetting::Gain: return "G";
  }
  return "D";
}

}  // namespace

std::string read_power() { return "RPOW"; }
std::string set_power(bool on) { return switch_command("SPOW ", on); }
std::string read_id_number() { return "RMDN"; }
std::string set_id_number(int id) { return with_number("SMDN ", id); }
std::string read_version() { return "RVER"; }
std::string factory_reset() { return "SDEF"; }

std::string read_ip_mode() { return "RIPM"; }
std::string read_link() { return "RLINK"; }
std::string set_ip_mode(bool dhcp) { return switch_command("SIPM ", dhcp); }
std::string set_ip_address(const std::string& typed) { return "SIPA " + typed; }
std::string set_net_mask(const std::string& typed) { return "SMAA " + typed; }
std::string set_gateway(const std::string& typed) { return "SGAA " + typed; }
std::string relink() { return "SREL"; }

std::string recall_preset(int preset) { return with_number("SHOT ", preset); }
std::string set_wall_size(int rows, int cols) {
  return "SMN " + plain_number(rows) + " " + plain_number(cols) + " ";
}
std::string wall_reset() { return "SWDE"; }

std::string set_bezel(bool on) { return switch_command("SBEZ ", on); }
std::string read_bezel() { return "RBEZ"; }
std::string set_bezel_h(int value) { return with_number("SBH ", value); }
std::string set_bezel_v(int value) { return with_number("SBV ", value); }
std::string read_bezel_h() { return "RBH "; }
std::string read_bezel_v() { return "RBV "; }

std::string store_favourite(int favourite) { return with_number("SFAVE ", favourite); }
std::string recall_favourite(int favourite) { return with_number("RFAVE ", favourite); }

std::string set_resolution(int index) { return with_number("SRES ", index); }
std::string read_resolution() { return "RRES"; }
std::string set_osd(OsdSetting setting, int value) { return set_osd(setting, plain_number(value)); }
std::string set_osd(OsdSetting setting, const std::string& typed) {
  return std::string("SOSD") + osd_letter(setting) + " " + typed;
}
std::string read_osd(OsdSetting setting) { return std::string("ROSD") + osd_letter(setting); }
std::string set_mute(bool on) { return switch_command("SMUTE ", on); }
std::string read_mute() { return "RMUTE"; }
std::string osd_info() { return "SOSDI"; }
std::string osd_reset() { return "SOSDR"; }

std::string set_image_value(PictureParam param, int output, int value) {
  return set_image_value(param, output, plain_number(value));
}
std::string set_image_value(PictureParam param, int output, const std::string& typed) {
  return std::string("S") + picture_word(param) + " " + plain_number(output) + " " + typed;
}
std::string read_image_value(PictureParam param, int output) {
  return std::string("R") + picture_word(param) + " " + plain_number(output);
}
std::string reset_image_param(PictureParam param) {
  return with_number("SIMRE ", static_cast<int>(param));
}
std::string picture_reset() { return "SPIRE"; }

}  // namespace mosaic
