// A drop whose height does not fit a 16-bit top is an error raised to the
// caller, and it leaves the window as it was.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "tests/model/form_helpers.h"
#include "tests/model/loaded_form.h"

namespace {

using testing_support::EndsOf;
using testing_support::LoadedForm;
using testing_support::TopsOf;

class DropErrorsTest : public ::testing::Test, protected LoadedForm {
 protected:
  struct State {
    std::array<float, 9> tops;
    std::vector<float> lefts;
    std::vector<float> markers;
    std::vector<testing_support::Ends> curve;
    std::uint64_t revision;
    bool operator==(const State&) const = default;
  };
  State Now() const {
    State s{TopsOf(form), {}, {}, EndsOf(form.lneFreq, 0, 17), form.picSpectrum.Revision()};
    for (const app::CommandButton& p : form.cmdSource) s.lefts.push_back(p.Left);
    for (const app::Shape& m : form.cmdShape) {
      s.markers.push_back(m.Left);
      s.markers.push_back(m.Top);
    }
    return s;
  }
};

TEST_F(DropErrorsTest, HeightBeyondSixteenBitsRaisesOverflowAndChangesNothing) {
  const State before = Now();
  const float bad[] = {std::numeric_limits<float>::quiet_NaN(), 1e9f, -1e9f,
                       std::numeric_limits<float>::infinity(),
                       // 32895 - 127.5 = 32767.5 goes to the even 32768;
                       // -32642 - 127.5 = -32769.5 to -32770.
                       32895.0f, -32642.0f};
  for (float y : bad) {
    EXPECT_THROW(form.Form_DragDrop(form.cmdSource(3), 7000.0f, y), base::OverflowError) << y;
    EXPECT_TRUE(Now() == before) << "y = " << y << " moved something";
  }
}

TEST_F(DropErrorsTest, LargestHeightsThatFitAreClamped) {
  // 32766.5 and -32768.5 go to the even 32766 and -32768, then to the range.
  form.Form_DragDrop(form.cmdSource(3), 7000.0f, 32894.0f);
  EXPECT_EQ(form.cmdSource(3).Top, 6360.0f);
  form.Form_DragDrop(form.cmdSource(3), 7000.0f, -32641.0f);
  EXPECT_EQ(form.cmdSource(3).Top, 480.0f);
}

}  // namespace
