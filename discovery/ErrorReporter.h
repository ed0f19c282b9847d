#pragma once
// How HALVEX tells the operator that an action failed.
#include <QString>

namespace halvex {

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void ShowError(const QString& text) = 0;
};

// The program's general error box: modal, critical icon, OK button, over the
// window the operator is working in.
class MessageBoxReporter : public ErrorReporter {
 public:
  void ShowError(const QString& text) override;
};

}  // namespace halvex
