#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/message_sink.h"

namespace testing_support {

/// A message sink that keeps every message it is given, in order.
struct RecordingSink : base::MessageSink {
  void MsgBox(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

}  // namespace testing_support
