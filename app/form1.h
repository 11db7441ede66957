#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "app/control_array.h"
#include "app/controls.h"
#include "app/picture_box.h"
#include "app/platform.h"
#include "base/fixed_array.h"

namespace app {

/// The program's one window: every control as plain values, the window-level
/// variables, and the event handlers and procedures. It knows no toolkit; a
/// view renders it and forwards events to the handlers.
class Form1 {
 public:
  /// Creates the window with every control at its stored settings. The
  /// creator then runs Form_Load once, before the window is shown.
  explicit Form1(Platform& platform);

  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- Event handlers -------------------------------------------------

  /// Load event: places the nine points at random heights, recalculates,
  /// hides the rotated copy and stops both animations.
  void Form_Load();
  /// A dragged control point released over the window's own surface at
  /// (X, Y) window twips: moves it to the release height in its own column.
  void Form_DragDrop(CommandButton& Source, float X, float Y);
  /// Mouse press on control point Index; Button 1 (left) begins a drag.
  void cmdSource_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t Shift,
                           float X, float Y);
  /// Key press on control point Index (KeyCode one of the kKey codes of
  /// app/constants.h; Shift is not used): Up/Down move it 15 twips,
  /// PageUp/PageDown 150, Home puts it at gain 1 and End at gain 0. The move
  /// ends exactly as a drop with the pointer at the new top plus half the
  /// height would. Any other key code does nothing.
  void cmdSource_KeyDown(std::int16_t Index, std::int16_t KeyCode, std::int16_t Shift);
  /// Puts control point Index at `gain` as keys would put it: the nearest
  /// whole Top, clamped to the drop's range, then recalculates. A gain
  /// outside the drop's range is held to it.
  void SetPointGain(int Index, double gain);
  /// "Random": runs the load handler again.
  void cmdRandom_Click();
  /// "RC Filter": the raised-cosine preset at the scroll bar's alpha.
  void cmdRC_Click();
  /// Change of the alpha scroll bar's Value: the raised-cosine preset.
  void hscAlpha_Change();
  /// "Sorvane": completes the shape into one odd-symmetric about point 4.
  void cmdSorvane_Click();
  /// Click of "Memory" (Value already changed): recolours its caption.
  void chkMemory_Click();
  /// "Shift": shows two sliding copies of the curve, or hides them.
  void cmdShift_Click();
  /// "Rotate": shows a turning copy of the curve's right half, or hides it.
  void cmdRotate_Click();
  /// Every 100 ms: one step of each running animation, shift first.
  void Timer1_Timer();

  // ---- Procedures of the window ---------------------------------------

  /// Mirrors the markers, lays the curve, computes and plots the response.
  void Recalculate();
  /// Lays the 18 segments of lneFreq through the markers and points.
  void DrawSpectrum();
  /// Computes dImpulseResponse from the points' tops.
  void CalcImpulse();
  /// Plots dImpulseResponse in blue into picSpectrum.
  void ShowImpulse();
  /// Clears picPic, draws the zero line, the time grid, the memory trace if
  /// one is held and dImpulse (elements 0..1023) in colour lColour.
  void PlotImpulse(const base::FixedArray<1024>& dImpulse, PictureBox& picPic, Colour lColour);
  /// Puts the points on the raised-cosine spectrum of alpha = Value / 100.
  void ApplyRCShape();

  // ---- What the window says in words ----------------------------------
  // Numbers are written with "." whatever the locale, and a value that
  // rounds to zero without a minus sign.

  /// "Control point 3": the name of point Index (0..8).
  std::string PointName(int Index) const;
  /// "frequency 3/8 of the symbol rate, gain 0.750": what point Index
  /// stands for.
  std::string PointDescription(int Index) const;
  /// The gain point Index stands for, (3960 - Top) / 2700.
  double PointGain(int Index) const;
  /// The gains a drop can give a point: at Top 6360 and at Top 480.
  std::pair<double, double> PointGainRange() const;
  /// The gain of one Up or Down step (15 twips) and of one PageUp or
  /// PageDown step (150 twips).
  std::pair<double, double> PointGainSteps() const;
  /// "gain 0.750": point Index's gain in words, to three decimals, so that
  /// every 15-twip step reads differently.
  std::string PointValueText(int Index) const;
  /// "Roll-off alpha": the name of the scroll bar.
  std::string AlphaName() const;
  /// "alpha 0.35": the roll-off the scroll bar's Value stands for.
  std::string AlphaValueText() const;
  /// "Impulse response": the name of the plot.
  std::string ImpulseName() const;
  /// The response at the symbol instants t = -4 T .. +3 T, then its gist.
  std::string ImpulseDescription() const;
  /// The intersymbol interference: the sum of |h| at the symbol instants
  /// t = -4 T .. +3 T other than t = 0, in units of the plot's peak (0 when
  /// the criterion holds; a binary eye closes where it reaches 1).
  double Interference() const;
  /// "intersymbol interference 0.262": what an edit did to the response, in
  /// brief, as it is announced after a drop or a preset. The eye diagram's
  /// words, once the window has one, join the gist here.
  std::string ResponseGist() const;
  /// The plotted sample (0..1023) nearest to `xTwips` from the plot's inner
  /// left edge, where sample k stands at ScaleWidth * k / 1024.
  int PlotSampleAt(double xTwips) const;
  /// The sample a read-out stands on before any step: time zero, 512.
  int ReadOutStart() const;
  /// Where a read-out on sample `from` (-1: none yet, which starts it at
  /// time zero, sample 512) goes one step in `direction` (+1 later, -1
  /// earlier): to the next symbol instant (a sample 512 + 128 m, m = -4 ..
  /// +3, held to the first and last), or with `bySample` to the next
  /// plotted sample (held to 0 .. 1023).
  int ReadOutStep(int from, int direction, bool bySample) const;
  /// "t = +1.00 T (sample 640): h = 0.000": sample `sample` (0..1023) of the
  /// response as time in symbol periods and value.
  std::string ImpulseReadOut(int sample) const;
  /// Whether Memory holds a response: "holds a response, drawn in green".
  std::string MemoryDescription() const;
  /// Whether Shift's copies show (sliding or still): the button stands
  /// pressed.
  bool ShiftPressed() const;
  /// Whether Rotate's copy shows (turning or still).
  bool RotatePressed() const;
  /// What Shift's copies do: "copies hidden", "copies sliding apart",
  /// "copies shown".
  std::string ShiftDescription() const;
  /// What Rotate's copy does: "copy hidden", "copy turning", "copy shown".
  std::string RotateDescription() const;

  // ---- The window -------------------------------------------------------

  std::string Caption;
  float ScaleWidth;   // client area, twips
  float ScaleHeight;
  Colour BackColor = kDialogFace;

  // Spectrum panel.
  Line Line1, Line2, Line3, Line4, Line5, Line6;
  Label Label1, Label2;
  ControlArray<Label> lblAt = ControlArray<Label>::Of({0, 8, 9, 10, 11, 12});
  ControlArray<CommandButton> cmdSource{0, 8};
  ControlArray<Shape> cmdShape{0, 8};
  ControlArray<Line> lneFreq{0, 17};
  ControlArray<Line> lneShift{0, 40};
  ControlArray<Line> lneRotate{0, 17};

  // Command column.
  CommandButton cmdRC, cmdRandom, cmdSorvane, cmdRotate, cmdShift;
  HScrollBar hscAlpha;
  Label lblAlpha;

  // Impulse panel and the rest.
  CheckBox chkMemory;
  PictureBox picSpectrum;
  Image imgVesk;
  Timer Timer1;

  // ---- Window-level variables -------------------------------------------
  // The impulse computation's arrays (see CalcImpulse), bounds 0 .. 1024
  // (dFFTData 0 .. 2048); the top element is never written.
  base::FixedArray<1024> dSpectrum;
  base::FixedArray<2048> dFFTData;
  base::FixedArray<1024> dRawImpulse;
  base::FixedArray<1024> dImpulseResponse;
  base::FixedArray<1024> dMemory;
  bool bMemoryHeld = false;  // kept by PlotImpulse between calls
  double ShiftRemaining = 0;   // twips still to slide; 0 when idle
  double RotateRemaining = 0;  // radians still to turn; 0 when idle

  Platform& platform() { return platform_; }

 private:
  /// The end of a drop: clamps the new top, puts the point in its own
  /// column and recalculates.
  void DropPoint(CommandButton& Source, std::int16_t newTop);
  /// Gives every control that takes the focus its tooltip.
  void DescribeControls();
  /// The two blocks of Timer1_Timer.
  void ShiftStep();
  void RotateStep();

  Platform& platform_;
};

}  // namespace app
