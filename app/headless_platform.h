#pragma once

#include <string>
#include <vector>

#include "app/platform.h"
#include "app/uniform_generator.h"

namespace app {

/// The platform without a display: the real uniform generator, and a record
/// of the messages shown and the drags begun.
class HeadlessPlatform : public Platform {
 public:
  void MsgBox(std::string_view text) override { messages.emplace_back(text); }
  float Rnd() override { return generator_.Next(); }
  void Drag(CommandButton& source) override { drags.push_back(source.Index); }

  std::vector<std::string> messages;
  std::vector<int> drags;  // index of each point whose drag was begun

 private:
  UniformGenerator generator_;
};

}  // namespace app
