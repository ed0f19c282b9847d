#pragma once
// Ends the event loop cleanly on SIGTERM or SIGINT: the handler only writes a
// byte to a pipe, and the event loop reads it and quits.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace wallsim {

class SignalQuit : public QObject {
  Q_OBJECT

 public:
  explicit SignalQuit(QObject* parent = nullptr);
  ~SignalQuit() override;

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace wallsim
