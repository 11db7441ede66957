#pragma once

#include <cstdint>
#include <vector>

#include "app/colours.h"
#include "app/constants.h"
#include "app/controls.h"

namespace app {

/// One straight line drawn into a picture box, in its scale units (twips).
struct Stroke {
  float X1;
  float Y1;
  float X2;
  float Y2;
  Colour Color;
};

/// A picture box whose drawing is kept as a list of strokes, so the picture
/// can be redrawn whenever the box is uncovered.
class PictureBox : public Rect {
 public:
  Colour BackColor = kDialogFace;
  Colour ForeColor = kBlack;
  int BorderPixels = 2;  // on each side
  /// The strokes' width in pixels. 0 draws each stroke one device pixel
  /// wide at any zoom and density, unsmoothed: a hairline, for a picture
  /// of many strokes that must be both sharp and quick to draw.
  int DrawWidth = 1;
  int TabIndex = -1;     // out of the Tab order

  /// Clears the drawing surface.
  void Cls();

  /// Inner width and height in twips: the box's size less its border.
  float ScaleWidth() const { return Width - BorderTwips(); }
  float ScaleHeight() const { return Height - BorderTwips(); }

  /// Draws a line from (x1, y1) to (x2, y2) in scale units in the current
  /// ForeColor; what falls outside the box is clipped when shown.
  void Line(float x1, float y1, float x2, float y2) {
    strokes_.push_back({x1, y1, x2, y2, ForeColor});
    ++revision_;
  }

  /// Everything drawn since the last Cls, oldest first.
  const std::vector<Stroke>& Strokes() const { return strokes_; }

  /// Changes whenever the picture changes; lets a view skip needless repaints.
  std::uint64_t Revision() const { return revision_; }

 private:
  float BorderTwips() const { return static_cast<float>(2 * BorderPixels * kTwipsPerPixel); }

  std::vector<Stroke> strokes_;
  std::uint64_t revision_ = 0;
};

}  // namespace app
