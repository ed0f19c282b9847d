#pragma once
// A label that looks like a web link (blue, underlined, hand cursor) and reports clicks.
#include <QLabel>

namespace halvex {

class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  // A click is a press and a release of the left button inside the label.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace halvex
