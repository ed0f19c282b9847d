// Screenshot driver for scripts/demo: builds HALVEX's two windows, lets the
// units' replies come in, selects grid row 1 as the operator would, and saves
// both windows as PNG files. HALVEX itself closes after one second, too soon
// to be photographed, so this driver keeps the windows open instead.
//   halvex_demo_shots MAIN.png INFO.png
#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "Info.h"
#include "SaveWindow.h"
#include "Main.h"

namespace {

constexpr int kReplyWaitMs = 800;  // replies on the private LAN come in within milliseconds
constexpr int kPaintWaitMs = 300;  // lets the tool window lay itself out before the grab

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: halvex_demo_shots MAIN.png INFO.png\n");
    return 2;
  }
  const QString mainFile = QString::fromLocal8Bit(argv[1]);
  const QString infoFile = QString::fromLocal8Bit(argv[2]);

  // The search's hand-off files are not wanted here; they go to a throw-away folder.
  const QTemporaryDir handOff;
  halvex::TMainForm mainForm(handOff.path());
  mainForm.FormCreate();
  mainForm.Timer1->stop();  // keep the window instead of handing off after a second
  halvex::TInfoFrom infoForm;
  mainForm.SetInfoForm(&infoForm);
  mainForm.show();

  QTimer::singleShot(kReplyWaitMs, Qt::PreciseTimer, &mainForm, [&] {
    if (halvex::DeviceCount == 0) {
      std::fprintf(stderr, "halvex_demo_shots: no unit answered\n");
      app.exit(1);
      return;
    }
    // Row 1 as a click selects it: the cell becomes current and the handler runs
    // (it would not if the cell already was current).
    mainForm.StringGrid1->setCurrentCell(1, 1);
    mainForm.StringGrid1SelectCell(1, 1);
    QTimer::singleShot(kPaintWaitMs, Qt::PreciseTimer, &mainForm, [&] {
      const bool saved = SaveWindow(mainForm, mainFile, "halvex_demo_shots") &&
                         SaveWindow(infoForm, infoFile, "halvex_demo_shots");
      app.exit(saved ? 0 : 1);
    });
  });
  return app.exec();
}
