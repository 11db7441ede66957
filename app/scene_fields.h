#pragma once

#include "app/scene.h"

// The fields of a scene's windowed controls and views, named and listed
// once, by the names a front end reads them by (web/page/types.d.ts): the
// scene's JSON for the page writes them from here, so that a field added
// to the scene reaches the page, and a check of the declared types finds
// any the page does not know. Each ForEachField calls visit(name, value)
// for every field, in a fixed order.

namespace app {

template <class Visit>
void ForEachField(const ControlItem& c, Visit&& visit) {
  visit("name", c.name);
  visit("kind", c.kind);
  visit("index", c.index);
  visit("box", c.box);
  visit("caption", c.caption);
  visit("font", c.font);
  visit("fore", c.foreColor);
  visit("visible", c.visible);
  visit("enabled", c.enabled);
  visit("tabIndex", c.tabIndex);
  visit("pressed", c.pressed);
  visit("accessibleName", c.accessibleName);
  visit("accessibleDescription", c.accessibleDescription);
  visit("toolTip", c.toolTip);
  visit("value", c.value);
  visit("min", c.minimum);
  visit("max", c.maximum);
  visit("smallChange", c.smallChange);
  visit("largeChange", c.largeChange);
  visit("valueText", c.valueText);
  visit("readOutOffset", c.readOutOffset);
  visit("picture", c.picture);
}

template <class Visit>
void ForEachField(const ViewItem& v, Visit&& visit) {
  visit("name", v.name);
  visit("caption", v.caption);
  visit("key", v.key);
  visit("menuOf", v.menuOf);
  visit("shown", v.shown);
}

/// The name a front end knows a kind of control by.
constexpr const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kCommandButton: return "button";
    case ControlKind::kControlPoint: return "point";
    case ControlKind::kScrollBar: return "scrollbar";
    case ControlKind::kCheckBox: return "checkbox";
    case ControlKind::kPictureBox: return "picture";
  }
  return "button";
}

}  // namespace app
