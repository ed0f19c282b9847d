#pragma once
// Where each reply of a wall processor keeps its keyword and its value: the one table
// of reply layouts, and the readers of fixed character positions (1-based) in a reply.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mosaic {

struct ReplyLayout {
  std::string_view keyword;
  int key_first;      // position of the keyword's first character
  int value_first;    // first field: positions value_first..value_last; 0 = no value used
  int value_last;
  int field_count;    // fields of three characters (12 in "IP00"), field_step apart
  int field_step;
};

inline constexpr std::array<ReplyLayout, 31> kReplyLayouts{{
    {"POWE", 1, 5, 7, 1, 0},  {"MODN", 1, 5, 7, 1, 0},  {"BEZE", 1, 5, 7, 1, 0},
    {"VERS", 1, 5, 7, 1, 0},  {"RESO", 1, 5, 7, 1, 0},  {"OSDD", 1, 5, 7, 1, 0},
    {"OSDT", 1, 5, 7, 1, 0},  {"OSDH", 1, 5, 7, 1, 0},  {"OSDV", 1, 5, 7, 1, 0},
    {"OSDG", 1, 5, 7, 1, 0},  {"MUTE", 1, 5, 7, 1, 0},  {"OSDI", 1, 0, 0, 0, 0},
    {"OSDR", 1, 0, 0, 0, 0},  {"IPMD", 1, 5, 7, 1, 0},  {"IP00", 1, 5, 7, 12, 7},
    {"IPA0", 1, 0, 0, 0, 0},  {"MAA0", 1, 0, 0, 0, 0},  {"GAA0", 1, 0, 0, 0, 0},
    {"RELI", 1, 0, 0, 0, 0},  {"DEFA", 1, 0, 0, 0, 0},  {"MNC", 1, 0, 0, 0, 0},
    {"RFAV", 1, 5, 7, 1, 0},  {"HOTK", 1, 0, 0, 0, 0},  {"WDEF", 1, 0, 0, 0, 0},
    {"BHV", 1, 4, 6, 1, 0},   {"BVV", 1, 4, 6, 1, 0},   {"IMRE", 1, 0, 0, 0, 0},
    {"BRIV", 8, 12, 14, 1, 0}, {"CONV", 8, 12, 14, 1, 0}, {"SATV", 8, 12, 14, 1, 0},
    {"HUEV", 8, 12, 14, 1, 0},
}};

// The layout of a reply keyword; an unknown keyword does not compile.
consteval const ReplyLayout& reply(std::string_view keyword) {
  for (const ReplyLayout& layout : kReplyLayouts)
    if (layout.keyword == keyword) return layout;
  throw std::logic_error("unknown reply keyword");
}

// Characters a..b (1-based, inclusive) of a text; the part beyond its end is empty.
std::string chars(std::string_view chunk, int a, int b);

// The chunk carries the layout's keyword at the layout's position (case-sensitive).
bool has_keyword(std::string_view chunk, const ReplyLayout& layout);

// The text of value field `field` (0-based; only "IP00" has more than one).
std::string value_text(std::string_view chunk, const ReplyLayout& layout, int field = 0);

// The first value field read as a whole number (see field_number).
long long value_number(std::string_view chunk, const ReplyLayout& layout);

}  // namespace mosaic
