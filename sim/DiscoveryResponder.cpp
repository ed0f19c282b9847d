#include "DiscoveryResponder.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QVariant>
#include <cstdio>

#include "FaultModes.h"

namespace wallsim {

namespace {

// Room for the replies of every unit to several queries at once.
constexpr int kSendBufferBytes = 4 * 1024 * 1024;
constexpr int kReceiveBufferBytes = 1024 * 1024;
constexpr std::size_t kMaxOutgoing = 16 * kMaxUnits;
constexpr int kRetryMs = 2;
constexpr int kMaxAttempts = 500;  // about a second of a full send buffer

bool JoinableInterface(const QNetworkInterface& iface) {
  const auto flags = iface.flags();
  if (!(flags & QNetworkInterface::CanMulticast) || !(flags & QNetworkInterface::IsUp) ||
      !(flags & QNetworkInterface::IsRunning) || (flags & QNetworkInterface::IsLoopBack)) {
    return false;
  }
  // An interface without an IPv4 address (the far end of the test link) would
  // hand in every group datagram a second time.
  for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
    if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) return true;
  }
  return false;
}

}  // namespace

DiscoveryResponder::DiscoveryResponder(std::vector<Unit>& units, EventLog& log, QObject* parent)
    : QObject(parent), units_(units), log_(log) {
  retry_.setSingleShot(true);
  retry_.setTimerType(Qt::PreciseTimer);
  connect(&retry_, &QTimer::timeout, this, &DiscoveryResponder::flush);
  connect(&socket_, &QUdpSocket::readyRead, this, &DiscoveryResponder::readPending);
}

bool DiscoveryResponder::start(std::string& error) {
  if (!socket_.bind(QHostAddress::AnyIPv4, halvex::kUnitPort,
                    QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
    error = "cannot bind UDP port " + std::to_string(halvex::kUnitPort) + ": " +
            socket_.errorString().toStdString();
    return false;
  }
  socket_.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, QVariant(kSendBufferBytes));
  socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                          QVariant(kReceiveBufferBytes));
  const QHostAddress group(QString::fromLatin1(halvex::kGroupAddress));
  bool joined = false;
  for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
    if (JoinableInterface(iface) && socket_.joinMulticastGroup(group, iface)) joined = true;
  }
  if (!joined && !socket_.joinMulticastGroup(group)) {
    std::fprintf(stderr, "wallsim: cannot join %s: %s\n", halvex::kGroupAddress,
                 socket_.errorString().toLocal8Bit().constData());
  }
  return true;
}

void DiscoveryResponder::readPending() {
  while (socket_.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = socket_.receiveDatagram();
    const QByteArray data = datagram.data();
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    const auto size = static_cast<std::size_t>(data.size());
    const std::string hex = EventLog::Hex(bytes, size);
    log_.write(-1, "udp-rx", hex);
    const auto frame = ReadFrame(bytes, size);
    if (!frame) continue;
    if (frame->op == halvex::OP_QUERY) {
      answerQuery(datagram.senderAddress());
    } else if (frame->op == halvex::OP_SET || frame->op == halvex::OP_REBOOT) {
      applyAddressed(*frame, hex);
    }
  }
}

void DiscoveryResponder::answerQuery(const QHostAddress& sender) {
  for (Unit& unit : units_) {
    const DiscoveryFaults& faults = unit.udpFaults;
    if (faults.silent) continue;
    Bytes reply = BuildUnitReply(unit.identity, unit.state.net());
    if (faults.badCrc) reply = WithBadCrc(reply);
    if (faults.truncated) reply = Truncated(reply);
    const int copies = faults.answerTwice ? 2 : 1;
    for (int copy = 0; copy < copies; ++copy) {
      if (faults.replyDelayMs > 0) {
        const int index = unit.index;
        QTimer::singleShot(faults.replyDelayMs, Qt::PreciseTimer, this,
                           [this, index, reply, sender] {
                             queue(index, reply, sender);
                             flush();
                           });
      } else {
        queue(unit.index, reply, sender);
      }
    }
  }
  flush();  // every prompt reply goes out in this one pass
}

void DiscoveryResponder::applyAddressed(const ReceivedFrame& frame, const std::string& hex) {
  const auto target = TargetMac(frame);
  if (!target) return;
  for (Unit& unit : units_) {
    if (unit.identity.mac != *target) continue;
    if (frame.op == halvex::OP_SET) {
      log_.write(unit.index, "udp-set", hex);
      const NetSettings before = unit.state.net();
      unit.state.setNet(ApplySettings(before, frame));
      emit settingsApplied(unit.index, unit.state.net().ip != before.ip);
    } else {
      log_.write(unit.index, "udp-reboot", hex);
      emit rebootRequested(unit.index);
    }
  }
}

void DiscoveryResponder::queue(int unit, const Bytes& frame, const QHostAddress& to) {
  if (outgoing_.size() >= kMaxOutgoing) {
    std::fprintf(stderr, "wallsim: unit %d: reply dropped, send queue full\n", unit);
    return;
  }
  outgoing_.push_back(Outgoing{
      unit,
      QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size())),
      to});
}

void DiscoveryResponder::flush() {
  while (!outgoing_.empty()) {
    Outgoing& next = outgoing_.front();
    if (socket_.writeDatagram(next.bytes, next.to, halvex::kHalvexPort) < 0) {
      // A full send buffer empties by itself; anything else will not.
      if (++next.attempts < kMaxAttempts) {
        retry_.start(kRetryMs);
        return;
      }
      std::fprintf(stderr, "wallsim: unit %d: reply not sent: %s\n", next.unit,
                   socket_.errorString().toLocal8Bit().constData());
    } else {
      log_.write(next.unit, "udp-tx",
                 EventLog::Hex(reinterpret_cast<const uint8_t*>(next.bytes.constData()),
                               static_cast<std::size_t>(next.bytes.size())));
    }
    outgoing_.pop_front();
  }
}

}  // namespace wallsim
