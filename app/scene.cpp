#include "app/scene.h"

#include "app/constants.h"
#include "app/form1.h"
#include "plot/constants.h"

namespace app {
namespace {

LineItem ItemOf(const Line& line) {
  return {line.X1, line.Y1, line.X2, line.Y2, line.BorderColor, line.BorderWidth};
}

LabelItem ItemOf(const Label& label) {
  return {label, label.Caption, label.FontSpec, label.ForeColor, label.BackColor};
}

MarkerItem ItemOf(const Shape& marker) { return {marker, marker.BorderColor, marker.BorderWidth}; }

ImageItem ItemOf(const Image& image) { return {image, image.Picture}; }

template <class Control>
void Add(std::vector<SurfaceItem>& surface, const Control& control) {
  if (control.Visible) surface.emplace_back(ItemOf(control));
}

template <class Control>
void AddAll(std::vector<SurfaceItem>& surface, const ControlArray<Control>& array) {
  for (const Control& control : array) Add(surface, control);
}

ControlItem Base(std::string name, ControlKind kind, const Rect& box, int tabIndex,
                 std::string toolTip) {
  ControlItem item;
  item.name = std::move(name);
  item.kind = kind;
  item.box = PixelsOf(box);
  item.tabIndex = tabIndex;
  item.toolTip = std::move(toolTip);
  return item;
}

ControlItem CommandItem(const Form1& form, const ControlEntry& entry, bool words) {
  const CommandButton& button = form.*entry.button;
  ControlItem item = Base(std::string(entry.name), ControlKind::kCommandButton, button, button.TabIndex,
                          button.ToolTipText);
  item.caption = button.Caption;
  item.font = button.FontSpec;
  item.visible = button.Visible;
  item.accessibleName = button.Caption;
  if (entry.pressed != nullptr) item.pressed = (form.*entry.pressed)();
  if (entry.describe != nullptr && words) item.accessibleDescription = (form.*entry.describe)();
  return item;
}

ControlItem PointItem(const Form1& form, const ControlEntry& entry, bool words) {
  const int index = entry.index;
  const CommandButton& point = form.cmdSource(index);
  ControlItem item = Base(std::string(entry.name), ControlKind::kControlPoint, point, point.TabIndex,
                          point.ToolTipText);
  item.index = index;
  item.font = point.FontSpec;
  item.visible = point.Visible;
  if (!words) return item;
  item.accessibleName = form.PointName(index);
  item.accessibleDescription = form.PointDescription(index);
  item.value = form.PointGain(index);
  item.minimum = form.PointGainRange().first;
  item.maximum = form.PointGainRange().second;
  item.smallChange = form.PointGainSteps().first;
  item.largeChange = form.PointGainSteps().second;
  item.valueText = form.PointValueText(index);
  return item;
}

ControlItem ScrollBarItem(const Form1& form, const ControlEntry& entry, bool words) {
  const HScrollBar& bar = form.hscAlpha;
  ControlItem item = Base(std::string(entry.name), ControlKind::kScrollBar, bar, bar.TabIndex, bar.ToolTipText);
  if (!words) return item;
  item.accessibleName = form.AlphaName();
  item.accessibleDescription = form.AlphaValueText();
  item.value = bar.Value;
  item.minimum = bar.Min;
  item.maximum = bar.Max;
  item.smallChange = bar.SmallChange;
  item.largeChange = bar.LargeChange;
  item.valueText = form.AlphaValueText();
  return item;
}

ControlItem CheckBoxItem(const Form1& form, const ControlEntry& entry, bool words) {
  const CheckBox& box = form.chkMemory;
  ControlItem item = Base(std::string(entry.name), ControlKind::kCheckBox, box, box.TabIndex, box.ToolTipText);
  item.caption = box.Caption;
  item.font = box.FontSpec;
  item.foreColor = box.ForeColor;
  item.accessibleName = box.Caption;
  if (words) item.accessibleDescription = form.MemoryDescription();
  item.value = box.Value;
  item.maximum = 1;
  return item;
}

ControlItem PictureItem(const Form1& form, const ControlEntry& entry, int readOut, bool words) {
  const PictureBox& box = form.picSpectrum;
  ControlItem item = Base(std::string(entry.name), ControlKind::kPictureBox, box, box.TabIndex, "");
  item.picture = &box;
  if (!words) return item;
  item.accessibleName = form.ImpulseName();
  item.accessibleDescription = form.ImpulseDescription();
  item.value = readOut;
  item.maximum = plot::kPlotSamples - 1;
  item.smallChange = 1;
  item.largeChange = plot::kPlotSamples / plot::kGridDivisions;  // a symbol period
  item.valueText = form.ImpulseReadOut(readOut);
  item.readOutOffset = box.BorderPixels + static_cast<double>(box.ScaleWidth()) * readOut /
                                              plot::kPlotSamples / kTwipsPerPixel;
  return item;
}

}  // namespace

const ControlItem* Scene::Find(std::string_view name) const {
  for (const ControlItem& control : controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

std::vector<SurfaceItem> SurfaceOf(const Form1& form) {
  std::vector<SurfaceItem> surface;
  // The axes and captions, the image, and the arrays of labels, markers and
  // lines.
  constexpr int kSingleItems = 10;
  surface.reserve(kSingleItems + form.lblAt.Count() + form.cmdShape.Count() + form.lneFreq.Count() +
                  form.lneRotate.Count() + form.lneShift.Count());
  Add(surface, form.Line1);
  Add(surface, form.Line2);
  Add(surface, form.Label1);
  Add(surface, form.Line3);
  Add(surface, form.Line4);
  Add(surface, form.Line5);
  Add(surface, form.Line6);
  Add(surface, form.Label2);
  AddAll(surface, form.lblAt);
  surface.emplace_back(ItemOf(form.imgVesk));
  AddAll(surface, form.cmdShape);
  AddAll(surface, form.lneFreq);
  AddAll(surface, form.lneRotate);
  AddAll(surface, form.lneShift);
  Add(surface, form.lblAlpha);
  return surface;
}

std::vector<ControlItem> ControlsOf(const Form1& form, int readOut, Words words) {
  const bool said = words == Words::kSaid;
  const std::span<const ControlEntry> entries = LessonControls();
  std::vector<ControlItem> controls;
  controls.reserve(entries.size());
  for (const ControlEntry& entry : entries) {
    switch (entry.kind) {
      case ControlKind::kCommandButton: controls.push_back(CommandItem(form, entry, said)); break;
      case ControlKind::kControlPoint: controls.push_back(PointItem(form, entry, said)); break;
      case ControlKind::kScrollBar: controls.push_back(ScrollBarItem(form, entry, said)); break;
      case ControlKind::kCheckBox: controls.push_back(CheckBoxItem(form, entry, said)); break;
      case ControlKind::kPictureBox: controls.push_back(PictureItem(form, entry, readOut, said)); break;
    }
  }
  return controls;
}

}  // namespace app
