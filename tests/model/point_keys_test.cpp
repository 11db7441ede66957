// Keyboard edits of a control point: each key press ends as a drop at the new
// height would.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/constants.h"
#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::DropAt;
using testing_support::EndsOf;
using testing_support::LoadedForm;

std::int16_t I16(int value) { return static_cast<std::int16_t>(value); }

void Press(app::Form1& form, int index, int key) {
  form.cmdSource_KeyDown(I16(index), I16(key), 0);
}

// Everything an edit writes, byte for byte.
std::vector<unsigned char> Snapshot(const app::Form1& form) {
  std::vector<unsigned char> bytes;
  auto add = [&bytes](const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), p, p + size);
  };
  for (const app::CommandButton& p : form.cmdSource) add(&p, sizeof(app::Rect));
  for (const app::Shape& m : form.cmdShape) add(&m, sizeof(app::Rect));
  for (const auto& e : EndsOf(form.lneFreq, 0, 17)) add(&e, sizeof e);
  for (const auto* a : {&form.dSpectrum, &form.dRawImpulse, &form.dImpulseResponse, &form.dMemory})
    add(a->Span().data(), a->Span().size_bytes());
  add(form.dFFTData.Span().data(), form.dFFTData.Span().size_bytes());
  add(&form.bMemoryHeld, sizeof form.bMemoryHeld);
  for (const app::Stroke& s : form.picSpectrum.Strokes()) add(&s, sizeof s);
  return bytes;
}

TEST(PointKeys, StepsMoveByOneAndTenPixelsAndStopAtTheDropClamps) {
  LoadedForm w;
  app::Form1& f = w.form;
  struct Case {
    float from;
    int key;
    float to;
  } cases[] = {
      {3000, app::kKeyUp, 2985},       {3000, app::kKeyDown, 3015},
      {3000, app::kKeyPageUp, 2850},   {3000, app::kKeyPageDown, 3150},
      {490, app::kKeyUp, 480},         {480, app::kKeyUp, 480},
      {600, app::kKeyPageUp, 480},     {6350, app::kKeyDown, 6360},
      {6300, app::kKeyPageDown, 6360}, {6360, app::kKeyPageDown, 6360},
      {5000, app::kKeyHome, 1260},     {300.25f, app::kKeyEnd, 3960},
  };
  for (const Case& c : cases) {
    f.cmdSource(5).Top = c.from;
    const std::uint64_t revision = f.picSpectrum.Revision();
    Press(f, 5, c.key);
    EXPECT_EQ(f.cmdSource(5).Top, c.to) << "key " << c.key << " from " << c.from;
    EXPECT_EQ(f.cmdSource(5).Left, 6180 + 525 * 5);
    EXPECT_EQ(f.cmdShape(5).Top, c.to);
    EXPECT_NE(f.picSpectrum.Revision(), revision) << "every key press recalculates, as a drop";
  }
}

TEST(PointKeys, AFractionalTopRoundsToTheEvenNeighbour) {
  LoadedForm w;
  app::Form1& f = w.form;
  const struct {
    float from;
    int key;
    float to;
  } cases[] = {{2000.5f, app::kKeyUp, 1986},   {2001.5f, app::kKeyUp, 1986},
               {1990.25f, app::kKeyDown, 2005}, {1990.75f, app::kKeyPageUp, 1841},
               {1260.5f, app::kKeyDown, 1276}};
  for (const auto& c : cases) {
    f.cmdSource(2).Top = c.from;
    Press(f, 2, c.key);
    EXPECT_EQ(f.cmdSource(2).Top, c.to) << "from " << c.from;
  }
}

TEST(PointKeys, OtherKeysAndTheShiftStateChangeNothing) {
  LoadedForm w;
  app::Form1& f = w.form;
  const auto before = Snapshot(f);
  for (int key : {0, 13, 32, 37, 39, 65}) Press(f, 3, key);
  EXPECT_EQ(Snapshot(f), before);
  const float top = f.cmdSource(3).Top;
  f.cmdSource_KeyDown(3, app::kKeyEnd, app::kShiftMask | app::kCtrlMask);
  EXPECT_EQ(f.cmdSource(3).Top, 3960.0f) << "from " << top;
  EXPECT_THROW(Press(f, 9, app::kKeyUp), base::SubscriptError);
}

// From the fractional start-up heights, with Memory ticked part-way, every
// key on every point leaves the window byte for byte as the drop with the
// pointer at the new top plus half the height.
TEST(PointKeys, EachPressEqualsTheMatchingDropBitForBit) {
  LoadedForm keys;
  LoadedForm drops;
  ASSERT_EQ(Snapshot(keys.form), Snapshot(drops.form));
  const int sequence[] = {app::kKeyUp,   app::kKeyPageDown, app::kKeyDown, app::kKeyHome,
                          app::kKeyPageUp, app::kKeyEnd,    app::kKeyUp,   app::kKeyPageUp};
  int step = 0;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i <= 8; ++i) {
      if (step == 20) {
        testing_support::ClickMemory(keys.form, 1);
        testing_support::ClickMemory(drops.form, 1);
      }
      const int key = sequence[step++ % 8];
      Press(keys.form, i, key);
      DropAt(drops.form, i, static_cast<int>(keys.form.cmdSource(i).Top));
      ASSERT_EQ(Snapshot(keys.form), Snapshot(drops.form)) << "point " << i << " key " << key;
    }
  }
  EXPECT_TRUE(keys.form.bMemoryHeld);
}

TEST(PointKeys, TheFirstKeyPressAfterTickingMemoryIsTheRememberedEdit) {
  LoadedForm w;
  app::Form1& f = w.form;
  testing_support::ClickMemory(f, 1);
  EXPECT_FALSE(f.bMemoryHeld) << "ticking alone remembers nothing";
  Press(f, 4, app::kKeyPageUp);
  ASSERT_TRUE(f.bMemoryHeld);
  const auto remembered = f.dImpulseResponse;
  Press(f, 4, app::kKeyHome);
  EXPECT_EQ(std::memcmp(f.dMemory.Span().data(), remembered.Span().data(),
                        f.dMemory.Span().size_bytes()),
            0);
  EXPECT_NE(f.dImpulseResponse(520), remembered(520));
}

}  // namespace
