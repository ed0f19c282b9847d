// The console's message boxes: modal, titled "MOSAICORE", one OK button, or Yes and
// No for a question.
#include "core/Prompter.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon message_box_icon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

BoxAnswer MessageBoxPrompter::show(BoxIcon icon, const QString& text) {
  const bool question = icon == BoxIcon::Question;
  QMessageBox box(message_box_icon(icon), QStringLiteral("MOSAICORE"), text,
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
  box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
  const int answer = box.exec();
  if (!question) return BoxAnswer::Ok;
  return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}
