#pragma once

#include <string_view>

#include "base/message_sink.h"

namespace bench {

/// Discards messages: no benchmark expects one.
struct NullSink : base::MessageSink {
  void MsgBox(std::string_view) override {}
};

}  // namespace bench
