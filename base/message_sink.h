#pragma once

#include <string_view>

namespace base {

/// Where a routine that cannot do its job tells the user so.
class MessageSink {
 public:
  virtual ~MessageSink() = default;

  /// Shows `text` in a modal message box with an OK button; returns once the
  /// user has dismissed it.
  virtual void MsgBox(std::string_view text) = 0;
};

}  // namespace base
