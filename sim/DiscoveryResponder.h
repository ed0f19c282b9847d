#pragma once
// The discovery side of every unit: one shared UDP socket on the unit port,
// member of the discovery group on every multicast interface.
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <deque>
#include <string>
#include <vector>

#include "DiscoveryFrames.h"
#include "EventLog.h"
#include "Unit.h"

namespace wallsim {

class DiscoveryResponder : public QObject {
  Q_OBJECT

 public:
  DiscoveryResponder(std::vector<Unit>& units, EventLog& log, QObject* parent = nullptr);

  // Binds and joins the group; false with `error` when the socket cannot be bound.
  bool start(std::string& error);

 signals:
  // A settings write changed the unit's settings; `addressChanged` when its IP moved.
  void settingsApplied(int unit, bool addressChanged);
  void rebootRequested(int unit);

 private:
  struct Outgoing {
    int unit;
    QByteArray bytes;
    QHostAddress to;
    int attempts = 0;
  };

  void readPending();
  void answerQuery(const QHostAddress& sender);
  void applyAddressed(const ReceivedFrame& frame, const std::string& hex);
  void queue(int unit, const Bytes& frame, const QHostAddress& to);
  void flush();

  std::vector<Unit>& units_;
  EventLog& log_;
  QUdpSocket socket_;
  std::deque<Outgoing> outgoing_;
  QTimer retry_;
};

}  // namespace wallsim
