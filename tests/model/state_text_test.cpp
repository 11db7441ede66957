// The record of intents and the state text, which let the browser tests
// replay a page's session on the native model and compare the windows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/constants.h"
#include "app/intent_text.h"
#include "app/state_text.h"
#include "app/window.h"

namespace {

TEST(IntentText, EveryIntentReadsBackToTheSameBits) {
  const double awkward = 0.1 + 0.2;  // no short decimal
  const app::Intent intents[] = {
      app::Load{},
      app::Press{3, app::kLeftButton, app::kShiftMask, 7342.5, awkward * 1e4},
      app::Move{-1.0 / 3.0, 1e-300},
      app::Release{app::kRightButton, 14294.999999999998, -0.0},
      app::Cancel{},
      app::Click{"cmdRC"},
      app::SetValue{"cmdSource8", awkward},
      app::Key{"picSpectrum", app::kKeyRight, app::kShiftMask},
      app::Tick{},
      app::ShowView{"eye", true},
  };
  for (const app::Intent& intent : intents) {
    const std::string text = app::IntentText(intent);
    const auto back = app::ParseIntent(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(app::IntentText(*back), text);
    if (const auto* press = std::get_if<app::Press>(&intent)) {
      EXPECT_EQ(std::get<app::Press>(*back).y, press->y) << text;  // exact, not near
    }
  }
}

TEST(IntentText, WhatIsNoIntentIsRefused) {
  for (const char* line : {"", "jump", "tick 1", "press 3 1 0 7342.5", "press 3 1 0 x 2", "move 1,5 2",
                           "key cmdSource1 38.5 0", "key cmdSource1 1e12 0", "click", "value hscAlpha", "show eye 2", "show eye"}) {
    EXPECT_FALSE(app::ParseIntent(line).has_value()) << line;
  }
}

TEST(StateText, SameIntentsSameTextAndADifferenceShows) {
  app::Window one;
  app::Window other;
  for (app::Window* window : {&one, &other}) {
    window->Apply(app::Load{});
    window->Apply(app::Click{"cmdRC"});
    window->Apply(app::Key{"cmdSource4", app::kKeyUp, 0});
  }
  EXPECT_EQ(app::StateText(one), app::StateText(other));
  // One twip-step further on one point, and one more draw of the generator.
  other.Apply(app::Key{"cmdSource4", app::kKeyUp, 0});
  EXPECT_NE(app::StateText(one), app::StateText(other));
  one.Apply(app::Click{"cmdRandom"});
  EXPECT_NE(app::StateText(one).find("generator.Drawn 18\n"), std::string::npos);
  EXPECT_NE(app::StateText(one).find("dImpulseResponse(1023) "), std::string::npos);
}

}  // namespace
