#pragma once
// Saves a window's picture as a PNG file for the demo's screenshot drivers; says on
// stderr, under the driver's name, when the file cannot be written.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdio>

inline bool SaveWindow(QWidget& window, const QString& file, const char* driver) {
  if (window.grab().save(file, "PNG")) return true;
  std::fprintf(stderr, "%s: cannot save %s\n", driver, qPrintable(file));
  return false;
}
