#include "ErrorReporter.h"

#include <QApplication>
#include <QMessageBox>

namespace halvex {

void MessageBoxReporter::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace halvex
