// The eleven reply parsers. Each looks at fixed positions of one reply, acts on the
// first of its conditions that holds (keyword and step variable), and moves that step
// variable on. A value that names no list entry leaves the list and the step as they were.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>

#include "core/Form1.h"
#include "core/protocol/ReplyFields.h"

namespace {

using mosaic::chars;
using mosaic::has_keyword;
using mosaic::reply;
using mosaic::ReplyLayout;
using mosaic::value_number;
using mosaic::value_text;

// Selects entry v as an operator's pick would, so the list's own handler runs; -1
// clears the selection. False, and nothing changes, when v names no entry.
bool select_entry(QComboBox* list, long long v) {
  if (list == nullptr || v < -1 || v >= list->count()) return false;
  list->setCurrentIndex(static_cast<int>(v));
  return true;
}

// Keyword `layout` while the step is `at`: select entry (value + offset) of `list`,
// then the step becomes `next`.
struct ListRow {
  const ReplyLayout& layout;
  uint8_t at;
  QComboBox* list;
  int offset;
  uint8_t next;
};

// Acts on the first row whose condition holds; true when one held.
bool take_list_rows(const std::string& chunk, uint8_t& step, std::initializer_list<ListRow> rows) {
  for (const ListRow& row : rows) {
    if (step != row.at || !has_keyword(chunk, row.layout)) continue;
    if (select_entry(row.list, value_number(chunk, row.layout) + row.offset)) step = row.next;
    return true;
  }
  return false;
}

// Keyword `layout` while `var` is `at`: `var` becomes `next`.
struct AckRow {
  const ReplyLayout& layout;
  uint8_t& var;
  uint8_t at;
  uint8_t next;
};

void take_ack_rows(const std::string& chunk, std::initializer_list<AckRow> rows) {
  for (const AckRow& row : rows) {
    if (row.var == row.at && has_keyword(chunk, row.layout)) {
      row.var = row.next;
      return;
    }
  }
}

QString latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void Form1::parse_system_reply(const std::string& chunk) {
  if (sys_read_step == 1 && has_keyword(chunk, reply("POWE"))) {
    if (value_text(chunk, reply("POWE")) == "000") {
      power_ctl(2)->show();
      power_ctl(0)->hide();
      power_ctl(1)->hide();
    } else {
      power_ctl(1)->show();
      power_ctl(0)->hide();
      power_ctl(2)->hide();
    }
    sys_read_step = 2;
  } else if (sys_read_step == 2 && has_keyword(chunk, reply("MODN"))) {
    if (select_entry(cbo_model, value_number(chunk, reply("MODN")))) sys_read_step = 4;
  } else if (sys_read_step == 4 && has_keyword(chunk, reply("BEZE"))) {
    opt_bezel(value_text(chunk, reply("BEZE")) != "000" ? 1 : 0)->setChecked(true);
    sys_read_step = 5;
  } else if (sys_read_step == 5 && has_keyword(chunk, reply("VERS"))) {
    setWindowTitle(QStringLiteral("v1.15") + QStringLiteral("    FW: v") + latin1(chars(chunk, 5, 5)) +
                   QLatin1Char('.') + latin1(chars(chunk, 6, 7)));
    sys_read_step = 6;
  }
}

void Form1::parse_output_reply(const std::string& chunk) {
  if (take_list_rows(chunk, io_read_step,
                     {{reply("RESO"), 1, cbo_reso, 0, 2},
                      {reply("OSDD"), 2, cbo_info_play, 0, 3},
                      {reply("OSDT"), 3, cbo_osd_time, -5, 4},
                      {reply("OSDH"), 4, cbo_osd(0), 0, 5},
                      {reply("OSDV"), 5, cbo_osd(1), 0, 6},
                      {reply("OSDG"), 6, cbo_osd_gain, 0, 7}}))
    return;
  if (io_read_step == 7 && has_keyword(chunk, reply("MUTE"))) {
    opt_mute(value_text(chunk, reply("MUTE")) == "001" ? 1 : 0)->setChecked(true);
    io_read_step = 8;
  } else if (osd_info_flag == 1 && has_keyword(chunk, reply("OSDI"))) {
    osd_info_flag = 2;
  }
}

void Form1::parse_net_readback(const std::string& chunk) {
  if (take_list_rows(chunk, net_read_step, {{reply("IPMD"), 1, cbo_ip_type, 0, 2}})) return;
  if (net_read_step == 2 && has_keyword(chunk, reply("IP00"))) {
    // Four fields per box, joined with "." and kept as they came (zero padding too).
    auto address = [&chunk](int first_field) {
      QString text;
      for (int i = first_field; i < first_field + 4; ++i) {
        if (i > first_field) text += QLatin1Char('.');
        text += latin1(value_text(chunk, reply("IP00"), i));
      }
      return text;
    };
    txt_ip->setText(address(0));
    txt_net->setText(address(4));
    txt_gate->setText(address(8));
    net_read_step = 3;
  }
}

void Form1::parse_net_ack(const std::string& chunk) {
  take_ack_rows(chunk, {{reply("IPMD"), net_set_step, 1, 2},
                        {reply("IPA0"), net_set_step, 2, 3},
                        {reply("MAA0"), net_set_step, 3, 4},
                        {reply("GAA0"), net_set_step, 4, 5},
                        {reply("RELI"), net_set_step, 5, 6},
                        {reply("IPMD"), net_dhcp_step, 1, 2},
                        {reply("RELI"), net_dhcp_step, 2, 3},
                        {reply("DEFA"), factory_reset_flag, 1, 2}});
}

void Form1::parse_wall_ack(const std::string& chunk) {
  if (wall_size_flag == 1 && has_keyword(chunk, reply("MNC"))) {
    wall_size_flag = 3;
  } else if (recall_flag == 1 && has_keyword(chunk, reply("RFAV"))) {
    const std::string favourite = value_text(chunk, reply("RFAV"));
    if (favourite.size() == 3 && favourite.compare(0, 2, "00") == 0 && favourite[2] >= '1' && favourite[2] <= '5')
      recall_flag = 2;
  }
}

void Form1::parse_image_reply(const std::string& chunk) {
  const int s = img_read_step;
  if (s < 1 || s > 16) return;
  // Steps 1-4 brightness of outputs 1-4, 5-8 contrast, 9-12 saturation, 13-16 hue.
  const int group = (s - 1) / 4;
  const int output = s - 4 * group;
  const ReplyLayout* layouts[4] = {&reply("BRIV"), &reply("CONV"), &reply("SATV"), &reply("HUEV")};
  QComboBox* lists[4] = {cbo_image_bri(output), cbo_image_con(output), cbo_image_sat(output),
                         cbo_image_hue(output)};
  take_list_rows(chunk, img_read_step,
                 {{*layouts[group], static_cast<uint8_t>(s), lists[group], 0, static_cast<uint8_t>(s + 1)}});
}

void Form1::parse_picture_reset_ack(const std::string& chunk) {
  take_ack_rows(chunk, {{reply("IMRE"), img_rst_flag, 1, 2}});
}

void Form1::parse_osd_reset_ack(const std::string& chunk) {
  take_ack_rows(chunk, {{reply("OSDR"), osd_reset_flag, 1, 2}});
}

void Form1::parse_wall_reset_ack(const std::string& chunk) {
  take_ack_rows(chunk, {{reply("WDEF"), wall_reset_flag, 1, 2}, {reply("HOTK"), preset_flag, 1, 2}});
}

void Form1::parse_bezel_readback(const std::string& chunk) {
  take_list_rows(chunk, bezel_read_step,
                 {{reply("BHV"), 1, cbo_val_H(1), 0, 5}, {reply("BVV"), 5, cbo_val_V(1), 0, 9}});
}

void Form1::parse_bezel_ack(const std::string& chunk) {
  take_ack_rows(chunk, {{reply("BHV"), bezel_send_step, 1, 5}, {reply("BVV"), bezel_send_step, 5, 9}});
}
