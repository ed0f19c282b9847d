// Fuzzes the reply intake: the input's first byte sets the step variables, so that the
// parsers' branches are reached; the rest is split into two reads at a point given by
// the second byte and goes through the reply stream to the eleven parsers, in order.
#include <QApplication>
#include <QComboBox>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Form1.h"
#include "core/protocol/ReplyStream.h"

namespace {

// Answers every box at once (Yes to questions) so that nothing waits for an operator.
class AnsweringPrompter : public Prompter {
 public:
  BoxAnswer show(BoxIcon icon, const QString&) override {
    return icon == BoxIcon::Question ? BoxAnswer::Yes : BoxAnswer::Ok;
  }
};

// One application and window for the whole run, made before the first input so that
// the toolkit's one-time caches do not count as leaks of an input.
Form1* form = nullptr;

void set_steps(Form1& w, uint8_t b) {
  static constexpr std::array<uint8_t, 5> kSysSteps{0, 1, 2, 4, 5};
  static constexpr std::array<uint8_t, 3> kBezelSteps{0, 1, 5};
  w.sys_read_step = kSysSteps[b % 5];
  w.io_read_step = static_cast<uint8_t>(b % 9);
  w.osd_info_flag = b & 1;
  w.net_read_step = static_cast<uint8_t>(b % 3);
  w.net_set_step = static_cast<uint8_t>(b % 6);
  w.net_dhcp_step = static_cast<uint8_t>(b % 3);
  w.factory_reset_flag = (b >> 1) & 1;
  w.wall_size_flag = (b >> 2) & 1;
  w.recall_flag = (b >> 3) & 1;
  w.img_read_step = static_cast<uint8_t>(b % 18);
  w.img_rst_flag = (b >> 4) & 1;
  w.osd_reset_flag = (b >> 5) & 1;
  w.wall_reset_flag = (b >> 6) & 1;
  w.preset_flag = (b >> 7) & 1;
  w.bezel_read_step = kBezelSteps[b % 3];
  w.bezel_send_step = kBezelSteps[(b / 3) % 3];
}

void parse(Form1& w, const std::string& line) {
  w.parse_system_reply(line);
  w.parse_output_reply(line);
  w.parse_net_readback(line);
  w.parse_net_ack(line);
  w.parse_wall_ack(line);
  w.parse_image_reply(line);
  w.parse_picture_reset_ack(line);
  w.parse_osd_reset_ack(line);
  w.parse_wall_reset_ack(line);
  w.parse_bezel_readback(line);
  w.parse_bezel_ack(line);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
  static AnsweringPrompter prompter;
  static Form1 window(&prompter);  // freed before the application at exit
  form = &window;
  for (int k = 0; k < 3; ++k) form->cbo_ipaddr->addItem(QStringLiteral("02:00:00:00:00:0%1").arg(k + 1));
  form->fill_id_list();
  // Every reply once at every setting of the steps: the toolkit fills its caches (fonts
  // for titles and list texts) here rather than inside a fuzzed input.
  const std::string replies =
      "POWE000\r\nPOWE001\r\nMODN001\r\nBEZE001\r\nBEZE000\r\nVERS205\r\nRESO020\r\nOSDD001\r\n"
      "OSDT010\r\nOSDT004\r\nOSDH020\r\nOSDV005\r\nOSDG010\r\nMUTE001\r\nMUTE000\r\nOSDI\r\nIPMD001\r\n"
      "IP00192    168    001    010    255    255    255    000    192    168    001    001\r\n"
      "OUTPUT1BRIV050\r\nOUTPUT1CONV050\r\nOUTPUT1SATV050\r\nOUTPUT1HUEV050\r\nBHV010\r\nBVV010\r\n";
  for (int b = 0; b < 256; ++b)
    for (int image_step = 1; image_step <= 16; ++image_step) {
      set_steps(*form, static_cast<uint8_t>(b));
      form->img_read_step = static_cast<uint8_t>(image_step);
      mosaic::ReplyStream stream;
      for (const std::string& line : stream.take(replies)) parse(*form, line);
    }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  Form1& w = *form;
  set_steps(w, data[0]);
  const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::size_t cut = bytes.empty() ? 0 : data[1] % (bytes.size() + 1);
  mosaic::ReplyStream stream;
  for (std::string_view read : {bytes.substr(0, cut), bytes.substr(cut)})
    for (const std::string& line : stream.take(read)) parse(w, line);
  return 0;
}
