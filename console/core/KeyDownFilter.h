#pragma once
// Hands every key that goes down in a list box to a KeyDown handler, with the key as a
// Windows virtual-key code (Enter 13, Escape 27, "A" 65, "7" 55, ...) and the shift
// state as a bit set (1 Shift, 2 Ctrl, 4 Alt). The key still reaches the box, except
// Enter in an editable box: Enter belongs to the handler alone, so the box does not
// pick the entry that matches the typed text.
#include <QObject>

#include <functional>

class QComboBox;
class QKeyEvent;

class KeyDownFilter : public QObject {
 public:
  using Handler = std::function<void(int KeyCode, int Shift)>;

  // Installs itself on box and lives as long as the box.
  KeyDownFilter(QComboBox* box, Handler handler);

  // 0 for a key without a Windows code.
  static int windows_key_code(const QKeyEvent& event);
  static int shift_state(const QKeyEvent& event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* box_;
  Handler handler_;
};
