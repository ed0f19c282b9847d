#pragma once
// The command side of every unit: one listener per unit on its address, port
// 23, and the unit's open links. Moves a unit's listener when its address changes.
#include <QObject>
#include <QTcpServer>
#include <string>
#include <vector>

#include "CommandLink.h"
#include "EventLog.h"
#include "Unit.h"

namespace wallsim {

class CommandServer : public QObject {
  Q_OBJECT

 public:
  static constexpr quint16 kPort = 23;
  static constexpr std::size_t kMaxLinksPerUnit = 16;

  CommandServer(std::vector<Unit>& units, EventLog& log, QObject* parent = nullptr);

  // A listener for every unit whose address exists here; the others are logged and skipped.
  void start();

  // Closes every link of the unit with `reason` and listens again on its
  // current address.
  void relisten(int unit, const std::string& reason);
  void closeLinks(int unit, const std::string& reason);
  void closeAll(const std::string& reason);

 private:
  struct Listener {
    QTcpServer* server = nullptr;
    std::vector<CommandLink*> links;
  };

  void listen(int unit);
  void accept(int unit);

  std::vector<Unit>& units_;
  EventLog& log_;
  std::vector<Listener> listeners_;
  bool started_ = false;  // without start() (--no-tcp) nothing ever listens
};

}  // namespace wallsim
