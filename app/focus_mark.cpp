#include "app/focus_mark.h"

#include <algorithm>
#include <vector>

namespace app {
namespace {

bool Empty(const PixelBox& box) { return box.Right <= box.Left || box.Bottom <= box.Top; }

PixelBox Intersection(const PixelBox& a, const PixelBox& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

// `piece` less `cover`, as up to four boxes: the bands above and below the
// cover, then what is left and right of it between them.
void Subtract(const PixelBox& piece, const PixelBox& cover, std::vector<PixelBox>& out) {
  const PixelBox overlap = Intersection(piece, cover);
  if (Empty(overlap)) {
    out.push_back(piece);
    return;
  }
  const PixelBox parts[] = {
      {piece.Left, piece.Top, piece.Right, overlap.Top},
      {piece.Left, overlap.Bottom, piece.Right, piece.Bottom},
      {piece.Left, overlap.Top, overlap.Left, overlap.Bottom},
      {overlap.Right, overlap.Top, piece.Right, overlap.Bottom},
  };
  for (const PixelBox& part : parts) {
    if (!Empty(part)) out.push_back(part);
  }
}

long long Area(const std::vector<PixelBox>& pieces) {
  long long area = 0;
  for (const PixelBox& piece : pieces) area += static_cast<long long>(piece.Width()) * piece.Height();
  return area;
}

// The least shift that brings [low, high) inside [0, size); a span wider
// than the room starts at 0.
int ShiftInto(int low, int high, int size) {
  if (low < 0 || high - low > size) return -low;
  return high > size ? size - high : 0;
}

}  // namespace

std::optional<FocusMark> FocusMarkOf(const Scene& scene, std::string_view name) {
  const auto it = std::find_if(scene.controls.begin(), scene.controls.end(),
                               [&](const ControlItem& item) { return item.name == name; });
  if (it == scene.controls.end()) return std::nullopt;
  const PixelBox client{0, 0, scene.widthPixels, scene.heightPixels};
  const PixelBox& box = it->box;

  FocusMark mark;
  mark.offscreen = Intersection(box, client) != box;
  mark.box = box.Moved(ShiftInto(box.Left, box.Right, client.Right),
                       ShiftInto(box.Top, box.Bottom, client.Bottom));
  // Mostly a control lies inside the window with nothing above it: seen
  // whole, with no pieces to work out.
  const auto covers = [&](const ControlItem& above) {
    return above.visible && !Empty(Intersection(above.box, box));
  };
  if (it->visible && !mark.offscreen && !Empty(box) && std::none_of(std::next(it), scene.controls.end(), covers)) {
    mark.showing = true;
    mark.inView = true;
    return mark;
  }

  std::vector<PixelBox> seen;
  if (it->visible) {
    const PixelBox inside = Intersection(box, client);
    if (!Empty(inside)) seen.push_back(inside);
  }
  for (auto above = std::next(it); above != scene.controls.end() && !seen.empty(); ++above) {
    if (!above->visible) continue;
    std::vector<PixelBox> rest;
    for (const PixelBox& piece : seen) Subtract(piece, above->box, rest);
    seen.swap(rest);
  }
  const long long whole = static_cast<long long>(box.Width()) * box.Height();
  mark.showing = !seen.empty();
  mark.inView = mark.showing && Area(seen) == whole;
  return mark;
}

}  // namespace app
