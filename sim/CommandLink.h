#pragma once
// One accepted command connection of a unit: reads command lines, lets the
// unit's state answer them, and writes the answers the way the unit's fault
// modes say (delayed, split, coalesced, mixed with junk, or not at all).
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <deque>
#include <random>
#include <string>

#include "EventLog.h"
#include "LineReader.h"
#include "Unit.h"

namespace wallsim {

class CommandLink : public QObject {
  Q_OBJECT

 public:
  // Takes ownership of the connected socket.
  CommandLink(QTcpSocket* socket, Unit& unit, EventLog& log, QObject* parent = nullptr);

  // Logs `reason`, writes out what is already buffered and closes; the link
  // deletes itself once the socket is down. Does nothing the second time.
  void close(const std::string& reason);

 signals:
  // "SREL" was answered: the unit takes its new settings, which ends its links.
  void relinkRequested();
  void closed(CommandLink* link);

 private:
  struct Chunk {
    qint64 due;  // ms on clock_
    QByteArray bytes;
    const char* channel;  // logged once the chunk is written; nullptr: not logged
    std::string text;
  };

  void readCommands();
  void handleLine(const std::string& line);
  void queueAnswer(const std::string& answer);
  // Queues behind everything already queued; returns when the chunk is due.
  qint64 queueChunk(qint64 due, QByteArray bytes, const char* channel, std::string text);
  void pump();
  void finish();

  QTcpSocket* socket_;
  Unit& unit_;
  EventLog& log_;
  LineReader reader_;
  std::deque<Chunk> queue_;
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 lastDue_ = 0;
  std::mt19937 random_;
  int commands_ = 0;
  bool draining_ = false;  // no more commands; the link ends when the queue is empty
  std::string drainReason_;
  bool relinkAfterDrain_ = false;
  bool closed_ = false;
};

}  // namespace wallsim
