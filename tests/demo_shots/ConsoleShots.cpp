// Screenshot driver for scripts/demo when there is no display to work on: opens the
// console, presses "Search MAC" (which runs HALVEX from the console's folder), saves
// the window with the device list filled, picks the first unit, presses "Connect"
// and saves the connected window. Message boxes are printed, not shown; a question
// is answered Yes.
//   console_demo_shots SEARCHED.png CONNECTED.png
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "core/Form1.h"
#include "core/Prompter.h"
#include "SaveWindow.h"

namespace {

constexpr int kPaintWaitMs = 300;  // lets the window repaint before the grab

class PrintingPrompter : public Prompter {
 public:
  BoxAnswer show(BoxIcon icon, const QString& text) override {
    std::printf("console_demo_shots: message box: %s\n", qPrintable(text));
    return icon == BoxIcon::Question ? BoxAnswer::Yes : BoxAnswer::Ok;
  }
};

// Runs `step` once the window had time to repaint.
void after_paint(QWidget& window, const std::function<void()>& step) {
  QTimer::singleShot(kPaintWaitMs, Qt::PreciseTimer, &window, step);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: console_demo_shots SEARCHED.png CONNECTED.png\n");
    return 2;
  }
  const QString searchedFile = QString::fromLocal8Bit(argv[1]);
  const QString connectedFile = QString::fromLocal8Bit(argv[2]);

  PrintingPrompter prompter;
  Form1 window(&prompter);
  window.show();

  after_paint(window, [&] {
    // The click returns once HALVEX has ended and the device list is filled.
    window.btn_sys_search->click();
    std::printf("console_demo_shots: the search found %d units\n", window.cbo_ipaddr->count());
    if (window.cbo_ipaddr->count() == 0) {
      app.exit(1);
      return;
    }
    window.cbo_ipaddr->setCurrentIndex(0);
    after_paint(window, [&] {
      if (!SaveWindow(window, searchedFile, "console_demo_shots")) {
        app.exit(1);
        return;
      }
      // The click returns once the connect and the OSD exchange have ended.
      window.btn_con->click();
      std::printf("console_demo_shots: connected: %s\n", window.is_connected ? "yes" : "no");
      after_paint(window, [&] {
        const bool saved = SaveWindow(window, connectedFile, "console_demo_shots");
        app.exit(saved && window.is_connected ? 0 : 1);
      });
    });
  });
  return app.exec();
}
