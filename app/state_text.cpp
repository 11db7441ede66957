#include "app/state_text.h"

#include <span>

#include "app/constants.h"
#include "app/fields.h"
#include "app/window.h"
#include "base/number_text.h"

namespace app {
namespace {

class Writer {
 public:
  void Put(const std::string& name, float value) { Line(name, base::GeneralText(value, kExactFloatDigits)); }
  void Put(const std::string& name, double value) { Line(name, base::GeneralText(value, kExactDoubleDigits)); }
  void Put(const std::string& name, int value) { Line(name, std::to_string(value)); }
  void Put(const std::string& name, unsigned value) { Line(name, std::to_string(value)); }
  void Put(const std::string& name, std::uint64_t value) { Line(name, std::to_string(value)); }
  void Put(const std::string& name, bool value) { Line(name, value ? "true" : "false"); }
  void Put(const std::string& name, const std::string& value) { Line(name, Quoted(value)); }

  void Put(const std::string& name, const Font& font) { Control(name, font); }

  /// Every property of `control`, one line each, as "name.Property value".
  template <class Properties>
  void Control(const std::string& name, const Properties& control) {
    ForEachField(control, [&](const char* field, const auto& value) { Put(name + "." + field, value); });
  }
  void Array(const std::string& name, std::span<const double> values) {
    for (std::size_t i = 0; i < values.size(); ++i) Put(name + "(" + std::to_string(i) + ")", values[i]);
  }

  std::string text;

 private:
  void Line(const std::string& name, const std::string& value) {
    text += name;
    text += ' ';
    text += value;
    text += '\n';
  }
  // Line breaks and quotes inside a text would split or end its line.
  static std::string Quoted(const std::string& value) {
    std::string quoted = "\"";
    for (const char c : value) {
      if (c == '\n') {
        quoted += "\\n";
      } else {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
      }
    }
    return quoted + '"';
  }
};

std::string Indexed(const char* array, int index) { return std::string(array) + "(" + std::to_string(index) + ")"; }

template <class Properties>
void PutArray(Writer& w, const char* name, const ControlArray<Properties>& array) {
  for (const Properties& control : array) w.Control(Indexed(name, control.Index), control);
}

void PutCommandColumn(Writer& w, const Form1& f) {
  w.Control("cmdRC", f.cmdRC);
  w.Control("cmdRandom", f.cmdRandom);
  w.Control("cmdSorvane", f.cmdSorvane);
  w.Control("cmdRotate", f.cmdRotate);
  w.Control("cmdShift", f.cmdShift);
  w.Control("hscAlpha", f.hscAlpha);
  w.Control("lblAlpha", f.lblAlpha);
}

void PutImpulsePanel(Writer& w, const Form1& f) {
  w.Control("chkMemory", f.chkMemory);
  const PictureBox& box = f.picSpectrum;
  w.Control("picSpectrum", box);
  const auto& strokes = box.Strokes();
  w.Put("picSpectrum.Strokes", static_cast<int>(strokes.size()));
  for (std::size_t i = 0; i < strokes.size(); ++i) {
    const std::string name = "picSpectrum.Stroke(" + std::to_string(i) + ")";
    w.Put(name + ".X1", strokes[i].X1);
    w.Put(name + ".Y1", strokes[i].Y1);
    w.Put(name + ".X2", strokes[i].X2);
    w.Put(name + ".Y2", strokes[i].Y2);
    w.Put(name + ".Color", strokes[i].Color);
  }
  w.Control("imgVesk", f.imgVesk);
  w.Control("Timer1", f.Timer1);
}

void PutSpectrumPanel(Writer& w, const Form1& f) {
  w.Control("Line1", f.Line1);
  w.Control("Line2", f.Line2);
  w.Control("Line3", f.Line3);
  w.Control("Line4", f.Line4);
  w.Control("Line5", f.Line5);
  w.Control("Line6", f.Line6);
  w.Control("Label1", f.Label1);
  w.Control("Label2", f.Label2);
  PutArray(w, "lblAt", f.lblAt);
  PutArray(w, "cmdSource", f.cmdSource);
  PutArray(w, "cmdShape", f.cmdShape);
  PutArray(w, "lneFreq", f.lneFreq);
  PutArray(w, "lneShift", f.lneShift);
  PutArray(w, "lneRotate", f.lneRotate);
}

void PutVariables(Writer& w, const Form1& f) {
  w.Array("dSpectrum", f.dSpectrum.Span());
  w.Array("dFFTData", f.dFFTData.Span());
  w.Array("dRawImpulse", f.dRawImpulse.Span());
  w.Array("dImpulseResponse", f.dImpulseResponse.Span());
  w.Array("dMemory", f.dMemory.Span());
  w.Put("bMemoryHeld", f.bMemoryHeld);
  w.Put("ShiftRemaining", f.ShiftRemaining);
  w.Put("RotateRemaining", f.RotateRemaining);
}

// What the window holds beside the form: the drag, the read-out, what it
// announced last, which views show beside it, the generator and the
// messages it has shown.
void PutWindow(Writer& w, const Window& window) {
  const Scene scene = window.View();
  w.Put("drag.Index", window.platform.gesture.Index());
  if (scene.dragOutline) {
    w.Put("drag.Outline.Left", scene.dragOutline->Left);
    w.Put("drag.Outline.Top", scene.dragOutline->Top);
    w.Put("drag.Outline.Right", scene.dragOutline->Right);
    w.Put("drag.Outline.Bottom", scene.dragOutline->Bottom);
  }
  const ControlItem* plot = scene.Find("picSpectrum");
  w.Put("readOut", plot != nullptr ? static_cast<int>(plot->value) : -1);
  w.Put("announcement.Serial", scene.announcement.serial);
  w.Put("announcement.Text", scene.announcement.text);
  for (const ViewItem& view : scene.views) w.Put("view." + view.name + ".Shown", view.shown);
  w.Put("generator.Drawn", window.platform.Generator().Drawn());
  const auto& messages = window.platform.messages;
  for (std::size_t i = 0; i < messages.size(); ++i) w.Put("message(" + std::to_string(i) + ")", messages[i]);
}

// The eye's figures in full, which every front end must get to the same
// bits, and how many strokes draw it.
void PutEye(Writer& w, const Window& window) {
  const EyeView& eye = window.Eye();
  const dsp::EyeFigures& figures = eye.Figures();
  w.Put("eye.Peaked", figures.peaked);
  w.Put("eye.Height", figures.height);
  w.Put("eye.FirstOpen", figures.firstOpen);
  w.Put("eye.LastOpen", figures.lastOpen);
  w.Put("eye.Width", figures.width);
  w.Put("eye.Words", eye.Words());
  w.Put("eye.Strokes", static_cast<int>(eye.Picture().Strokes().size()));
}

}  // namespace

std::string StateText(const Window& window) {
  const Form1& f = window.form;
  Writer w;
  w.Put("Caption", f.Caption);
  w.Put("ScaleWidth", f.ScaleWidth);
  w.Put("ScaleHeight", f.ScaleHeight);
  w.Put("BackColor", f.BackColor);
  PutSpectrumPanel(w, f);
  PutCommandColumn(w, f);
  PutImpulsePanel(w, f);
  PutVariables(w, f);
  PutWindow(w, window);
  PutEye(w, window);
  return std::move(w.text);
}

}  // namespace app
