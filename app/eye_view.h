#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/picture_box.h"
#include "app/scene.h"
#include "base/fixed_array.h"
#include "dsp/eye_diagram.h"

namespace app {

/// The eye's window: its caption, and the name and accessible name of its
/// one control, the picture.
inline constexpr std::string_view kEyeCaption = "Eye Diagram";
inline constexpr std::string_view kEyePictureName = "picEye";
inline constexpr std::string_view kEyeAccessibleName = "Eye diagram";

/// The eye's figures in words, numbers as the other read-outs write them:
/// "eye height 1.000 at the sampling instant, open over 0.84 T" while it is
/// open, "eye closed at the sampling instant: height -0.337" otherwise, and
/// "no eye: the impulse response has no positive peak" for a response that
/// has none to be scaled to.
std::string EyeWords(const dsp::EyeFigures& figures);

/// The eye diagram of the window's impulse response, as a view of its own:
/// a scene with the picture (the traces, the threshold and the sampling
/// instant), the marks -T, 0 and +T beneath it and the figures' words, which
/// are also the picture's description. It is worked out when asked for
/// after the response changed, never on a mere repaint.
class EyeView {
 public:
  /// An eye that has followed no response yet, and says there is none.
  EyeView();

  /// Brings the eye up to date with `response` (samples 0 .. 1023): worked
  /// out again only when a sample differs, bit for bit, from those it was
  /// last worked out from.
  void Follow(const base::FixedArray<1024>& response);

  /// The figures of the response last followed.
  const dsp::EyeFigures& Figures() const { return figures_; }
  /// Those figures in words (EyeWords).
  const std::string& Words() const { return words_; }
  /// The picture: strokes in twips from its inner top-left corner
  /// (app/eye_picture.h). Its Revision changes whenever it is drawn again.
  const PictureBox& Picture() const { return picture_; }

  /// The eye's window as a front end shows it: caption, client size, the
  /// labels on its surface and the picture as its one control, in the Tab
  /// order, named kEyeAccessibleName and described by Words.
  Scene View() const;

 private:
  std::array<double, dsp::kEyeResponseSamples> followed_{};
  bool following_ = false;
  dsp::EyeFigures figures_;
  std::string words_;
  PictureBox picture_;
  std::vector<double> traces_;  // kept for the next change: no allocation then
};

}  // namespace app
