// Control builders shared by the layout of every area of the window.
#include "core/layout_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace layout {

namespace {

template <typename Control>
Control* place(Control* control, const QString& name, QRect at) {
  control->setObjectName(name);
  control->setGeometry(at);
  return control;
}

}  // namespace

QString indexed_name(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  return place(new QGroupBox(caption, parent), name, at);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  auto* control = place(new QPushButton(caption, parent), name, at);
  control->setAutoDefault(false);
  return control;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  return place(new QLabel(caption, parent), name, at);
}

QCheckBox* check_box(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  return place(new QCheckBox(caption, parent), name, at);
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  auto* control = place(new QRadioButton(caption, parent), name, at);
  control->setAutoExclusive(false);  // each option array has a QButtonGroup of its own
  return control;
}

QLineEdit* text_box(QWidget* parent, const QString& name, QRect at) {
  return place(new QLineEdit(parent), name, at);
}

QProgressBar* progress_bar(QWidget* parent, const QString& name, QRect at) {
  auto* control = place(new QProgressBar(parent), name, at);
  control->setRange(0, 100);
  control->setValue(0);
  return control;
}

QComboBox* list(QWidget* parent, const QString& name, ListKind kind, QRect at) {
  auto* control = place(new QComboBox(parent), name, at);
  control->setMaxVisibleItems(15);
  // A non-empty placeholder keeps Qt from selecting the first entry added.
  control->setPlaceholderText(QStringLiteral(" "));
  if (kind == ListKind::Editable) {
    control->setEditable(true);
    control->setInsertPolicy(QComboBox::NoInsert);
    control->setCompleter(nullptr);
  }
  return control;
}

}  // namespace layout
