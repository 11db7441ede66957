#include "app/eye_view.h"

#include <algorithm>
#include <cstring>

#include "app/constants.h"
#include "app/eye_picture.h"
#include "app/pixels.h"
#include "base/number_text.h"

namespace app {
namespace {

constexpr int kHeightDecimals = 3;
constexpr int kWidthDecimals = 2;

// The window, twips. The picture's inner area is 512 x 360 pixels: two
// pixels for each of the 256 sample steps, and 90 for a unit of the trace.
constexpr float kClientWidth = 8220;
constexpr float kClientHeight = 7035;
constexpr Rect kPicture{240, 240, 7740, 5460};
constexpr float kMarksTop = 5760;
constexpr float kMarkHeight = 435;
constexpr Rect kWordsBox{240, 6300, 7740, 495};

// A mark beneath the picture, its text about centred on the place it marks
// (the inner left edge, the middle, the inner right edge).
struct Mark {
  const char* text;
  float left;
  float width;
};
constexpr Mark kMarks[] = {{"-T", 150, 375}, {"0", 4035, 255}, {"+T", 7785, 375}};

LabelItem LabelOf(const Rect& box, std::string text) {
  LabelItem label;
  label.box = box;
  label.text = std::move(text);
  label.font.Size = kCaptionPoints;
  return label;
}

}  // namespace

std::string EyeWords(const dsp::EyeFigures& figures) {
  if (!figures.peaked) return "no eye: the impulse response has no positive peak";
  const std::string height = base::ReadableFixedText(figures.height, kHeightDecimals);
  if (!figures.Open()) return "eye closed at the sampling instant: height " + height;
  return "eye height " + height + " at the sampling instant, open over " +
         base::ReadableFixedText(figures.width, kWidthDecimals) + " T";
}

EyeView::EyeView() : words_(EyeWords(figures_)) {
  static_cast<Rect&>(picture_) = kPicture;
  picture_.TabIndex = 0;  // the window's one control takes the focus
}

void EyeView::Follow(const base::FixedArray<1024>& response) {
  const dsp::EyeResponse h = response.Span().first<dsp::kEyeResponseSamples>();
  if (following_ && std::memcmp(h.data(), followed_.data(), sizeof followed_) == 0) return;
  std::copy(h.begin(), h.end(), followed_.begin());
  following_ = true;
  figures_ = dsp::EyeFiguresOf(followed_);
  words_ = EyeWords(figures_);
  // Room for the traces only once the eye is first looked at.
  traces_.resize(dsp::kEyePatterns * dsp::kEyeOffsets);
  const std::span<double, dsp::kEyePatterns * dsp::kEyeOffsets> traces(traces_.data(), traces_.size());
  if (figures_.peaked) dsp::EyeTraces(followed_, traces);
  DrawEye(figures_.peaked, traces, picture_);
}

Scene EyeView::View() const {
  Scene scene;
  scene.caption = kEyeCaption;
  scene.widthPixels = NearestPixel(kClientWidth);
  scene.heightPixels = NearestPixel(kClientHeight);
  for (const Mark& mark : kMarks) {
    scene.surface.emplace_back(LabelOf({mark.left, kMarksTop, mark.width, kMarkHeight}, mark.text));
  }
  scene.surface.emplace_back(LabelOf(kWordsBox, words_));

  ControlItem picture;
  picture.name = kEyePictureName;
  picture.kind = ControlKind::kPictureBox;
  picture.box = PixelsOf(picture_);
  picture.tabIndex = picture_.TabIndex;
  picture.accessibleName = kEyeAccessibleName;
  picture.accessibleDescription = words_;
  picture.value = -1;  // no read-out
  picture.picture = &picture_;
  scene.controls.push_back(std::move(picture));
  return scene;
}

}  // namespace app
