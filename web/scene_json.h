#pragma once

#include "app/scene.h"
#include "web/json_writer.h"

namespace web {

/// Writes `scene` as one JSON object for the page: caption, client size,
/// back colour, timer interval, the surface bottom to top, the windowed
/// controls bottom to top (their fields as app/scene_fields.h lists them),
/// the drag outline (null when none), the announcement, the views offered
/// beside it and the palette of system colours. Colours are the model's
/// numbers (a system colour keeps its flag bit); boxes of surface items
/// are [left, top, width, height] in twips, of controls [left, top, right,
/// bottom] in pixels. The picture box's strokes are not in it: the page
/// reads them straight from the module's memory.
void WriteScene(JsonWriter& json, const app::Scene& scene);

}  // namespace web
