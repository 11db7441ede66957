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

  FocusMark mark;
  const long long whole = static_cast<long long>(box.Width()) * box.Height();
  mark.showing = !seen.empty();
  mark.inView = mark.showing && Area(seen) == whole;
  mark.offscreen = Intersection(box, client) != box;
  mark.box = box.Moved(ShiftInto(box.Left, box.Right, client.Right),
                       ShiftInto(box.Top, box.Bottom, client.Bottom));
  return mark;
}

}  // namespace app
