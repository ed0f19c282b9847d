// The window's own event wiring (page buttons, "ID No.") and its closing.
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>

#include "core/Form1.h"

void Form1::wire_window_events() {
  // A page button runs its handler when it becomes the checked one.
  auto on_checked = [this](QPushButton* button, void (Form1::*handler)()) {
    connect(button, &QPushButton::toggled, this, [this, handler](bool checked) {
      if (checked) (this->*handler)();
    });
  };
  on_checked(opt_tv1, &Form1::opt_tv1_Click);
  on_checked(opt_tv2, &Form1::opt_tv2_Click);
  on_checked(opt_tv3, &Form1::opt_tv3_Click);
  on_checked(opt_io, &Form1::opt_io_Click);
  on_checked(opt_image, &Form1::opt_image_Click);

  connect(cbo_model, &QComboBox::currentIndexChanged, this, [this] { cbo_model_Click(); });
}

// A handler may be waiting inside a nested event loop; the flag ends its wait at the
// next pass and keeps further message boxes away, and the program ends once the
// handler has returned.
void Form1::closeEvent(QCloseEvent* event) {
  window_closing = true;
  event->accept();
}
