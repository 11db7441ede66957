#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/intent.h"

namespace app {

/// One intent as a line of text (without the line break), its numbers
/// written so that they read back to the same bits: "load", "press 3 1 0
/// 7342.5 2400", "move X Y", "release BUTTON X Y", "cancel", "click cmdRC",
/// "value hscAlpha 35", "key cmdSource3 38 0", "tick", "show eye 1". A record of these
/// lines replays a session on another build of the model.
std::string IntentText(const Intent& intent);

/// The intent written by IntentText, or nothing for a line that is not one
/// (an unknown word, a missing or malformed number, text left over).
std::optional<Intent> ParseIntent(std::string_view line);

}  // namespace app
