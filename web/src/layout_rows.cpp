#include "layout_rows.h"

#include <array>
#include <string>

namespace web {

namespace {

using emscripten::val;
using platform::ControlKind;

constexpr std::array<const char*, 11> kKindNames = {
    "button", "option", "textBox", "readOnlyBox", "multiLineBox", "label",
    "frame",  "panel",  "upDown",  "checkBox",    "dropDown",
};
static_assert(static_cast<std::size_t>(ControlKind::kDropDown) + 1 == kKindNames.size());

// The page's names of the sections; "" for a row the page does not show.
constexpr std::array<const char*, 11> kSectionNames = {
    "",           "window-only", "settings", "input",  "statistics",  "words",
    "half-waves", "numbers",     "range",    "report", "number-page",
};
static_assert(static_cast<std::size_t>(platform::PageSection::kNumberPage) + 1 ==
              kSectionNames.size());

std::string CssColour(const platform::Colour& colour) {
    if (colour.kind != platform::Colour::Kind::kRgb) {
        return "";
    }
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

}  // namespace

val RowsOf(const platform::FormLayout& form, const std::string& prefix) {
    val rows = val::array();
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const platform::ControlLayout& control = form.controls[i];
        val row = val::object();
        row.set("name", prefix + control.name);
        row.set("kind", kKindNames[static_cast<std::size_t>(control.kind)]);
        row.set("caption", control.caption);
        row.set("textColour", CssColour(control.text_colour));
        row.set("background", CssColour(control.background));
        row.set("group", control.kind == ControlKind::kOption
                             ? prefix + form.controls[platform::OptionGroup(form, i).first].name
                             : std::string());
        row.set("checked", control.checked);
        row.set("maxLength", control.max_length);
        row.set("minimum", control.minimum);
        row.set("maximum", control.maximum);
        row.set("position", control.position);
        row.set("section", kSectionNames[static_cast<std::size_t>(control.page_section)]);
        row.set("accessibleCaption", control.accessible_caption);
        rows.call<void>("push", row);
    }
    return rows;
}

}  // namespace web
