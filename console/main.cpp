// MOSAICORE: the wall console.
#include <QApplication>

#include "core/Form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Form1 w;
  w.show();
  return app.exec();
}
