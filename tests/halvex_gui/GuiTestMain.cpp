// The window tests need a QApplication and the private network namespace.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <iostream>

namespace {

// The namespace made by tests/netns-run is recognised by v0 carrying 10.77.0.1.
bool InsidePrivateNamespace() {
  const QNetworkInterface v0 = QNetworkInterface::interfaceFromName(QStringLiteral("v0"));
  for (const QNetworkAddressEntry& entry : v0.addressEntries()) {
    if (entry.ip() == QHostAddress(QStringLiteral("10.77.0.1"))) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Tests close windows; that must not end anything.
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  if (!InsidePrivateNamespace()) {
    std::cerr << "These tests bind HALVEX's sockets and send discovery datagrams:"
                 " run them through tests/netns-run.\n";
    return 1;
  }
  return RUN_ALL_TESTS();
}
