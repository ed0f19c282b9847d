#include "DiscoverySockets.h"

#include <sys/socket.h>

#include <QHostAddress>
#include <QNetworkInterface>
#include <QUdpSocket>
#include <QVariant>
#include <iostream>

#include "protocol/Frame.h"

namespace halvex {

namespace {

// A burst of replies from a full wall, several copies each, must fit while the
// window is busy; the system default buffer loses most of such a burst.
constexpr int kListenerBufferBytes = 4 * 1024 * 1024;

// Qt switches broadcast on for every UDP socket; HALVEX allows it only for the query.
void SetBroadcastPermission(QUdpSocket& socket, bool allowed) {
  const int fd = static_cast<int>(socket.socketDescriptor());
  if (fd < 0) return;
  const int value = allowed ? 1 : 0;
  ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &value, sizeof value);
}

// SO_RCVBUFFORCE passes the system's cap where the process may do so; otherwise
// the plain request, which the system may cap.
void EnlargeReceiveBuffer(QUdpSocket& socket) {
  const int fd = static_cast<int>(socket.socketDescriptor());
  const int bytes = kListenerBufferBytes;
  if (fd >= 0 && ::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) == 0) return;
  socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, bytes);
}

bool HasIpv4Address(const QNetworkInterface& iface) {
  for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
    if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) return true;
  }
  return false;
}

// Up, running interfaces other than loopback that carry an IPv4 address.
QList<QNetworkInterface> Ipv4Interfaces() {
  QList<QNetworkInterface> usable;
  for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
    const auto flags = iface.flags();
    if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
        !flags.testFlag(QNetworkInterface::IsLoopBack) && HasIpv4Address(iface)) {
      usable.append(iface);
    }
  }
  return usable;
}

QList<QNetworkInterface> MulticastInterfaces() {
  QList<QNetworkInterface> multicast;
  for (const QNetworkInterface& iface : Ipv4Interfaces()) {
    if (iface.flags().testFlag(QNetworkInterface::CanMulticast)) multicast.append(iface);
  }
  return multicast;
}

// Each subnet's broadcast address once (an interface with several addresses in
// one subnet lists it several times), without the limited broadcast address.
QList<QHostAddress> SubnetBroadcasts() {
  const QHostAddress limited(QString::fromLatin1(kBroadcastAddress));
  QList<QHostAddress> addresses;
  for (const QNetworkInterface& iface : Ipv4Interfaces()) {
    for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
      const QHostAddress broadcast = entry.broadcast();
      if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || broadcast.isNull() ||
          broadcast == limited || addresses.contains(broadcast)) {
        continue;
      }
      addresses.append(broadcast);
    }
  }
  return addresses;
}

// Sends one copy to port 31001; a copy that does not go out whole is described in `failures`.
bool SendCopy(QUdpSocket& socket, const QByteArray& datagram, const QHostAddress& to,
              const QString& via, QStringList& failures) {
  if (socket.writeDatagram(datagram, to, kUnitPort) == datagram.size()) return true;
  QString text = QStringLiteral("Cannot send to %1 port %2").arg(to.toString()).arg(kUnitPort);
  if (!via.isEmpty()) text += QStringLiteral(" via ") + via;
  failures.append(text + QStringLiteral(": ") + socket.errorString());
  return false;
}

}  // namespace

DiscoverySockets::DiscoverySockets(QObject* parent)
    : QObject(parent),
      broadcastSender_(new QUdpSocket(this)),
      multicastSender_(new QUdpSocket(this)),
      listener_(new QUdpSocket(this)) {
  broadcastSender_->setObjectName(QStringLiteral("IdUDPClient1"));
  multicastSender_->setObjectName(QStringLiteral("IdIPMCastServer1"));
  listener_->setObjectName(QStringLiteral("IdIPMCastClient1"));

  broadcastSender_->bind(QHostAddress::AnyIPv4, 0);
  SetBroadcastPermission(*broadcastSender_, false);

  multicastSender_->bind(QHostAddress::AnyIPv4, 0);
  SetBroadcastPermission(*multicastSender_, false);  // settings writes and reboots go to the group only
  multicastSender_->setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
  multicastSender_->setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);

  connect(listener_, &QUdpSocket::readyRead, this, &DiscoverySockets::ReadPendingDatagrams);
  if (!listener_->bind(QHostAddress::AnyIPv4, kHalvexPort,
                       QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
    std::cerr << "HALVEX: cannot listen on UDP port " << kHalvexPort << ": "
              << listener_->errorString().toLocal8Bit().constData() << '\n';
    return;
  }
  EnlargeReceiveBuffer(*listener_);
  // Joining on the default interface and then on each interface by name: the
  // second join of the same interface fails harmlessly.
  const QHostAddress group(QString::fromLatin1(kGroupAddress));
  listener_->joinMulticastGroup(group);
  for (const QNetworkInterface& iface : MulticastInterfaces()) {
    listener_->joinMulticastGroup(group, iface);
  }
}

QStringList DiscoverySockets::SendQuery(const QByteArray& query) {
  QStringList failures;
  SetBroadcastPermission(*broadcastSender_, true);
  SendCopy(*broadcastSender_, query, QHostAddress(QString::fromLatin1(kBroadcastAddress)), {},
           failures);
  for (const QHostAddress& broadcast : SubnetBroadcasts()) {
    SendCopy(*broadcastSender_, query, broadcast, {}, failures);
  }
  SetBroadcastPermission(*broadcastSender_, false);
  SendToGroupEverywhere(query, failures);
  return failures;
}

bool DiscoverySockets::SendToGroup(const QByteArray& datagram, QString& error) {
  QStringList failures;
  if (SendToGroupEverywhere(datagram, failures) > 0) return true;
  error = failures.join(QLatin1Char('\n'));
  return false;
}

int DiscoverySockets::SendToGroupEverywhere(const QByteArray& datagram, QStringList& failures) {
  // One copy per interface: the default route would repeat the copy of its own
  // interface, and a unit must not be rebooted twice by one click.
  const QHostAddress group(QString::fromLatin1(kGroupAddress));
  int sent = 0;
  for (const QNetworkInterface& iface : MulticastInterfaces()) {
    multicastSender_->setMulticastInterface(iface);
    if (SendCopy(*multicastSender_, datagram, group, iface.name(), failures)) ++sent;
  }
  if (sent > 0) return sent;
  // No interface of ours took it (none found, or every copy failed): an invalid
  // interface selects the system's default route for the group.
  multicastSender_->setMulticastInterface(QNetworkInterface());
  return SendCopy(*multicastSender_, datagram, group, {}, failures) ? 1 : 0;
}

void DiscoverySockets::ReadPendingDatagrams() {
  while (listener_->hasPendingDatagrams()) {
    const qint64 size = listener_->pendingDatagramSize();
    if (size < 0) break;
    if (size == 0 || size > qint64(kReceiveBufferSize)) {
      char discard;
      listener_->readDatagram(&discard, 1);  // drops the datagram, whatever its size
      continue;
    }
    QByteArray datagram(size, Qt::Uninitialized);
    const qint64 got = listener_->readDatagram(datagram.data(), size);
    if (got < 0) break;
    if (got == size) emit DatagramReceived(datagram);
  }
}

}  // namespace halvex
