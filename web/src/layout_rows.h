// A control table as the page reads it to make its elements: one plain
// object per row.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "platform/control_table.h"

namespace web {

// {name, kind, caption, textColour, background, group, checked, maxLength,
// minimum, maximum, position, section, accessibleCaption}: kind is "button",
// "option", "textBox", "readOnlyBox", "multiLineBox", "label", "frame",
// "panel", "upDown", "checkBox" or "dropDown"; colours are CSS colours, ""
// for the control's default; group names the first option of an option's
// group; section is the page's section ("settings", "input", "statistics",
// "words", "half-waves", "numbers", "range", "report", "number-page"),
// "window-only" for a control the page leaves out on purpose and "" for a
// row it does not show. Names carry the window's prefix (see HostForm).
emscripten::val RowsOf(const platform::FormLayout& form, const std::string& prefix);

}  // namespace web
