#include "CommandServer.h"

#include <QNetworkInterface>
#include <algorithm>

namespace wallsim {

CommandServer::CommandServer(std::vector<Unit>& units, EventLog& log, QObject* parent)
    : QObject(parent), units_(units), log_(log), listeners_(units.size()) {}

void CommandServer::start() {
  started_ = true;
  for (const Unit& unit : units_) listen(unit.index);
}

void CommandServer::listen(int unit) {
  Listener& listener = listeners_[unit];
  delete listener.server;
  listener.server = nullptr;
  if (units_[unit].tcpFaults.refuse) return;

  const std::string address = DottedText(units_[unit].state.net().ip);
  const QHostAddress host(QString::fromStdString(address));
  if (!QNetworkInterface::allAddresses().contains(host)) {
    log_.write(unit, "tcp-skip", "no local address " + address);
    return;
  }
  auto* server = new QTcpServer(this);
  if (!server->listen(host, kPort)) {
    log_.write(unit, "tcp-skip",
               address + ":" + std::to_string(kPort) + " " + server->errorString().toStdString());
    delete server;
    return;
  }
  connect(server, &QTcpServer::newConnection, this, [this, unit] { accept(unit); });
  listener.server = server;
  log_.write(unit, "tcp-listen", address + ":" + std::to_string(kPort));
}

void CommandServer::accept(int unit) {
  Listener& listener = listeners_[unit];
  while (QTcpSocket* socket = listener.server->nextPendingConnection()) {
    auto* link = new CommandLink(socket, units_[unit], log_, this);
    if (listener.links.size() >= kMaxLinksPerUnit) {
      link->close("too many links");
      continue;
    }
    listener.links.push_back(link);
    connect(link, &CommandLink::closed, this, [this, unit](CommandLink* gone) {
      auto& links = listeners_[unit].links;
      links.erase(std::remove(links.begin(), links.end(), gone), links.end());
    });
    connect(link, &CommandLink::relinkRequested, this, [this, unit] { relisten(unit, "relink"); });
  }
}

void CommandServer::closeLinks(int unit, const std::string& reason) {
  // Closing a link removes it from the list, so walk a copy.
  const std::vector<CommandLink*> links = listeners_[unit].links;
  for (CommandLink* link : links) link->close(reason);
}

void CommandServer::relisten(int unit, const std::string& reason) {
  closeLinks(unit, reason);
  if (started_) listen(unit);
}

void CommandServer::closeAll(const std::string& reason) {
  for (const Unit& unit : units_) closeLinks(unit.index, reason);
}

}  // namespace wallsim
