// The window's construction, its prompter and the button colours.
#include "core/Form1.h"

#include <QPushButton>
#include <QVariant>

namespace {

// Stands in for every message box once the window is closing: shows nothing and
// takes the answer that starts nothing further.
class SilentPrompter : public Prompter {
 public:
  BoxAnswer show(BoxIcon icon, const QString&) override {
    return icon == BoxIcon::Question ? BoxAnswer::No : BoxAnswer::Ok;
  }
};

constexpr const char* kBackgroundProperty = "mosaic_background";

}  // namespace

Form1::Form1(Prompter* prompter, QWidget* parent)
    : QWidget(parent),
      default_prompter_(std::make_unique<MessageBoxPrompter>(this)),
      silent_prompter_(std::make_unique<SilentPrompter>()),
      prompter_(prompter) {
  build_layout();
  wire_window_events();
  init_links();
  Form_Load();
}

// The children outlive this destructor's body (QWidget deletes them later); a socket
// that signals while it is torn down must not reach handlers of a window half gone.
Form1::~Form1() {
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

Prompter& Form1::prompter() {
  if (window_closing) return *silent_prompter_;
  return prompter_ != nullptr ? *prompter_ : *default_prompter_;
}

void Form1::set_prompter(Prompter* prompter) { prompter_ = prompter; }

void Form1::set_button_colour(QPushButton* button, std::optional<QColor> colour) {
  if (button == nullptr) return;
  if (colour) {
    button->setProperty(kBackgroundProperty, *colour);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }")
                              .arg(colour->name(QColor::HexRgb)));
  } else {
    button->setProperty(kBackgroundProperty, QVariant());
    button->setStyleSheet(QString());
  }
}

std::optional<QColor> Form1::button_colour(QPushButton* button) const {
  if (button == nullptr) return std::nullopt;
  const QVariant value = button->property(kBackgroundProperty);
  if (!value.isValid()) return std::nullopt;
  return value.value<QColor>();
}
