// The model as the page drives it: one window, one plain C function per
// intent, and the scene, the messages and the state handed over as text.
// Plain exports rather than generated bindings: nothing for the page to
// free, and a smaller module. Every function runs to its end; the model's
// run-time errors are caught in app::Window and become message texts.
#include <emscripten/emscripten.h>

#include <map>
#include <string>
#include <vector>

#include "app/hairlines.h"
#include "app/intent_text.h"
#include "app/state_text.h"
#include "app/window.h"
#include "web/json_writer.h"
#include "web/scene_json.h"

namespace {

struct Page {
  app::Window window;
  web::JsonWriter json;
  // Each scene as the page last had it, by view name ("" the lesson).
  std::map<std::string, web::WrittenScene, std::less<>> written;
  std::vector<std::uint32_t> pixels;  // the last hairline picture handed over
  std::string text;           // the last text handed over; valid until the next call
  std::string log;            // the intents applied, one a line, while recording
  bool recording = false;
  std::size_t messagesShown = 0;  // messages already handed to the page
};

Page& ThePage() {
  static Page page;
  return page;
}

int Apply(const app::Intent& intent) {
  Page& page = ThePage();
  if (page.recording) {
    page.log += app::IntentText(intent);
    page.log += '\n';
  }
  return page.window.Apply(intent) ? 1 : 0;
}

const char* Hand(std::string text) {
  ThePage().text = std::move(text);
  return ThePage().text.c_str();
}

// The picture box of that control in the scene of `view` last handed over.
const app::PictureBox* PictureOf(const char* view, const char* control) {
  const auto scene = ThePage().written.find(std::string_view(view));
  if (scene == ThePage().written.end()) return nullptr;
  const app::ControlItem* item = scene->second.scene.Find(control);
  return item != nullptr ? item->picture : nullptr;
}

}  // namespace

extern "C" {

/// Starts (1) or stops (0) keeping the record of intents that sv_log returns.
EMSCRIPTEN_KEEPALIVE void sv_record(int on) { ThePage().recording = on != 0; }

/// Each intent of app/intent.h; positions in window twips. Returns 1 when
/// the window ran it, 0 when it was dropped or ignored.
EMSCRIPTEN_KEEPALIVE int sv_load() { return Apply(app::Load{}); }
EMSCRIPTEN_KEEPALIVE int sv_press(int index, int button, int shift, double x, double y) {
  return Apply(app::Press{index, button, shift, x, y});
}
EMSCRIPTEN_KEEPALIVE int sv_move(double x, double y) { return Apply(app::Move{x, y}); }
EMSCRIPTEN_KEEPALIVE int sv_release(int button, double x, double y) {
  return Apply(app::Release{button, x, y});
}
EMSCRIPTEN_KEEPALIVE int sv_cancel() { return Apply(app::Cancel{}); }
EMSCRIPTEN_KEEPALIVE int sv_click(const char* control) { return Apply(app::Click{control}); }
EMSCRIPTEN_KEEPALIVE int sv_set_value(const char* control, double value) {
  return Apply(app::SetValue{control, value});
}
EMSCRIPTEN_KEEPALIVE int sv_key(const char* control, int keyCode, int shift) {
  return Apply(app::Key{control, keyCode, shift});
}
EMSCRIPTEN_KEEPALIVE int sv_tick() { return Apply(app::Tick{}); }
EMSCRIPTEN_KEEPALIVE int sv_show(const char* view, int shown) { return Apply(app::ShowView{view, shown != 0}); }

/// The scene of the lesson (view "") or of the view of that name beside it
/// ("eye") as JSON text (web/scene_json.h), with what did not change since
/// the last call for that view as null. A name that is no view gives an
/// empty scene.
EMSCRIPTEN_KEEPALIVE const char* sv_view_scene(const char* view) {
  Page& page = ThePage();
  const std::string_view name(view);
  web::WrittenScene& before = page.written[std::string(name)];
  page.json.Clear();
  before = web::WriteScene(page.json, name.empty() ? page.window.View() : page.window.View(name), before);
  return page.json.Text().c_str();
}

/// The strokes of picture box `control` of a view, as its scene was last
/// handed over by sv_view_scene, in the module's memory: sv_stroke_count
/// records of four floats (X1, Y1, X2, Y2 twips) and one 32-bit colour.
/// None for a control that is no picture. Valid until the next call of any
/// other function.
EMSCRIPTEN_KEEPALIVE const app::Stroke* sv_strokes(const char* view, const char* control);
EMSCRIPTEN_KEEPALIVE int sv_stroke_count(const char* view, const char* control);

/// The picture box `control` of a view, as its scene was last handed over,
/// drawn as hairlines (app/hairlines.h) over its back colour into `width`
/// x `height` device pixels (each at most 16384) at `devicePixelsPerTwip`:
/// 32-bit pixels, red in the lowest byte, row after row, in the module's
/// memory. None (0) for a control that is no picture or a size out of
/// range. Valid until the next call of any other function.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* sv_hairlines(const char* view, const char* control, int width, int height,
                                                       double devicePixelsPerTwip);

/// The messages shown since the last call, as a JSON array of strings.
EMSCRIPTEN_KEEPALIVE const char* sv_messages() {
  Page& page = ThePage();
  const auto& messages = page.window.platform.messages;
  web::JsonWriter json;
  json.BeginArray();
  for (; page.messagesShown < messages.size(); ++page.messagesShown) {
    json.String(messages[page.messagesShown]);
  }
  json.EndArray();
  return Hand(json.Text());
}

/// The read-out of the lesson's picture box `control` for a pointer
/// `xTwips` from its inner left edge; empty for one without a read-out.
EMSCRIPTEN_KEEPALIVE const char* sv_read_out_at(const char* control, double xTwips) {
  return Hand(ThePage().window.ReadOutAt(control, xTwips));
}

/// Everything the window holds (app/state_text.h), and the record of
/// intents.
EMSCRIPTEN_KEEPALIVE const char* sv_state() { return Hand(app::StateText(ThePage().window)); }
EMSCRIPTEN_KEEPALIVE const char* sv_log() { return ThePage().log.c_str(); }

const app::Stroke* sv_strokes(const char* view, const char* control) {
  const app::PictureBox* picture = PictureOf(view, control);
  return picture != nullptr ? picture->Strokes().data() : nullptr;
}
const std::uint32_t* sv_hairlines(const char* view, const char* control, int width, int height,
                                  double devicePixelsPerTwip) {
  constexpr int kLargest = 16384;
  const app::PictureBox* picture = PictureOf(view, control);
  if (picture == nullptr || width <= 0 || height <= 0 || width > kLargest || height > kLargest ||
      !(devicePixelsPerTwip > 0)) {
    return nullptr;
  }
  std::vector<std::uint32_t>& pixels = ThePage().pixels;
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                app::StylePixelOf(picture->BackColor));
  app::DrawHairlines({pixels.data(), width, width, height}, picture->Strokes(), devicePixelsPerTwip, app::StylePixelOf);
  return pixels.data();
}
int sv_stroke_count(const char* view, const char* control) {
  const app::PictureBox* picture = PictureOf(view, control);
  return picture != nullptr ? static_cast<int>(picture->Strokes().size()) : 0;
}

}  // extern "C"
static_assert(sizeof(app::Stroke) == 20, "the page reads strokes as five 32-bit words");
