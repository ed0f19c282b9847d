#pragma once
// A control array with the indexes the window uses, First..Last inclusive:
// `cbo_image_bri(1)`, `power_ctl(0)`. An index outside the range yields nullptr,
// so a handler called with a stray index can test for it instead of crashing.
#include <array>
#include <cstddef>

template <typename Control, int First, int Last>
class ControlArray {
  static_assert(First <= Last);

 public:
  static constexpr int first = First;
  static constexpr int last = Last;

  Control* operator()(int index) const {
    return contains(index) ? items_[static_cast<std::size_t>(index - First)] : nullptr;
  }
  void set(int index, Control* control) {
    if (contains(index)) items_[static_cast<std::size_t>(index - First)] = control;
  }
  static constexpr bool contains(int index) { return index >= First && index <= Last; }
  static constexpr int size() { return Last - First + 1; }

 private:
  std::array<Control*, Last - First + 1> items_{};
};
