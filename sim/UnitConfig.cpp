#include "UnitConfig.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <stdexcept>

#include "DiscoveryFrames.h"
#include "TextValues.h"

namespace wallsim {

std::vector<UnitSetup> DefaultUnits(int count) {
  std::vector<UnitSetup> units;
  for (int i = 0; i < count; ++i) units.push_back(DefaultUnit(i));
  return units;
}

namespace {

struct ConfigError {
  std::string text;
};

constexpr int kMaxDelayMs = 600000;
constexpr double kMaxFloodBytes = 16 * 1024 * 1024;

// The keys of one JSON object, read with the context needed for a clear error.
class Fields {
 public:
  Fields(const QJsonObject& object, std::string where, const QStringList& known)
      : object_(object), where_(std::move(where)) {
    for (const QString& key : object.keys()) {
      if (!known.contains(key)) {
        throw ConfigError{where_ + ": unknown key \"" + key.toStdString() +
                          "\" (known: " + known.join(", ").toStdString() + ")"};
      }
    }
  }

  bool has(const char* key) const { return object_.contains(QLatin1String(key)); }

  [[noreturn]] void fail(const char* key, const std::string& what) const {
    throw ConfigError{where_ + ": \"" + key + "\" " + what};
  }

  double number(const char* key, double min, double max) const {
    const QJsonValue v = object_.value(QLatin1String(key));
    const double d = v.toDouble();
    if (!v.isDouble() || std::floor(d) != d || d < min || d > max) {
      fail(key, "must be a whole number from " + std::to_string(static_cast<long long>(min)) +
                    " to " + std::to_string(static_cast<long long>(max)));
    }
    return d;
  }

  template <typename T>
  void read(const char* key, T& field, double min, double max) const {
    if (has(key)) field = static_cast<T>(number(key, min, max));
  }

  void read(const char* key, bool& field) const {
    if (!has(key)) return;
    const QJsonValue v = object_.value(QLatin1String(key));
    if (!v.isBool()) fail(key, "must be true or false");
    field = v.toBool();
  }

  // 8-bit text, one byte per character.
  void read(const char* key, std::string& field) const {
    if (!has(key)) return;
    const QJsonValue v = object_.value(QLatin1String(key));
    if (!v.isString()) fail(key, "must be a text");
    const QString text = v.toString();
    for (QChar c : text) {
      if (c.unicode() > 0xFF) fail(key, "must hold 8-bit characters only");
    }
    const QByteArray bytes = text.toLatin1();
    field.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }

  void readAddress(const char* key, Ipv4& field) const {
    if (!has(key)) return;
    std::string text;
    read(key, text);
    const auto address = ParseDottedAddress(text);
    if (!address) fail(key, "must be a dotted IPv4 address");
    field = *address;
  }

  QJsonValue value(const char* key) const { return object_.value(QLatin1String(key)); }
  const std::string& where() const { return where_; }

 private:
  QJsonObject object_;
  std::string where_;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

Mac ReadMac(const Fields& f) {
  std::string text;
  f.read("mac", text);
  Mac mac{};
  bool ok = text.size() == 17;
  for (std::size_t i = 0; ok && i < mac.size(); ++i) {
    const int high = HexDigit(text[i * 3]);
    const int low = HexDigit(text[i * 3 + 1]);
    ok = high >= 0 && low >= 0 && (i == 5 || text[i * 3 + 2] == ':');
    mac[i] = static_cast<uint8_t>(high * 16 + low);
  }
  if (!ok) f.fail("mac", "must look like 00:11:22:33:44:55");
  return mac;
}

// "1234" is sent as the bytes 34 12: the text's last byte first.
std::vector<uint8_t> ReadProductId(const Fields& f) {
  std::string text;
  f.read("product_id", text);
  if (text.size() % 2 != 0) text.insert(text.begin(), '0');
  std::vector<uint8_t> bytes;
  for (std::size_t i = text.size(); i >= 2; i -= 2) {
    const int high = HexDigit(text[i - 2]);
    const int low = HexDigit(text[i - 1]);
    if (high < 0 || low < 0) f.fail("product_id", "must be hexadecimal text");
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return bytes;
}

// A picture value: one number for all four outputs, or an array of four.
void ReadPicture(const Fields& f, const char* key, std::array<int, kOutputs>& outputs) {
  if (!f.has(key)) return;
  const QJsonValue v = f.value(key);
  if (v.isArray()) {
    const QJsonArray values = v.toArray();
    if (values.size() != kOutputs) f.fail(key, "must list four values");
    for (int i = 0; i < kOutputs; ++i) {
      const double d = values[i].toDouble(-1);
      if (!values[i].isDouble() || std::floor(d) != d || d < 0 || d > 999) {
        f.fail(key, "must hold whole numbers from 0 to 999");
      }
      outputs[i] = static_cast<int>(d);
    }
  } else {
    outputs.fill(static_cast<int>(f.number(key, 0, 999)));
  }
}

QJsonObject Object(const QJsonValue& v, const std::string& where) {
  if (!v.isObject()) throw ConfigError{where + " must be an object"};
  return v.toObject();
}

void ReadFavourites(const Fields& f, std::array<Favourite, kFavourites>& favourites) {
  if (!f.has("favourites")) return;
  const QJsonValue v = f.value("favourites");
  if (!v.isArray() || v.toArray().size() > kFavourites) {
    f.fail("favourites", "must be an array of up to five objects");
  }
  const QJsonArray list = v.toArray();
  for (int i = 0; i < list.size(); ++i) {
    const std::string where = f.where() + " favourite " + std::to_string(i + 1);
    const Fields fav(Object(list[i], where), where,
                     {"rows", "cols", "preset", "bezel", "bezel_h", "bezel_v"});
    Favourite& out = favourites[i];
    fav.read("rows", out.rows, 0, 999);
    fav.read("cols", out.cols, 0, 999);
    fav.read("preset", out.preset, 0, 999);
    fav.read("bezel", out.bezel, 0, 1);
    fav.read("bezel_h", out.bezelH, 0, 999);
    fav.read("bezel_v", out.bezelV, 0, 999);
  }
}

void ReadState(const QJsonValue& v, const std::string& where, WallState& s) {
  const Fields f(
      Object(v, where), where,
      {"power", "id",       "fw",         "bezel",      "bezel_h",     "bezel_v",     "rows",
       "cols",  "preset",   "favourites", "resolution", "osd_display", "osd_timeout", "osd_h",
       "osd_v", "osd_gain", "mute",       "brightness", "contrast",    "saturation",  "hue"});
  f.read("power", s.power, 0, 1);
  f.read("id", s.id, 0, 999);
  f.read("fw", s.fw);
  f.read("bezel", s.bezel, 0, 1);
  f.read("bezel_h", s.bezelH, 0, 999);
  f.read("bezel_v", s.bezelV, 0, 999);
  f.read("rows", s.rows, 0, 999);
  f.read("cols", s.cols, 0, 999);
  f.read("preset", s.preset, 0, 999);
  ReadFavourites(f, s.favourites);
  f.read("resolution", s.resolution, 0, 999);
  f.read("osd_display", s.osdDisplay, 0, 999);
  f.read("osd_timeout", s.osdTimeout, 0, 999);
  f.read("osd_h", s.osdH, 0, 999);
  f.read("osd_v", s.osdV, 0, 999);
  f.read("osd_gain", s.osdGain, 0, 999);
  f.read("mute", s.mute, 0, 1);
  const char* pictureKeys[kPictureParams] = {"brightness", "contrast", "saturation", "hue"};
  for (int p = 0; p < kPictureParams; ++p) ReadPicture(f, pictureKeys[p], s.picture[p]);
}

void ReadFaults(const QJsonValue& v, const std::string& where, UnitSetup& unit) {
  const Fields f(
      Object(v, where), where,
      {"bad_crc", "answer_twice", "reply_delay_ms", "truncated", "udp_silent", "tcp_silent",
       "silent_commands", "reply_delay_ms_tcp", "close_after", "refuse_tcp", "garbage_lines",
       "telnet_greeting", "split_replies", "coalesce_replies", "out_of_range", "flood_bytes"});
  DiscoveryFaults& udp = unit.udpFaults;
  f.read("bad_crc", udp.badCrc);
  f.read("answer_twice", udp.answerTwice);
  f.read("reply_delay_ms", udp.replyDelayMs, 0, kMaxDelayMs);
  f.read("truncated", udp.truncated);
  f.read("udp_silent", udp.silent);
  CommandFaults& tcp = unit.tcpFaults;
  f.read("tcp_silent", tcp.silent);
  if (f.has("silent_commands")) {
    const QJsonValue list = f.value("silent_commands");
    if (!list.isArray()) f.fail("silent_commands", "must be an array of command keywords");
    for (const QJsonValue& keyword : list.toArray()) {
      if (!keyword.isString()) f.fail("silent_commands", "must be an array of command keywords");
      tcp.silentCommands.insert(keyword.toString().toStdString());
    }
  }
  f.read("reply_delay_ms_tcp", tcp.replyDelayMs, 0, kMaxDelayMs);
  f.read("close_after", tcp.closeAfter, 0, 1e9);
  f.read("refuse_tcp", tcp.refuse);
  f.read("garbage_lines", tcp.garbageLines);
  f.read("telnet_greeting", tcp.telnetGreeting);
  f.read("split_replies", tcp.splitReplies);
  f.read("coalesce_replies", tcp.coalesceReplies);
  f.read("out_of_range", tcp.outOfRange);
  f.read("flood_bytes", tcp.floodBytes, 0, kMaxFloodBytes);
}

UnitSetup ReadUnit(const QJsonValue& v, int index) {
  const std::string where = "unit " + std::to_string(index + 1);
  const Fields f(
      Object(v, where), where,
      {"mac", "ip", "mask", "gateway", "dns", "ip_mode", "web_port", "telnet_port", "serial",
       "firmware", "hardware", "product_name", "description", "product_id", "state", "faults"});
  if (!f.has("mac")) f.fail("mac", "is missing");
  if (!f.has("ip")) f.fail("ip", "is missing");
  UnitSetup unit = DefaultUnit(index);
  unit.identity.mac = ReadMac(f);
  f.readAddress("ip", unit.net.ip);
  f.readAddress("mask", unit.net.mask);
  f.readAddress("gateway", unit.net.gateway);
  f.readAddress("dns", unit.net.dns);
  f.read("ip_mode", unit.net.ipMode, 0, 1);
  f.read("web_port", unit.net.webPort, 0, 65535);
  f.read("telnet_port", unit.net.telnetPort, 0, 65535);
  f.read("serial", unit.identity.serial);
  f.read("firmware", unit.identity.firmware);
  f.read("hardware", unit.identity.hardware);
  f.read("product_name", unit.identity.productName);
  f.read("description", unit.identity.description);
  if (f.has("product_id")) unit.identity.productId = ReadProductId(f);
  if (f.has("state")) ReadState(f.value("state"), where + " state", unit.state);
  if (f.has("faults")) ReadFaults(f.value("faults"), where + " faults", unit);
  try {
    BuildUnitReply(unit.identity, unit.net);
  } catch (const std::length_error&) {
    throw ConfigError{where + ": its texts do not fit into one reply (255 payload bytes)"};
  }
  return unit;
}

}  // namespace

bool LoadUnitFile(const std::string& path, std::vector<UnitSetup>& units, std::string& error) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + ": " + file.errorString().toStdString();
    return false;
  }
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
  if (document.isNull()) {
    error = path + ": " + parseError.errorString().toStdString() + " at offset " +
            std::to_string(parseError.offset);
    return false;
  }
  try {
    if (!document.isObject()) throw ConfigError{"the top level must be an object"};
    const Fields top(document.object(), "top level", {"units"});
    const QJsonValue list = top.value("units");
    if (!list.isArray() || list.toArray().isEmpty() || list.toArray().size() > kMaxUnits) {
      top.fail("units", "must be an array of 1 to 255 units");
    }
    const QJsonArray array = list.toArray();
    units.clear();
    for (int i = 0; i < array.size(); ++i) units.push_back(ReadUnit(array[i], i));
  } catch (const ConfigError& e) {
    error = path + ": " + e.text;
    return false;
  }
  return true;
}

}  // namespace wallsim
