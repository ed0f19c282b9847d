#pragma once
// Small builders for the window's controls: each one creates the control on its
// parent, names it, captions it and places it (pixels on the 865 x 519 client area).
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace layout {

// "power_ctl" and 0 give "power_ctl(0)".
QString indexed_name(const char* name, int index);

enum class ListKind { DropDown, Editable };

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, QRect at);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect at);
QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect at);
QCheckBox* check_box(QWidget* parent, const QString& name, const QString& caption, QRect at);
QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, QRect at);
QLineEdit* text_box(QWidget* parent, const QString& name, QRect at);
QProgressBar* progress_bar(QWidget* parent, const QString& name, QRect at);
// An empty list that selects nothing when entries are added. An editable one keeps
// typed text out of its entries and offers no completion.
QComboBox* list(QWidget* parent, const QString& name, ListKind kind, QRect at);

}  // namespace layout
