#pragma once
// The command texts the console sends to a wall processor, one function per command
// family. Each returns the text without its line end (send_line adds CR LF). Numbers
// are written in plain decimal; values the operator typed go out exactly as typed.
#include <string>

namespace mosaic {

// The four picture values; the number is the parameter code of "SIMRE ".
enum class PictureParam { Brightness = 1, Contrast = 2, Saturation = 3, Hue = 4 };

// The OSD settings with a set and a read command each.
enum class OsdSetting { AutoDisplay, HOffset, VOffset, Timeout, Gain };

// Power and identity.
std::string read_power();                    // "RPOW"
std::string set_power(bool on);              // "SPOW 0" / "SPOW 1"
std::string read_id_number();                // "RMDN"
std::string set_id_number(int id);           // "SMDN 2"
std::string read_version();                  // "RVER"
std::string factory_reset();                 // "SDEF"

// Network settings of the unit.
std::string read_ip_mode();                  // "RIPM"
std::string read_link();                     // "RLINK"
std::string set_ip_mode(bool dhcp);          // "SIPM 0" / "SIPM 1"
std::string set_ip_address(const std::string& typed);   // "SIPA " + typed text
std::string set_net_mask(const std::string& typed);     // "SMAA " + typed text
std::string set_gateway(const std::string& typed);      // "SGAA " + typed text
std::string relink();                        // "SREL"

// Wall layout.
std::string recall_preset(int preset);       // "SHOT 9"
std::string set_wall_size(int rows, int cols);  // "SMN 4 3 " (ends with a blank)
std::string wall_reset();                    // "SWDE"

// Bezel correction.
std::string set_bezel(bool on);              // "SBEZ 0" / "SBEZ 1"
std::string read_bezel();                    // "RBEZ"
std::string set_bezel_h(int value);          // "SBH 10"
std::string set_bezel_v(int value);          // "SBV 10"
std::string read_bezel_h();                  // "RBH " (ends with a blank)
std::string read_bezel_v();                  // "RBV " (ends with a blank)

// Favourites 1..5.
std::string store_favourite(int favourite);  // "SFAVE 3"
std::string recall_favourite(int favourite); // "RFAVE 3"

// Output resolution and OSD.
std::string set_resolution(int index);       // "SRES 20"
std::string read_resolution();               // "RRES"
std::string set_osd(OsdSetting setting, int value);                  // "SOSDT 10"
std::string set_osd(OsdSetting setting, const std::string& typed);  // "SOSDH " + typed text
std::string read_osd(OsdSetting setting);    // "ROSDD", "ROSDH", ...
std::string set_mute(bool on);               // "SMUTE 0" / "SMUTE 1"
std::string read_mute();                     // "RMUTE"
std::string osd_info();                      // "SOSDI"
std::string osd_reset();                     // "SOSDR"

// Picture values per output 1..4.
std::string set_image_value(PictureParam param, int output, int value);  // "SBRI 3 75"
std::string set_image_value(PictureParam param, int output, const std::string& typed);
std::string read_image_value(PictureParam param, int output);  // "RBRI 1"
std::string reset_image_param(PictureParam param);             // "SIMRE 2"
std::string picture_reset();                 // "SPIRE"

}  // namespace mosaic
