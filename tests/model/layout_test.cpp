// The window as it stands after load: which controls exist, and the settings
// a typo in the layout would most likely break.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/model/loaded_form.h"

namespace {

using app::ControlArray;
using testing_support::LoadedForm;

// The platform's window-text colour, whatever the platform makes of it.
constexpr app::Colour kWindowText = app::kWindowText;

class LayoutTest : public ::testing::Test, protected LoadedForm {};

template <class Control>
void ExpectExactIndexes(ControlArray<Control>& array, const std::vector<int>& indexes,
                        const char* name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(array.Count(), static_cast<int>(indexes.size()));
  std::vector<int> visited;
  for (const Control& control : array) visited.push_back(control.Index);
  EXPECT_EQ(visited, indexes) << "iteration visits the indexes in ascending order";
  const int last = indexes.back();
  for (int i = -2; i <= last + 2; ++i) {
    const bool listed = std::find(indexes.begin(), indexes.end(), i) != indexes.end();
    EXPECT_EQ(array.Exists(i), listed) << "index " << i;
    if (listed) {
      EXPECT_EQ(array(i).Index, i);
    } else {
      EXPECT_THROW(array(i), base::SubscriptError) << "index " << i;
    }
  }
}

std::vector<int> Range(int first, int last) {
  std::vector<int> r;
  for (int i = first; i <= last; ++i) r.push_back(i);
  return r;
}

TEST_F(LayoutTest, ControlArraysHaveExactlyTheirIndexes) {
  ExpectExactIndexes(form.cmdSource, Range(0, 8), "cmdSource");
  ExpectExactIndexes(form.cmdShape, Range(0, 8), "cmdShape");
  ExpectExactIndexes(form.lneFreq, Range(0, 17), "lneFreq");
  ExpectExactIndexes(form.lneShift, Range(0, 40), "lneShift");
  ExpectExactIndexes(form.lneRotate, Range(0, 17), "lneRotate");
  ExpectExactIndexes(form.lblAt, {0, 8, 9, 10, 11, 12}, "lblAt");
}

TEST_F(LayoutTest, WindowCaptionAndClientArea) {
  EXPECT_EQ(form.Caption, "Brask's Sorvane Filter Demo");
  EXPECT_EQ(form.ScaleWidth, 14295.0f);
  EXPECT_EQ(form.ScaleHeight, 10515.0f);
  EXPECT_EQ(form.Timer1.Interval, 100);
  EXPECT_TRUE(form.Timer1.Enabled);
}

TEST_F(LayoutTest, CommandColumn) {
  struct Expected {
    const app::CommandButton* button;
    const char* caption;
    float left, top;
  };
  for (const Expected& e : {Expected{&form.cmdRC, "RC Filter", 10200, 120},
                            Expected{&form.cmdRandom, "Random", 11580, 720},
                            Expected{&form.cmdSorvane, "Sorvane", 11580, 1320},
                            Expected{&form.cmdRotate, "Rotate", 11580, 1920},
                            Expected{&form.cmdShift, "Shift", 11580, 2520}}) {
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(e.button->Caption, e.caption);
    EXPECT_EQ(e.button->Left, e.left);
    EXPECT_EQ(e.button->Top, e.top);
    EXPECT_EQ(e.button->Width, 1335.0f);
    EXPECT_EQ(e.button->Height, 495.0f);
    EXPECT_EQ(e.button->FontSpec.Size, 13.5);
  }
  const app::HScrollBar& bar = form.hscAlpha;
  EXPECT_EQ(bar.Left, 11640.0f);
  EXPECT_EQ(bar.Top, 120.0f);
  EXPECT_EQ(bar.Width, 1275.0f);
  EXPECT_EQ(bar.Height, 480.0f);
  // The roll-off preset is defined for Value 0 .. 100 only.
  EXPECT_GE(bar.Min, 0);
  EXPECT_LE(bar.Max, 100);
  EXPECT_GE(bar.Value, bar.Min);
  EXPECT_LE(bar.Value, bar.Max);
  const app::Label& alpha = form.lblAlpha;
  EXPECT_EQ(alpha.Left, 13020.0f);
  EXPECT_EQ(alpha.Top, 150.0f);
  EXPECT_EQ(alpha.Width, 975.0f);
  EXPECT_EQ(alpha.Height, 435.0f);
  EXPECT_EQ(alpha.FontSpec.Size, 18.0);
}

TEST_F(LayoutTest, ImpulsePanel) {
  const app::Label& title = form.lblAt(0);
  EXPECT_EQ(title.Caption, "Impulse Response");
  EXPECT_EQ(title.Left, 2400.0f);
  EXPECT_EQ(title.Top, 5700.0f);
  EXPECT_EQ(title.Width, 7815.0f);
  EXPECT_EQ(title.Height, 495.0f);
  EXPECT_EQ(title.FontSpec.Size, 18.0);

  const app::CheckBox& memory = form.chkMemory;
  EXPECT_EQ(memory.Caption, "Memory");
  EXPECT_EQ(memory.Left, 11400.0f);
  EXPECT_EQ(memory.Top, 5760.0f);
  EXPECT_EQ(memory.Width, 1455.0f);
  EXPECT_EQ(memory.Height, 495.0f);
  EXPECT_EQ(memory.Value, 0);
  EXPECT_EQ(memory.ForeColor, kWindowText);
  EXPECT_EQ(memory.FontSpec.Size, 13.5);

  const app::PictureBox& box = form.picSpectrum;
  EXPECT_EQ(box.Left, 540.0f);
  EXPECT_EQ(box.Top, 6240.0f);
  EXPECT_EQ(box.Width, 12375.0f);
  EXPECT_EQ(box.Height, 2655.0f);
  // Inner size in twips, inside the fixed single border.
  EXPECT_EQ(box.ScaleWidth(), 12315.0f);
  EXPECT_EQ(box.ScaleHeight(), 2595.0f);
  EXPECT_FALSE(box.Strokes().empty()) << "the first response is plotted at load";

  EXPECT_EQ(form.imgVesk.Left, 240.0f);
  EXPECT_EQ(form.imgVesk.Top, 9660.0f);
  EXPECT_EQ(form.imgVesk.Width, 4500.0f);
  EXPECT_EQ(form.imgVesk.Height, 720.0f);
}

TEST_F(LayoutTest, FrequencyTickLabels) {
  struct Tick {
    int index;
    const char* caption;
    float left, width;
  };
  for (const Tick& t : {Tick{8, "1", 10380, 255}, Tick{9, "0", 6180, 255},
                        Tick{10, "-1", 1320, 255}, Tick{11, "-0.5", 3480, 495},
                        Tick{12, "0.5", 8400, 375}}) {
    SCOPED_TRACE(t.index);
    const app::Label& label = form.lblAt(t.index);
    EXPECT_EQ(label.Caption, t.caption);
    EXPECT_EQ(label.Left, t.left);
    EXPECT_EQ(label.Top, 4200.0f);
    EXPECT_EQ(label.Width, t.width);
    EXPECT_EQ(label.Height, 495.0f);
    EXPECT_EQ(label.FontSpec.Size, 13.5);
  }
  EXPECT_EQ(form.Label1.Caption, "Freq");
  EXPECT_EQ(form.Label2.Caption, "H(w)");
}

TEST_F(LayoutTest, AxesMeetTheirArrowheads) {
  const app::Line* axes[] = {&form.Line1, &form.Line2, &form.Line3,
                             &form.Line4, &form.Line5, &form.Line6};
  for (const app::Line* line : axes) {
    EXPECT_EQ(line->BorderWidth, 3);
    EXPECT_EQ(line->BorderColor, kWindowText);
    EXPECT_TRUE(line->Visible);
  }
  // Frequency axis along y 4080, ending at the tip of its arrowhead.
  EXPECT_EQ(form.Line2.Y1, 4080.0f);
  EXPECT_EQ(form.Line2.Y2, 4080.0f);
  EXPECT_EQ(form.Line2.X1, 540.0f);
  EXPECT_EQ(form.Line2.X2, 11820.0f);
  EXPECT_EQ(form.Line3.X1, 11820.0f);
  EXPECT_EQ(form.Line3.Y1, 4080.0f);
  EXPECT_EQ(form.Line4.X2, 11820.0f);
  EXPECT_EQ(form.Line4.Y2, 4080.0f);
  // Gain axis along x 6300, its tip at y 600 where both strokes end.
  EXPECT_EQ(form.Line1.X1, 6300.0f);
  EXPECT_EQ(form.Line1.X2, 6300.0f);
  EXPECT_EQ(form.Line1.Y1, 600.0f);
  EXPECT_EQ(form.Line1.Y2, 4080.0f);
  for (const app::Line* stroke : {&form.Line5, &form.Line6}) {
    EXPECT_EQ(stroke->X2, 6300.0f);
    EXPECT_EQ(stroke->Y2, 600.0f);
    EXPECT_EQ(stroke->Y1, 840.0f);
  }
  EXPECT_EQ(form.Line5.X1, 6060.0f);
  EXPECT_EQ(form.Line6.X1, 6540.0f);
}

TEST_F(LayoutTest, LineArraysStyleAndVisibilityAfterLoad) {
  for (const app::Line& line : form.lneFreq) {
    EXPECT_EQ(line.BorderColor, 0xC00000u) << line.Index;
    EXPECT_EQ(line.BorderWidth, 3);
    EXPECT_TRUE(line.Visible);
  }
  for (const app::Line& line : form.lneShift) {
    EXPECT_EQ(line.BorderColor, 0x008000u) << line.Index;
    EXPECT_EQ(line.BorderWidth, 3);
    EXPECT_FALSE(line.Visible) << line.Index;
  }
  for (const app::Line& line : form.lneRotate) {
    EXPECT_EQ(line.BorderColor, 0x0000C0u) << line.Index;
    EXPECT_EQ(line.BorderWidth, 2);
    EXPECT_FALSE(line.Visible) << line.Index << " is hidden by the load handler";
  }
}

TEST_F(LayoutTest, PointsAndMarkersAreBlank255TwipSquares) {
  for (const app::CommandButton& point : form.cmdSource) {
    EXPECT_EQ(point.Width, 255.0f);
    EXPECT_EQ(point.Height, 255.0f);
    EXPECT_TRUE(point.Caption.empty());
    EXPECT_TRUE(point.Visible);
  }
  for (const app::Shape& marker : form.cmdShape) {
    EXPECT_EQ(marker.Width, 255.0f);
    EXPECT_EQ(marker.Height, 255.0f);
    EXPECT_TRUE(marker.Visible);
  }
}

TEST_F(LayoutTest, EveryCaptionFont) {
  std::vector<const app::Font*> fonts = {
      &form.cmdRC.FontSpec,     &form.cmdRandom.FontSpec, &form.cmdSorvane.FontSpec,
      &form.cmdRotate.FontSpec, &form.cmdShift.FontSpec,  &form.chkMemory.FontSpec,
      &form.Label1.FontSpec,    &form.Label2.FontSpec,    &form.lblAlpha.FontSpec};
  for (const app::Label& label : form.lblAt) fonts.push_back(&label.FontSpec);
  for (const app::Font* font : fonts) {
    EXPECT_EQ(font->Name, "MS Sans Serif");
    EXPECT_EQ(font->Weight, 400);
    EXPECT_EQ(font->Charset, 0);
    EXPECT_FALSE(font->Italic);
    EXPECT_FALSE(font->Underline);
    EXPECT_FALSE(font->Strikethrough);
  }
  EXPECT_EQ(form.Label1.FontSpec.Size, 13.5);
  EXPECT_EQ(form.Label2.FontSpec.Size, 13.5);
}

}  // namespace
