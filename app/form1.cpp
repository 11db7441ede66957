#include "app/form1.h"

#include "app/columns.h"
#include "app/constants.h"

namespace app {
namespace {

Line Ends(float x1, float y1, float x2, float y2) {
  Line line;
  line.X1 = x1;
  line.Y1 = y1;
  line.X2 = x2;
  line.Y2 = y2;
  return line;
}

Line AxisLine(float x1, float y1, float x2, float y2) {
  Line line = Ends(x1, y1, x2, y2);
  line.BorderColor = kWindowText;
  line.BorderWidth = 3;
  return line;
}

template <class Control>
void Place(Control& control, float left, float top, float width, float height) {
  control.Left = left;
  control.Top = top;
  control.Width = width;
  control.Height = height;
}

Label MakeLabel(float left, float top, float width, float height, const char* caption,
                double points) {
  Label label;
  Place(label, left, top, width, height);
  label.Caption = caption;
  label.FontSpec.Size = points;
  return label;
}

void MakeButton(CommandButton& button, float left, float top, const char* caption, int tabIndex) {
  Place(button, left, top, 1335, 495);
  button.TabIndex = tabIndex;
  button.Caption = caption;
  button.FontSpec.Size = kCaptionPoints;
}

// The stored end points of the line arrays only stand in until the code first
// lays the lines out.
void StyleLines(ControlArray<Line>& lines, Colour colour, int width, bool visible,
                Line first, Line rest) {
  for (Line& line : lines) {
    const Line& stored = line.Index == 0 ? first : rest;
    line.X1 = stored.X1;
    line.Y1 = stored.Y1;
    line.X2 = stored.X2;
    line.Y2 = stored.Y2;
    line.BorderColor = colour;
    line.BorderWidth = width;
    line.Visible = visible;
  }
}

}  // namespace

Form1::Form1(Platform& platform)
    : Caption(kWindowCaption),
      ScaleWidth(kClientWidthTwips),
      ScaleHeight(kClientHeightTwips),
      platform_(platform) {
  Line2 = AxisLine(540, 4080, 11820, 4080);
  Line3 = AxisLine(11820, 4080, 11580, 3840);
  Line4 = AxisLine(11580, 4320, 11820, 4080);
  Line1 = AxisLine(6300, 600, 6300, 4080);
  Line5 = AxisLine(6060, 840, 6300, 600);
  Line6 = AxisLine(6540, 840, 6300, 600);
  Label1 = MakeLabel(12060, 3600, 855, 435, "Freq", kCaptionPoints);
  Label2 = MakeLabel(5520, 240, 675, 435, "H(w)", kCaptionPoints);

  struct Tick {
    int index;
    const char* caption;
    float left;
    float width;
  };
  for (const Tick& tick : {Tick{8, "1", 10380, 255}, Tick{9, "0", 6180, 255},
                           Tick{10, "-1", 1320, 255}, Tick{11, "-0.5", 3480, 495},
                           Tick{12, "0.5", 8400, 375}}) {
    lblAt(tick.index) = MakeLabel(tick.left, 4200, tick.width, 495, tick.caption, kCaptionPoints);
    lblAt(tick.index).Index = tick.index;
  }
  lblAt(0) = MakeLabel(2400, 5700, 7815, 495, "Impulse Response", kLargeCaptionPoints);

  // Form_Load gives the points their columns and heights; until then they
  // wait at the zero-gain level.
  for (CommandButton& point : cmdSource) Place(point, PointColumn(point.Index), 3960, 255, 255);
  for (Shape& marker : cmdShape) {
    Place(marker, MirrorColumn(PointColumn(marker.Index)), 3960, 255, 255);
  }

  StyleLines(lneFreq, kDarkBlue, 3, true, Ends(960, 1980, 1920, 2460), Ends(0, 0, 960, 480));
  StyleLines(lneShift, kDarkGreen, 3, false, Ends(3180, 960, 3420, 2100), Ends(0, 0, 240, 1140));
  StyleLines(lneRotate, kDarkRed, 2, true, Ends(960, 1680, 2760, 1740), Ends(0, 0, 1800, 60));

  // The Tab order runs down the command column, then to "Memory", then
  // through the points from 0 to 8.
  MakeButton(cmdRC, 10200, 120, "RC Filter", 0);
  Place(hscAlpha, 11640, 120, 1275, 480);
  hscAlpha.TabIndex = 1;
  lblAlpha = MakeLabel(13020, 150, 975, 435, "", kLargeCaptionPoints);
  MakeButton(cmdRandom, 11580, 720, "Random", 2);
  MakeButton(cmdSorvane, 11580, 1320, "Sorvane", 3);
  MakeButton(cmdRotate, 11580, 1920, "Rotate", 4);
  MakeButton(cmdShift, 11580, 2520, "Shift", 5);

  Place(chkMemory, 11400, 5760, 1455, 495);
  chkMemory.Caption = "Memory";
  chkMemory.FontSpec.Size = kCaptionPoints;
  chkMemory.TabIndex = 6;
  for (CommandButton& point : cmdSource) point.TabIndex = chkMemory.TabIndex + 1 + point.Index;
  Place(picSpectrum, 540, 6240, 12375, 2655);
  // The plot closes the Tab order: its read-out is stepped by keys.
  picSpectrum.TabIndex = cmdSource(8).TabIndex + 1;
  Place(imgVesk, 240, 9660, 4500, 720);
  imgVesk.Picture = std::string(kLogoPicture);
  DescribeControls();
}

}  // namespace app
