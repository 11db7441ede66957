#pragma once

#include "app/controls.h"
#include "app/picture_box.h"

// The properties of each kind of control, named and listed once: whatever
// writes a control out field by field (the state text) visits them here,
// so that a property added to a control is written wherever controls are.
// Each ForEachField calls visit(name, value) for every property, in a
// fixed order; a value may itself be a Font, which has fields of its own.

namespace app {

template <class Visit>
void ForEachField(const Font& f, Visit&& visit) {
  visit("Name", f.Name);
  visit("Size", f.Size);
  visit("Weight", f.Weight);
  visit("Charset", f.Charset);
  visit("Italic", f.Italic);
  visit("Underline", f.Underline);
  visit("Strikethrough", f.Strikethrough);
}

template <class Visit>
void ForEachField(const Rect& r, Visit&& visit) {
  visit("Left", r.Left);
  visit("Top", r.Top);
  visit("Width", r.Width);
  visit("Height", r.Height);
}

template <class Visit>
void ForEachField(const Line& line, Visit&& visit) {
  visit("X1", line.X1);
  visit("Y1", line.Y1);
  visit("X2", line.X2);
  visit("Y2", line.Y2);
  visit("BorderColor", line.BorderColor);
  visit("BorderWidth", line.BorderWidth);
  visit("Visible", line.Visible);
}

template <class Visit>
void ForEachField(const Label& label, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(label), visit);
  visit("Caption", label.Caption);
  visit("Font", label.FontSpec);
  visit("ForeColor", label.ForeColor);
  visit("BackColor", label.BackColor);
  visit("Visible", label.Visible);
}

template <class Visit>
void ForEachField(const CommandButton& button, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(button), visit);
  visit("Caption", button.Caption);
  visit("Font", button.FontSpec);
  visit("Visible", button.Visible);
  visit("TabIndex", button.TabIndex);
  visit("ToolTipText", button.ToolTipText);
}

template <class Visit>
void ForEachField(const Shape& shape, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(shape), visit);
  visit("BorderColor", shape.BorderColor);
  visit("BorderWidth", shape.BorderWidth);
  visit("Visible", shape.Visible);
}

template <class Visit>
void ForEachField(const HScrollBar& bar, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(bar), visit);
  visit("Min", bar.Min);
  visit("Max", bar.Max);
  visit("SmallChange", bar.SmallChange);
  visit("LargeChange", bar.LargeChange);
  visit("Value", bar.Value);
  visit("TabIndex", bar.TabIndex);
  visit("ToolTipText", bar.ToolTipText);
}

template <class Visit>
void ForEachField(const CheckBox& check, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(check), visit);
  visit("Caption", check.Caption);
  visit("Font", check.FontSpec);
  visit("ForeColor", check.ForeColor);
  visit("Value", check.Value);
  visit("TabIndex", check.TabIndex);
  visit("ToolTipText", check.ToolTipText);
}

/// The picture box's properties; its strokes are its drawing, not fields.
template <class Visit>
void ForEachField(const PictureBox& box, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(box), visit);
  visit("BackColor", box.BackColor);
  visit("ForeColor", box.ForeColor);
  visit("BorderPixels", box.BorderPixels);
  visit("DrawWidth", box.DrawWidth);
  visit("TabIndex", box.TabIndex);
  visit("Revision", box.Revision());
}

template <class Visit>
void ForEachField(const Image& image, Visit&& visit) {
  ForEachField(static_cast<const Rect&>(image), visit);
  visit("Picture", image.Picture);
}

template <class Visit>
void ForEachField(const Timer& timer, Visit&& visit) {
  visit("Interval", timer.Interval);
  visit("Enabled", timer.Enabled);
}

}  // namespace app
