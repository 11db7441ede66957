#pragma once

#include <stdexcept>
#include <string>

namespace base {

/// Base of the run-time errors that the program's procedures raise to their
/// callers instead of handling them; the view's event dispatch reports them.
class RuntimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A value does not fit the integer or single-precision type it is stored in.
class OverflowError : public RuntimeError {
 public:
  OverflowError() : RuntimeError("Overflow") {}
};

/// An index outside the bounds of an array or a control array.
class SubscriptError : public RuntimeError {
 public:
  SubscriptError() : RuntimeError("Subscript out of range") {}
};

/// A floating-point overflow, division by zero or invalid operation.
class FloatingPointError : public RuntimeError {
 public:
  explicit FloatingPointError(const std::string& what)
      : RuntimeError("Floating-point error: " + what) {}
};

}  // namespace base
