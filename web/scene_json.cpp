#include "web/scene_json.h"

#include <optional>
#include <utility>
#include <variant>

#include "app/constants.h"
#include "app/focus_mark.h"
#include "base/overloaded.h"

namespace web {
namespace {

void Box(JsonWriter& json, const app::Rect& r) {
  json.Key("box");
  json.BeginArray();
  for (const float v : {r.Left, r.Top, r.Width, r.Height}) json.Number(v, app::kExactFloatDigits);
  json.EndArray();
}

void Pixels(JsonWriter& json, const char* key, const app::PixelBox& b) {
  json.Key(key);
  json.BeginArray();
  for (const int v : {b.Left, b.Top, b.Right, b.Bottom}) json.Int(v);
  json.EndArray();
}

void FontOf(JsonWriter& json, const app::Font& font) {
  json.Key("font");
  json.BeginObject();
  json.Key("name");
  json.String(font.Name);
  json.Key("size");
  json.Number(font.Size);
  json.Key("weight");
  json.Int(font.Weight);
  json.Key("italic");
  json.Bool(font.Italic);
  json.Key("underline");
  json.Bool(font.Underline);
  json.Key("strike");
  json.Bool(font.Strikethrough);
  json.EndObject();
}

void Member(JsonWriter& json, const char* key, const std::string& value) {
  json.Key(key);
  json.String(value);
}

void Member(JsonWriter& json, const char* key, long long value) {
  json.Key(key);
  json.Int(value);
}

void Member(JsonWriter& json, const char* key, double value) {
  json.Key(key);
  json.Number(value);
}

void Surface(JsonWriter& json, const app::SurfaceItem& item) {
  json.BeginObject();
  std::visit(base::Overloaded{
                 [&](const app::LineItem& line) {
                   Member(json, "type", std::string("line"));
                   json.Key("ends");
                   json.BeginArray();
                   for (const float v : {line.X1, line.Y1, line.X2, line.Y2}) json.Number(v, app::kExactFloatDigits);
                   json.EndArray();
                   Member(json, "colour", static_cast<long long>(line.colour));
                   Member(json, "width", static_cast<long long>(line.widthPixels));
                 },
                 [&](const app::LabelItem& label) {
                   Member(json, "type", std::string("label"));
                   Box(json, label.box);
                   Member(json, "text", label.text);
                   FontOf(json, label.font);
                   Member(json, "colour", static_cast<long long>(label.colour));
                   Member(json, "back", static_cast<long long>(label.back));
                 },
                 [&](const app::MarkerItem& marker) {
                   Member(json, "type", std::string("marker"));
                   Box(json, marker.box);
                   Member(json, "colour", static_cast<long long>(marker.colour));
                   Member(json, "width", static_cast<long long>(marker.widthPixels));
                 },
                 [&](const app::ImageItem& image) {
                   Member(json, "type", std::string("image"));
                   Box(json, image.box);
                   Member(json, "picture", image.picture);
                 },
             },
             item);
  json.EndObject();
}

const char* KindName(app::ControlKind kind) {
  switch (kind) {
    case app::ControlKind::kCommandButton: return "button";
    case app::ControlKind::kControlPoint: return "point";
    case app::ControlKind::kScrollBar: return "scrollbar";
    case app::ControlKind::kCheckBox: return "checkbox";
    case app::ControlKind::kPictureBox: return "picture";
  }
  return "button";
}

void Picture(JsonWriter& json, const app::PictureBox& box) {
  json.Key("picture");
  json.BeginObject();
  Member(json, "back", static_cast<long long>(box.BackColor));
  Member(json, "border", static_cast<long long>(box.BorderPixels));
  Member(json, "revision", static_cast<long long>(box.Revision()));
  json.EndObject();
}

// Where the control's focus mark goes, by the model's rule: the page draws
// it in its top layer while the control is not wholly in view.
void Mark(JsonWriter& json, const app::Scene& scene, const app::ControlItem& c) {
  const std::optional<app::FocusMark> mark = app::FocusMarkOf(scene, c.name);
  if (!mark) return;
  json.Key("focusMark");
  json.BeginObject();
  json.Key("inView");
  json.Bool(mark->inView);
  json.Key("showing");
  json.Bool(mark->showing);
  Pixels(json, "box", mark->box);
  json.EndObject();
}

void Control(JsonWriter& json, const app::Scene& scene, const app::ControlItem& c) {
  json.BeginObject();
  Member(json, "name", c.name);
  Member(json, "kind", std::string(KindName(c.kind)));
  Member(json, "index", static_cast<long long>(c.index));
  Pixels(json, "box", c.box);
  Member(json, "caption", c.caption);
  FontOf(json, c.font);
  Member(json, "fore", static_cast<long long>(c.foreColor));
  json.Key("visible");
  json.Bool(c.visible);
  json.Key("enabled");
  json.Bool(c.enabled);
  Member(json, "tabIndex", static_cast<long long>(c.tabIndex));
  json.Key("pressed");
  if (c.pressed) {
    json.Bool(*c.pressed);
  } else {
    json.Null();
  }
  Member(json, "accessibleName", c.accessibleName);
  Member(json, "accessibleDescription", c.accessibleDescription);
  Member(json, "toolTip", c.toolTip);
  Member(json, "value", c.value);
  Member(json, "min", c.minimum);
  Member(json, "max", c.maximum);
  Member(json, "smallChange", c.smallChange);
  Member(json, "largeChange", c.largeChange);
  Member(json, "valueText", c.valueText);
  if (c.picture != nullptr) Picture(json, *c.picture);
  Mark(json, scene, c);
  json.EndObject();
}

// Whether control `i` of `scene` shows just as it did in `before`.
bool SameControl(const app::Scene& scene, std::size_t i, std::uint64_t revision,
                 const WrittenScene& before) {
  if (i >= before.scene.controls.size()) return false;
  const app::ControlItem& control = scene.controls[i];
  return control == before.scene.controls[i] && revision == before.revisions[i] &&
         app::FocusMarkOf(scene, control.name) == app::FocusMarkOf(before.scene, control.name);
}

}  // namespace

WrittenScene WriteScene(JsonWriter& json, app::Scene scene, const WrittenScene& before) {
  WrittenScene written;
  for (const app::ControlItem& control : scene.controls) {
    written.revisions.push_back(control.picture != nullptr ? control.picture->Revision() : 0);
  }
  json.BeginObject();
  Member(json, "caption", scene.caption);
  Member(json, "width", static_cast<long long>(scene.widthPixels));
  Member(json, "height", static_cast<long long>(scene.heightPixels));
  Member(json, "back", static_cast<long long>(scene.back));
  Member(json, "timerInterval", static_cast<long long>(scene.timerInterval));
  json.Key("surface");
  json.BeginArray();
  for (std::size_t i = 0; i < scene.surface.size(); ++i) {
    if (i < before.scene.surface.size() && scene.surface[i] == before.scene.surface[i]) {
      json.Null();
    } else {
      Surface(json, scene.surface[i]);
    }
  }
  json.EndArray();
  json.Key("controls");
  json.BeginArray();
  for (std::size_t i = 0; i < scene.controls.size(); ++i) {
    if (SameControl(scene, i, written.revisions[i], before)) {
      json.Null();
    } else {
      Control(json, scene, scene.controls[i]);
    }
  }
  json.EndArray();
  json.Key("dragOutline");
  if (scene.dragOutline) {
    json.BeginArray();
    for (const int v : {scene.dragOutline->Left, scene.dragOutline->Top, scene.dragOutline->Right,
                        scene.dragOutline->Bottom}) {
      json.Int(v);
    }
    json.EndArray();
  } else {
    json.Null();
  }
  json.Key("announcement");
  json.BeginObject();
  Member(json, "text", scene.announcement.text);
  Member(json, "serial", static_cast<long long>(scene.announcement.serial));
  json.EndObject();
  json.EndObject();
  written.scene = std::move(scene);
  return written;
}

}  // namespace web
