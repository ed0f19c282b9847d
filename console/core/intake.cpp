// The reply intake: the selected unit's replies, line by line, to the eleven parsers.
#include <QComboBox>
#include <QLineEdit>

#include "core/ControlLink.h"
#include "core/Form1.h"
#include "core/LinkIntake.h"

void Form1::wsk_client_DataArrival(int index) {
  const int selected = cbo_ipaddr->currentIndex();
  // Only the selected unit's replies count; what other units send is read and thrown
  // away, so it cannot pile up.
  if (index != selected) {
    if (ControlLink* other = wsk_client(index)) other->take_pending();
  }
  ControlLink* link = wsk_client(selected);
  if (link == nullptr) return;
  const QByteArray bytes = link->take_pending();
  if (bytes.isEmpty()) return;
  const auto lines = intake_->streams[static_cast<std::size_t>(selected)].take(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  for (const std::string& line : lines) {
    TextInfo->setText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    run_parsers(line);
  }
}

void Form1::run_parsers(const std::string& line) {
  parse_system_reply(line);
  parse_output_reply(line);
  parse_net_readback(line);
  parse_net_ack(line);
  parse_wall_ack(line);
  parse_image_reply(line);
  parse_picture_reset_ack(line);
  parse_osd_reset_ack(line);
  parse_wall_reset_ack(line);
  parse_bezel_readback(line);
  parse_bezel_ack(line);
}
