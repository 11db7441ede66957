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

ControlItem CommandItem(const char* name, const CommandButton& button,
                        std::string description = "", std::optional<bool> pressed = std::nullopt) {
  ControlItem item = Base(name, ControlKind::kCommandButton, button, button.TabIndex,
                          button.ToolTipText);
  item.caption = button.Caption;
  item.font = button.FontSpec;
  item.visible = button.Visible;
  item.accessibleName = button.Caption;
  item.accessibleDescription = std::move(description);
  item.pressed = pressed;
  return item;
}

ControlItem PointItem(const Form1& form, int index, bool words) {
  const CommandButton& point = form.cmdSource(index);
  ControlItem item = Base("cmdSource" + std::to_string(index), ControlKind::kControlPoint, point,
                          point.TabIndex, point.ToolTipText);
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

ControlItem ScrollBarItem(const Form1& form, bool words) {
  const HScrollBar& bar = form.hscAlpha;
  ControlItem item = Base("hscAlpha", ControlKind::kScrollBar, bar, bar.TabIndex, bar.ToolTipText);
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

ControlItem CheckBoxItem(const Form1& form, bool words) {
  const CheckBox& box = form.chkMemory;
  ControlItem item = Base("chkMemory", ControlKind::kCheckBox, box, box.TabIndex, box.ToolTipText);
  item.caption = box.Caption;
  item.font = box.FontSpec;
  item.foreColor = box.ForeColor;
  item.accessibleName = box.Caption;
  if (words) item.accessibleDescription = form.MemoryDescription();
  item.value = box.Value;
  item.maximum = 1;
  return item;
}

ControlItem PictureItem(const Form1& form, int readOut, bool words) {
  const PictureBox& box = form.picSpectrum;
  ControlItem item = Base("picSpectrum", ControlKind::kPictureBox, box, box.TabIndex, "");
  item.picture = &box;
  if (!words) return item;
  item.accessibleName = form.ImpulseName();
  item.accessibleDescription = form.ImpulseDescription();
  item.value = readOut;
  item.maximum = plot::kPlotSamples - 1;
  item.smallChange = 1;
  item.largeChange = plot::kPlotSamples / plot::kGridDivisions;  // a symbol period
  item.valueText = form.ImpulseReadOut(readOut);
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
  std::vector<ControlItem> controls;
  constexpr int kOtherControls = 9;  // the command column, Memory and the plot
  controls.reserve(form.cmdSource.Count() + kOtherControls);
  for (int i = 0; i <= 7; ++i) controls.push_back(PointItem(form, i, said));
  controls.push_back(PictureItem(form, readOut, said));
  controls.push_back(CheckBoxItem(form, said));
  controls.push_back(CommandItem("cmdSorvane", form.cmdSorvane));
  controls.push_back(PointItem(form, 8, said));
  controls.push_back(CommandItem("cmdRandom", form.cmdRandom));
  controls.push_back(CommandItem("cmdRotate", form.cmdRotate, said ? form.RotateDescription() : "",
                                 form.RotatePressed()));
  controls.push_back(CommandItem("cmdShift", form.cmdShift, said ? form.ShiftDescription() : "",
                                 form.ShiftPressed()));
  controls.push_back(CommandItem("cmdRC", form.cmdRC));
  controls.push_back(ScrollBarItem(form, said));
  return controls;
}

}  // namespace app
