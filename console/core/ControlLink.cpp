#include "core/ControlLink.h"

#include <QHostAddress>

namespace {

// Enough for many replies; a flooding unit fills it and is then held back by TCP.
constexpr qint64 kReadBufferBytes = 64 * 1024;

}  // namespace

ControlLink::ControlLink(QObject* parent) : QTcpSocket(parent) {
  setReadBufferSize(kReadBufferBytes);
  // The option can only be set on a socket that exists, that is once connected.
  connect(this, &QTcpSocket::connected, this, [this] { setSocketOption(LowDelayOption, 1); });
}

int ControlLink::link_state() const {
  // The console's socket state codes: 0 closed, 1 open, 2 listening, 4 resolving,
  // 6 connecting, 7 connected, 8 closing.
  switch (state()) {
    case UnconnectedState: return 0;
    case HostLookupState: return 4;
    case ConnectingState: return 6;
    case ConnectedState: return kConnectedState;
    case BoundState: return 1;
    case ListeningState: return 2;
    case ClosingState: return 8;
  }
  return 0;
}

void ControlLink::open_to(const QString& host) {
  abort();
  // A dotted address only: a text that is not one fails at once instead of starting a
  // name lookup.
  connectToHost(QHostAddress(host), kPort);
}

void ControlLink::send_text(const QString& text) {
  if (state() != ConnectedState) return;
  write(text.toLatin1() + "\r\n");
}

QByteArray ControlLink::take_pending() { return readAll(); }
