#include "SignalQuit.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>

namespace wallsim {

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

SignalQuit::SignalQuit(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [] {
    char byte;
    [[maybe_unused]] const auto got = ::read(g_pipe[0], &byte, 1);
    QCoreApplication::quit();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

SignalQuit::~SignalQuit() {
  std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGINT, SIG_DFL);
  notifier_.reset();
  ::close(g_pipe[0]);
  ::close(g_pipe[1]);
}

}  // namespace wallsim
