#pragma once
// One TCP control link from the console to one wall processor (port 23).
// TCP_NODELAY is on, so a command leaves in one segment at once, and the socket's
// read buffer is bounded, so a flooding unit cannot make the console grow.
#include <QByteArray>
#include <QString>
#include <QTcpSocket>

class ControlLink : public QTcpSocket {
  Q_OBJECT
 public:
  static constexpr int kConnectedState = 7;  // the only state that counts as open
  static constexpr quint16 kPort = 23;

  explicit ControlLink(QObject* parent = nullptr);

  // 7 when connected, other codes for every other state.
  int link_state() const;
  // Closes any earlier connection and starts connecting to host:23.
  void open_to(const QString& host);
  // Text plus CR LF as one write; nothing at all when the link is not connected.
  void send_text(const QString& text);
  // Everything pending, as bytes.
  QByteArray take_pending();
};
