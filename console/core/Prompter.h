#pragma once
// Every message box of the console goes through one prompter. The default one shows a
// modal QMessageBox; tests put a scripted prompter in its place that answers and records.
#include <QString>

class QWidget;

enum class BoxIcon { Critical, Exclamation, Information, Question, None };
enum class BoxAnswer { Ok, Yes, No };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Question boxes have Yes and No buttons and return Yes or No; all others have
  // one OK button and return Ok.
  virtual BoxAnswer show(BoxIcon icon, const QString& text) = 0;
};

class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent) : parent_(parent) {}
  BoxAnswer show(BoxIcon icon, const QString& text) override;

 private:
  QWidget* parent_;
};
