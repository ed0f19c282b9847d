// Key codes handed to KeyDown handlers, and what the box still sees of the key.
#include <QComboBox>
#include <QKeyEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/KeyDownFilter.h"
#include "core/layout_controls.h"

TEST(KeyDownFilter, WindowsKeyCodes) {
  struct Row {
    int key;
    Qt::KeyboardModifiers mods;
    int code;
    int shift;
  };
  const Row rows[] = {
      {Qt::Key_Return, Qt::NoModifier, 13, 0},      {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},
      {Qt::Key_Escape, Qt::NoModifier, 27, 0},      {Qt::Key_Backspace, Qt::NoModifier, 8, 0},
      {Qt::Key_Delete, Qt::NoModifier, 46, 0},      {Qt::Key_A, Qt::NoModifier, 65, 0},
      {Qt::Key_Z, Qt::ShiftModifier, 90, 1},        {Qt::Key_0, Qt::NoModifier, 48, 0},
      {Qt::Key_7, Qt::NoModifier, 55, 0},           {Qt::Key_7, Qt::KeypadModifier, 103, 0},
      {Qt::Key_Exclam, Qt::ShiftModifier, 49, 1},   {Qt::Key_Period, Qt::NoModifier, 190, 0},
      {Qt::Key_Period, Qt::KeypadModifier, 110, 0}, {Qt::Key_Minus, Qt::NoModifier, 189, 0},
      {Qt::Key_Left, Qt::NoModifier, 37, 0},        {Qt::Key_Down, Qt::NoModifier, 40, 0},
      {Qt::Key_F1, Qt::NoModifier, 112, 0},         {Qt::Key_Space, Qt::NoModifier, 32, 0},
      {Qt::Key_Tab, Qt::NoModifier, 9, 0},          {Qt::Key_Return, Qt::ControlModifier, 13, 2},
      {Qt::Key_Return, Qt::AltModifier | Qt::ShiftModifier, 13, 5},
      {Qt::Key_MediaPlay, Qt::NoModifier, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.key);
    const QKeyEvent event(QEvent::KeyPress, row.key, row.mods);
    EXPECT_EQ(KeyDownFilter::windows_key_code(event), row.code);
    EXPECT_EQ(KeyDownFilter::shift_state(event), row.shift);
  }
}

class KeyDownBox : public testing::Test {
 protected:
  void make(layout::ListKind kind) {
    box.reset(layout::list(nullptr, "box", kind, {0, 0, 80, 24}));
    for (int n = 0; n <= 100; ++n) box->addItem(QString::number(n));
    new KeyDownFilter(box.get(), [this](int code, int shift) { seen.emplace_back(code, shift); });
  }
  std::unique_ptr<QComboBox> box;
  std::vector<std::pair<int, int>> seen;
};

TEST_F(KeyDownBox, EditableBoxSeesEveryKeyAndKeepsItsSelectionOnEnter) {
  make(layout::ListKind::Editable);
  int selections = 0;
  QObject::connect(box.get(), &QComboBox::currentIndexChanged, [&selections] { ++selections; });
  QTest::keyClicks(box.get(), "50");
  QTest::keyClick(box.get(), Qt::Key_Return);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{53, 0}, {48, 0}, {13, 0}}));
  EXPECT_EQ(box->currentText(), "50");  // typed keys still reach the box
  EXPECT_EQ(box->currentIndex(), -1);   // Enter does not pick the matching entry
  EXPECT_EQ(selections, 0);
}

TEST_F(KeyDownBox, DropDownListStillTakesArrowKeys) {
  make(layout::ListKind::DropDown);
  box->setCurrentIndex(3);
  QTest::keyClick(box.get(), Qt::Key_Down);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{40, 0}}));
  EXPECT_EQ(box->currentIndex(), 4);
}
