#pragma once

#include <string_view>

#include "dsp/message_sink.h"

namespace bench {

/// Discards messages: no benchmark expects one.
struct NullSink : dsp::MessageSink {
  void MsgBox(std::string_view) override {}
};

}  // namespace bench
