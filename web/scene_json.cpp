#include "web/scene_json.h"

#include <optional>
#include <utility>
#include <variant>

#include "app/constants.h"
#include "app/focus_mark.h"
#include "app/scene_fields.h"
#include "base/overloaded.h"

namespace web {
namespace {

// Writes one member of an object for each field a ForEachField visits.
struct FieldWriter {
  JsonWriter& json;

  void operator()(const char* key, const std::string& value) const {
    json.Key(key);
    json.String(value);
  }
  void operator()(const char* key, char value) const {
    json.Key(key);
    json.String(std::string(1, value));
  }
  void operator()(const char* key, int value) const {
    json.Key(key);
    json.Int(value);
  }
  void operator()(const char* key, app::Colour value) const {
    json.Key(key);
    json.Int(value);
  }
  void operator()(const char* key, double value) const {
    json.Key(key);
    json.Number(value);
  }
  void operator()(const char* key, bool value) const {
    json.Key(key);
    json.Bool(value);
  }
  void operator()(const char* key, std::optional<bool> value) const {
    json.Key(key);
    if (value) {
      json.Bool(*value);
    } else {
      json.Null();
    }
  }
  void operator()(const char* key, app::ControlKind kind) const { (*this)(key, std::string(app::KindName(kind))); }
  void operator()(const char* key, const app::PixelBox& b) const {
    json.Key(key);
    Pixels(b);
  }
  void operator()(const char* key, const app::Font& font) const;
  void operator()(const char* key, const app::PictureBox* box) const;

  void Pixels(const app::PixelBox& b) const {
    json.BeginArray();
    for (const int v : {b.Left, b.Top, b.Right, b.Bottom}) json.Int(v);
    json.EndArray();
  }
};

void Box(JsonWriter& json, const app::Rect& r) {
  json.Key("box");
  json.BeginArray();
  for (const float v : {r.Left, r.Top, r.Width, r.Height}) json.Number(v, app::kExactFloatDigits);
  json.EndArray();
}

void FieldWriter::operator()(const char* key, const app::Font& font) const {
  json.Key(key);
  json.BeginObject();
  (*this)("name", font.Name);
  (*this)("size", font.Size);
  (*this)("weight", font.Weight);
  (*this)("italic", font.Italic);
  (*this)("underline", font.Underline);
  (*this)("strike", font.Strikethrough);
  json.EndObject();
}

void Pair(JsonWriter& json, const char* key, app::Colour first, app::Colour second) {
  json.Key(key);
  json.BeginArray();
  json.Int(first);
  json.Int(second);
  json.EndArray();
}

// The picture box's look: its back, its sunken edge (rings of top-left and
// bottom-right shades, outer first, each this many pixels wide) and its
// pen; its strokes the page reads from the module's memory.
void FieldWriter::operator()(const char* key, const app::PictureBox* box) const {
  if (box == nullptr) return;
  using Edge = app::SunkenEdge;
  json.Key(key);
  json.BeginObject();
  (*this)("back", box->BackColor);
  (*this)("border", box->BorderPixels);
  (*this)("drawWidth", box->DrawWidth);
  json.Key("revision");
  json.Int(static_cast<long long>(box->Revision()));
  json.Key("edge");
  json.BeginObject();
  (*this)("ringPixels", Edge::kRingPixels);
  Pair(json, "outer", Edge::kOuterTopLeft, Edge::kOuterBottomRight);
  Pair(json, "inner", Edge::kInnerTopLeft, Edge::kInnerBottomRight);
  json.EndObject();
  json.EndObject();
}

void Surface(const FieldWriter& put, const app::SurfaceItem& item) {
  JsonWriter& json = put.json;
  json.BeginObject();
  std::visit(base::Overloaded{
                 [&](const app::LineItem& line) {
                   put("type", std::string("line"));
                   json.Key("ends");
                   json.BeginArray();
                   for (const float v : {line.X1, line.Y1, line.X2, line.Y2}) json.Number(v, app::kExactFloatDigits);
                   json.EndArray();
                   put("colour", line.colour);
                   put("width", line.widthPixels);
                 },
                 [&](const app::LabelItem& label) {
                   put("type", std::string("label"));
                   Box(json, label.box);
                   put("text", label.text);
                   put("font", label.font);
                   put("colour", label.colour);
                   put("back", label.back);
                 },
                 [&](const app::MarkerItem& marker) {
                   put("type", std::string("marker"));
                   Box(json, marker.box);
                   put("colour", marker.colour);
                   put("width", marker.widthPixels);
                 },
                 [&](const app::ImageItem& image) {
                   put("type", std::string("image"));
                   Box(json, image.box);
                   put("picture", image.picture);
                 },
             },
             item);
  json.EndObject();
}

// Where the control's focus mark goes, by the model's rule: the page draws
// it in its top layer while the control is not wholly in view.
void Mark(const FieldWriter& put, const app::Scene& scene, const app::ControlItem& c) {
  const std::optional<app::FocusMark> mark = app::FocusMarkOf(scene, c.name);
  if (!mark) return;
  put.json.Key("focusMark");
  put.json.BeginObject();
  put("inView", mark->inView);
  put("showing", mark->showing);
  put("box", mark->box);
  put.json.EndObject();
}

// The system colours as [system colour, colour] pairs.
void Palette(JsonWriter& json) {
  json.Key("palette");
  json.BeginArray();
  for (const app::PaletteEntry& entry : app::kStylePalette) {
    json.BeginArray();
    json.Int(entry.system);
    json.Int(entry.colour);
    json.EndArray();
  }
  json.EndArray();
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
  const FieldWriter put{json};
  WrittenScene written;
  for (const app::ControlItem& control : scene.controls) {
    written.revisions.push_back(control.picture != nullptr ? control.picture->Revision() : 0);
  }
  json.BeginObject();
  put("caption", scene.caption);
  put("width", scene.widthPixels);
  put("height", scene.heightPixels);
  put("back", scene.back);
  put("timerInterval", scene.timerInterval);
  json.Key("surface");
  json.BeginArray();
  for (std::size_t i = 0; i < scene.surface.size(); ++i) {
    if (i < before.scene.surface.size() && scene.surface[i] == before.scene.surface[i]) {
      json.Null();
    } else {
      Surface(put, scene.surface[i]);
    }
  }
  json.EndArray();
  json.Key("controls");
  json.BeginArray();
  for (std::size_t i = 0; i < scene.controls.size(); ++i) {
    if (SameControl(scene, i, written.revisions[i], before)) {
      json.Null();
    } else {
      json.BeginObject();
      app::ForEachField(scene.controls[i], put);
      Mark(put, scene, scene.controls[i]);
      json.EndObject();
    }
  }
  json.EndArray();
  json.Key("dragOutline");
  if (scene.dragOutline) {
    put.Pixels(*scene.dragOutline);
  } else {
    json.Null();
  }
  json.Key("announcement");
  json.BeginObject();
  put("text", scene.announcement.text);
  put("serial", scene.announcement.serial);
  json.EndObject();
  json.Key("views");
  json.BeginArray();
  for (const app::ViewItem& view : scene.views) {
    json.BeginObject();
    app::ForEachField(view, put);
    json.EndObject();
  }
  json.EndArray();
  Palette(json);
  json.EndObject();
  written.scene = std::move(scene);
  return written;
}

}  // namespace web
