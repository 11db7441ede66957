#pragma once

#include <optional>

#include "app/controls.h"
#include "app/pixels.h"

namespace app {

/// The drag of a control point, from the press that the model answers with
/// a drag to the release. While it lasts, an outline of the point follows
/// the pointer in whole pixels and the point itself stays where it is.
/// Positions are window twips.
class DragGesture {
 public:
  /// Notes where a press was, before the press is handled: a drag that the
  /// handler begins is anchored there.
  void Arm(double x, double y);
  /// Begins the drag of `point` from the armed press (what the model's
  /// request for a drag does).
  void Begin(const CommandButton& point);
  /// The pointer moved to (x, y): the outline moves by the same whole pixels.
  void Move(double x, double y);
  /// A release of mouse button `button` (1 left): ends a drag with the left
  /// button only, and then gives the dragged point's index.
  std::optional<int> Release(int button);
  /// Ends a drag without a drop.
  void Cancel();

  bool Active() const { return index_ >= 0; }
  /// The dragged point's index, or -1.
  int Index() const { return index_; }
  /// Where the outline stands, window pixels, while a drag is active.
  std::optional<PixelBox> Outline() const;

 private:
  int index_ = -1;
  double pressX_ = 0;
  double pressY_ = 0;
  double anchorX_ = 0;
  double anchorY_ = 0;
  PixelBox start_;
  PixelBox outline_;
};

}  // namespace app
