#include "LinkLabel.h"

#include <QMouseEvent>

namespace halvex {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  // Only underline and colour are set here; family and size come from the parent.
  QFont underlined;
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette blue;
  blue.setColor(QPalette::WindowText, Qt::blue);
  setPalette(blue);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace halvex
