#pragma once

#include <initializer_list>
#include <vector>

#include "base/errors.h"

namespace app {

/// Controls of one kind that share a name and differ by an integer index.
/// Only the indexes given at construction exist; any other raises
/// base::SubscriptError. Iteration visits the controls in ascending index.
template <class Control>
class ControlArray {
 public:
  /// An array with the indexes first .. last.
  ControlArray(int first, int last) {
    for (int i = first; i <= last; ++i) Add(i);
  }
  /// An array with exactly the listed indexes, given in ascending order.
  static ControlArray Of(std::initializer_list<int> indexes) {
    ControlArray array;
    for (int i : indexes) array.Add(i);
    return array;
  }

  Control& operator()(int index) { return items_[Slot(index)]; }
  const Control& operator()(int index) const { return items_[Slot(index)]; }

  bool Exists(int index) const { return index >= 0 && index < static_cast<int>(slots_.size()) && slots_[index] >= 0; }
  int Count() const { return static_cast<int>(items_.size()); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  void Add(int index) {
    if (index >= static_cast<int>(slots_.size())) slots_.resize(index + 1, -1);
    slots_[index] = static_cast<int>(items_.size());
    items_.emplace_back();
    items_.back().Index = index;
  }
  ControlArray() = default;

  int Slot(int index) const {
    if (!Exists(index)) throw base::SubscriptError();
    return slots_[index];
  }

  std::vector<int> slots_;
  std::vector<Control> items_;
};

}  // namespace app
