// Key codes as the console's KeyDown handlers expect them.
#include "core/KeyDownFilter.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

struct KeyPair {
  int qt;
  int windows;
};

// Keys outside letters, digits and function keys.
constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},       {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},
    {Qt::Key_Home, 36},       {Qt::Key_Left, 37},      {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},      {Qt::Key_Down, 40},      {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},     {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

// The number pad has codes of its own for its digits and operators.
int keypad_code(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return -1;
  }
}

}  // namespace

KeyDownFilter::KeyDownFilter(QComboBox* box, Handler handler)
    : QObject(box), box_(box), handler_(std::move(handler)) {
  box_->installEventFilter(this);
}

int KeyDownFilter::windows_key_code(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) {
    const int code = keypad_code(key);
    if (code >= 0) return code;
  }
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return key;  // Qt uses the upper-case ASCII codes, as Windows does
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  // Shifted digits arrive as their symbols on a US keyboard; map them back.
  static constexpr char kShiftedDigits[] = ")!@#$%^&*(";
  for (int d = 0; d < 10; ++d)
    if (key == kShiftedDigits[d]) return Qt::Key_0 + d;
  for (const KeyPair& pair : kNamedKeys)
    if (pair.qt == key) return pair.windows;
  return 0;
}

int KeyDownFilter::shift_state(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  return ((mods & Qt::ShiftModifier) ? 1 : 0) | ((mods & Qt::ControlModifier) ? 2 : 0) |
         ((mods & Qt::AltModifier) ? 4 : 0);
}

bool KeyDownFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::KeyPress) return false;
  const auto& key_event = static_cast<const QKeyEvent&>(*event);
  const int code = windows_key_code(key_event);
  if (handler_) handler_(code, shift_state(key_event));
  return code == 13 && box_->isEditable();
}
