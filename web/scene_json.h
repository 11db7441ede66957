#pragma once

#include <cstdint>
#include <vector>

#include "app/scene.h"
#include "web/json_writer.h"

namespace web {

/// The scene as the page was last handed it: what the next WriteScene need
/// not write again. Empty before the first.
struct WrittenScene {
  app::Scene scene;
  std::vector<std::uint64_t> revisions;  // each control's picture revision then; 0 for none
};

/// Writes `scene` as one JSON object for the page: caption, client size,
/// back colour, timer interval, the surface bottom to top, the windowed
/// controls bottom to top (their fields as app/scene_fields.h lists them),
/// the drag outline (null when none), the announcement, the views offered
/// beside it and the palette of system colours. Colours are the model's
/// numbers (a system colour keeps its flag bit); boxes of surface items
/// are [left, top, width, height] in twips, of controls [left, top, right,
/// bottom] in pixels. The picture box's strokes are not in it: the page
/// reads them straight from the module's memory.
/// A surface item or control just as in `before` (at the same place in its
/// list; a control with the same focus mark and its picture at the same
/// revision) is written as null: the page keeps what it was handed then.
/// Returns what was written, the `before` of the next scene.
WrittenScene WriteScene(JsonWriter& json, app::Scene scene, const WrittenScene& before);

}  // namespace web
