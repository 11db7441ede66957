#include "app/state_text.h"

#include <span>

#include "app/constants.h"
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

  void Rect(const std::string& name, const app::Rect& r) {
    Put(name + ".Left", r.Left);
    Put(name + ".Top", r.Top);
    Put(name + ".Width", r.Width);
    Put(name + ".Height", r.Height);
  }
  void FontOf(const std::string& name, const Font& f) {
    Put(name + ".Name", f.Name);
    Put(name + ".Size", f.Size);
    Put(name + ".Weight", f.Weight);
    Put(name + ".Charset", f.Charset);
    Put(name + ".Italic", f.Italic);
    Put(name + ".Underline", f.Underline);
    Put(name + ".Strikethrough", f.Strikethrough);
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

void PutLine(Writer& w, const std::string& name, const Line& line) {
  w.Put(name + ".X1", line.X1);
  w.Put(name + ".Y1", line.Y1);
  w.Put(name + ".X2", line.X2);
  w.Put(name + ".Y2", line.Y2);
  w.Put(name + ".BorderColor", line.BorderColor);
  w.Put(name + ".BorderWidth", line.BorderWidth);
  w.Put(name + ".Visible", line.Visible);
}

void PutLabel(Writer& w, const std::string& name, const Label& label) {
  w.Rect(name, label);
  w.Put(name + ".Caption", label.Caption);
  w.FontOf(name + ".Font", label.FontSpec);
  w.Put(name + ".ForeColor", label.ForeColor);
  w.Put(name + ".BackColor", label.BackColor);
  w.Put(name + ".Visible", label.Visible);
}

void PutButton(Writer& w, const std::string& name, const CommandButton& button) {
  w.Rect(name, button);
  w.Put(name + ".Caption", button.Caption);
  w.FontOf(name + ".Font", button.FontSpec);
  w.Put(name + ".Visible", button.Visible);
  w.Put(name + ".TabIndex", button.TabIndex);
  w.Put(name + ".ToolTipText", button.ToolTipText);
}

void PutShape(Writer& w, const std::string& name, const Shape& shape) {
  w.Rect(name, shape);
  w.Put(name + ".BorderColor", shape.BorderColor);
  w.Put(name + ".BorderWidth", shape.BorderWidth);
  w.Put(name + ".Visible", shape.Visible);
}

template <class Control, class Put>
void PutArray(Writer& w, const char* name, const ControlArray<Control>& array, Put put) {
  for (const Control& control : array) put(w, Indexed(name, control.Index), control);
}

void PutCommandColumn(Writer& w, const Form1& f) {
  PutButton(w, "cmdRC", f.cmdRC);
  PutButton(w, "cmdRandom", f.cmdRandom);
  PutButton(w, "cmdSorvane", f.cmdSorvane);
  PutButton(w, "cmdRotate", f.cmdRotate);
  PutButton(w, "cmdShift", f.cmdShift);
  const HScrollBar& bar = f.hscAlpha;
  w.Rect("hscAlpha", bar);
  w.Put("hscAlpha.Min", bar.Min);
  w.Put("hscAlpha.Max", bar.Max);
  w.Put("hscAlpha.SmallChange", bar.SmallChange);
  w.Put("hscAlpha.LargeChange", bar.LargeChange);
  w.Put("hscAlpha.Value", bar.Value);
  w.Put("hscAlpha.TabIndex", bar.TabIndex);
  w.Put("hscAlpha.ToolTipText", bar.ToolTipText);
  PutLabel(w, "lblAlpha", f.lblAlpha);
}

void PutImpulsePanel(Writer& w, const Form1& f) {
  const CheckBox& check = f.chkMemory;
  w.Rect("chkMemory", check);
  w.Put("chkMemory.Caption", check.Caption);
  w.FontOf("chkMemory.Font", check.FontSpec);
  w.Put("chkMemory.ForeColor", check.ForeColor);
  w.Put("chkMemory.Value", check.Value);
  w.Put("chkMemory.TabIndex", check.TabIndex);
  w.Put("chkMemory.ToolTipText", check.ToolTipText);
  const PictureBox& box = f.picSpectrum;
  w.Rect("picSpectrum", box);
  w.Put("picSpectrum.BackColor", box.BackColor);
  w.Put("picSpectrum.ForeColor", box.ForeColor);
  w.Put("picSpectrum.BorderPixels", box.BorderPixels);
  w.Put("picSpectrum.TabIndex", box.TabIndex);
  w.Put("picSpectrum.Revision", box.Revision());
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
  w.Rect("imgVesk", f.imgVesk);
  w.Put("imgVesk.Picture", f.imgVesk.Picture);
  w.Put("Timer1.Interval", f.Timer1.Interval);
  w.Put("Timer1.Enabled", f.Timer1.Enabled);
}

void PutSpectrumPanel(Writer& w, const Form1& f) {
  PutLine(w, "Line1", f.Line1);
  PutLine(w, "Line2", f.Line2);
  PutLine(w, "Line3", f.Line3);
  PutLine(w, "Line4", f.Line4);
  PutLine(w, "Line5", f.Line5);
  PutLine(w, "Line6", f.Line6);
  PutLabel(w, "Label1", f.Label1);
  PutLabel(w, "Label2", f.Label2);
  PutArray(w, "lblAt", f.lblAt, PutLabel);
  PutArray(w, "cmdSource", f.cmdSource, PutButton);
  PutArray(w, "cmdShape", f.cmdShape, PutShape);
  PutArray(w, "lneFreq", f.lneFreq, PutLine);
  PutArray(w, "lneShift", f.lneShift, PutLine);
  PutArray(w, "lneRotate", f.lneRotate, PutLine);
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
// announced last, the generator and the messages it has shown.
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
