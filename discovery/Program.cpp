// HALVEX_MOSAICORE: searches the wall processors for one second, leaves MAC.txt and
// IP.txt beside the executable and ends. It takes no arguments.
#include <QApplication>

#include "Info.h"
#include "Main.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  halvex::TMainForm mainForm;  // sockets configured, listener active
  mainForm.FormCreate();       // the search, then Timer1
  halvex::TInfoFrom infoForm;  // hidden until a unit is selected
  mainForm.SetInfoForm(&infoForm);
  mainForm.showMinimized();
  return app.exec();  // ends when Timer1 closes the main window
}
