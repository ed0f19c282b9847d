// The window as a whole: size, title, fonts, the areas in order, and the controls that
// are never seen.
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QTimer>

#include "core/Form1.h"
#include "core/layout_controls.h"

namespace {

constexpr int kClientWidth = 865;   // 12975 twips
constexpr int kClientHeight = 519;  // 7785 twips

QFont sized_font(const QFont& base, qreal points) {
  QFont font = base;
  font.setPointSizeF(points);
  return font;
}

}  // namespace

void Form1::build_layout() {
  setObjectName(QStringLiteral("Form1"));
  setFixedSize(kClientWidth, kClientHeight);
  build_top_frames();
  build_page_buttons();
  build_pages();
  build_hidden_controls();
  apply_fonts();
}

void Form1::build_hidden_controls() {
  auto make_timer = [this](const char* name) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
  };
  Timer1 = make_timer("Timer1");
  Timer2 = make_timer("Timer2");
  // Top 7920 twips: below the client area, so never seen.
  TextInfo = layout::text_box(this, QStringLiteral("TextInfo"), {8, 528, 320, 24});
}

// Controls use 9.75 pt, frame captions 12 pt. A frame's font would pass on to its
// children, so they get the control font explicitly.
void Form1::apply_fonts() {
  const QFont control_font = sized_font(font(), 9.75);
  const QFont caption_font = sized_font(font(), 12.0);
  setFont(control_font);
  for (QGroupBox* frame : findChildren<QGroupBox*>()) {
    frame->setFont(caption_font);
    for (QWidget* child : frame->findChildren<QWidget*>()) child->setFont(control_font);
  }
}
