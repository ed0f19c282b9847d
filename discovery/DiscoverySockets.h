#pragma once
// HALVEX's three UDP sockets: the broadcast sender, the multicast sender and the
// listener that takes in the units' replies on port 31002.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QUdpSocket;

namespace halvex {

class DiscoverySockets : public QObject {
  Q_OBJECT
 public:
  // Configures all three sockets and starts listening; a listener that cannot be
  // bound is reported on standard error (the program still runs its hand-off).
  explicit DiscoverySockets(QObject* parent = nullptr);

  // Sends the query to the limited broadcast address and to the broadcast address
  // of every subnet (broadcast permission is on only for these sends), then to the
  // group (see SendToGroup). Returns one text per copy that could not be sent.
  QStringList SendQuery(const QByteArray& query);

  // Sends one copy to the group on every multicast-capable interface, or on the
  // system's default route when none takes it. True when at least one copy went
  // out whole; otherwise `error` says why.
  bool SendToGroup(const QByteArray& datagram, QString& error);

 signals:
  // One received datagram of 1 to 1024 bytes.
  void DatagramReceived(const QByteArray& datagram);

 private:
  void ReadPendingDatagrams();
  // Returns the number of copies sent whole; failures are appended.
  int SendToGroupEverywhere(const QByteArray& datagram, QStringList& failures);

  QUdpSocket* const broadcastSender_;  // IdUDPClient1
  QUdpSocket* const multicastSender_;  // IdIPMCastServer1
  QUdpSocket* const listener_;         // IdIPMCastClient1
};

}  // namespace halvex
