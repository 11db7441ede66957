#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "app/colours.h"
#include "app/constants.h"
#include "app/controls.h"

namespace app {

/// One straight line drawn into a picture box, in its scale units (twips).
struct Stroke {
  // Left unset, as a plain struct's members would be: room for a whole
  // trace is then made without writing it first (see AddLines).
  Stroke() {}
  Stroke(float x1, float y1, float x2, float y2, Colour colour)
      : X1(x1), Y1(y1), X2(x2), Y2(y2), Color(colour) {}

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

  /// Makes room for `count` lines, unset, which the caller then fills in
  /// completely (end points, and ForeColor as colour), in order, before
  /// anything else is drawn: the same as `count` calls of Line, for a caller
  /// that has all of them at hand.
  std::span<Stroke> AddLines(std::size_t count) {
    const std::size_t first = strokes_.size();
    strokes_.resize(first + count);
    revision_ += count;
    return std::span<Stroke>(strokes_).subspan(first);
  }

  /// Undoes the latest AddLines of `count` lines, for a caller that found it
  /// cannot fill them in: the drawing and its revision are as before it.
  void TakeBackLines(std::size_t count) {
    strokes_.resize(strokes_.size() - count);
    revision_ -= count;
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
