// A window described as data: its frame and a table of controls (name, kind,
// caption, position, colours, handler) that reads like the window's layout
// tables. One builder per platform turns such a table into real controls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"

namespace platform {

enum class ControlKind {
    kButton,
    kOption,        // a radio button; consecutive options form one group
    kTextBox,       // single-line edit box
    kReadOnlyBox,   // single-line, read-only
    kMultiLineBox,  // both scroll bars, no word wrap
    kLabel,         // static text; a zero width or height takes the text's size
    kFrame,         // group box
    kPanel,         // a filled rectangle behind other controls
    kUpDown,        // up-down arrows without a buddy box
    kCheckBox,      // a check box; its caption is usually a label beside it
    kDropDown,      // a drop-down combo box: an edit text and a list to pick from
};

// A colour of a control's text or background: the control's own default, a
// fixed RGB colour, or one of the system's user-chosen colours.
struct Colour {
    enum class Kind : std::uint8_t { kDefault, kRgb, kScrollBar };
    Kind kind = Kind::kDefault;
    std::uint8_t red = 0, green = 0, blue = 0;

    static constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {Kind::kRgb, r, g, b};
    }
    static constexpr Colour ScrollBar() { return {Kind::kScrollBar, 0, 0, 0}; }
    constexpr bool IsDefault() const { return kind == Kind::kDefault; }
    constexpr bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour kBlack = Colour::Rgb(0, 0, 0);
inline constexpr Colour kRed = Colour::Rgb(255, 0, 0);
inline constexpr Colour kGreen = Colour::Rgb(0, 128, 0);
inline constexpr Colour kBlue = Colour::Rgb(0, 0, 255);
inline constexpr Colour kNavy = Colour::Rgb(0, 0, 128);
inline constexpr Colour kMaroon = Colour::Rgb(128, 0, 0);
inline constexpr Colour kPurple = Colour::Rgb(128, 0, 128);
inline constexpr Colour kSilver = Colour::Rgb(192, 192, 192);
inline constexpr Colour kAqua = Colour::Rgb(0, 255, 255);
inline constexpr Colour kSkyBlue = Colour::Rgb(166, 202, 240);
}  // namespace colours

// Where a row stands on the page, the browser's form of the windows. The page
// sets the sections out in an order of its own; within a section the rows
// stand in the order of the table.
enum class PageSection : std::uint8_t {
    kNone,        // not shown: a label or frame the page says in its own way
    kWindowOnly,  // a control only the window has: the page does its work unasked
    kSettings,
    kInput,
    kStatistics,
    kWords,  // the attribute buttons
    kHalfWaves,
    kNumbers,
    kRange,
    kReport,
    kNumberPage,  // a number page shown beside the window
};

// Left, top, width, height in pixels at 96 DPI.
struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
};

using ClickHandler = std::function<void(Control& sender)>;
// An item picked from a drop-down list, with its text.
using PickHandler = std::function<void(std::u16string_view item)>;

struct ControlLayout {
    std::string name;
    ControlKind kind = ControlKind::kButton;
    std::u16string caption;
    Bounds bounds;
    // The frame whose top-left corner `bounds` counts from; empty: the window.
    std::string within;
    Colour text_colour;
    Colour background;
    int id = 0;  // the control identifier, unique in the window
    // Clicks of buttons, options and check boxes, arrow clicks of an up-down
    // control.
    ClickHandler on_click;
    // Drop-down lists: an item picked by mouse or keyboard.
    PickHandler on_pick;
    // Text boxes: the most characters a user can type; 0 is no limit.
    int max_length = 0;
    // Options and check boxes: selected (ticked) when the window opens.
    bool checked = false;
    // Buttons: a caption too wide for one line is broken into lines,
    // character by character, as Chinese text breaks.
    bool wraps_caption = false;
    // Up-down controls: their range and first position.
    int minimum = 0, maximum = 0, position = 0;
    // The page's section for the row, and the words a screen reader says
    // for a control the window names only by a label beside it (or not at
    // all); options and check boxes without a caption show them.
    PageSection page_section = PageSection::kNone;
    std::u16string accessible_caption;

    // The optional parts of a row, set in a chain after Row(...).
    ControlLayout& Within(std::string frame) {
        within = std::move(frame);
        return *this;
    }
    ControlLayout& TextColour(Colour colour) {
        text_colour = colour;
        return *this;
    }
    ControlLayout& Background(Colour colour) {
        background = colour;
        return *this;
    }
    ControlLayout& OnClick(ClickHandler handler) {
        on_click = std::move(handler);
        return *this;
    }
    ControlLayout& OnPick(PickHandler handler) {
        on_pick = std::move(handler);
        return *this;
    }
    ControlLayout& WrapsCaption() {
        wraps_caption = true;
        return *this;
    }
    ControlLayout& MaxLength(int characters) {
        max_length = characters;
        return *this;
    }
    ControlLayout& Selected() {
        checked = true;
        return *this;
    }
    ControlLayout& Range(int lowest, int highest, int first) {
        minimum = lowest;
        maximum = highest;
        position = first;
        return *this;
    }
    ControlLayout& OnPage(PageSection section, std::u16string accessible = {}) {
        page_section = section;
        accessible_caption = std::move(accessible);
        return *this;
    }
};

// A row of a control table: what every row has.
inline ControlLayout Row(std::string name, ControlKind kind, std::u16string caption, Bounds bounds,
                         int id) {
    ControlLayout row;
    row.name = std::move(name);
    row.kind = kind;
    row.caption = std::move(caption);
    row.bounds = bounds;
    row.id = id;
    return row;
}

// The Windows character set of the simplified Chinese fonts (GB2312), the
// one both programs' windows use.
inline constexpr std::uint8_t kGb2312Charset = 134;

struct FontSpec {
    std::u16string face;
    int pixel_height = 12;     // character height at 96 DPI
    std::uint8_t charset = 1;  // Windows character set, as kGb2312Charset
};

struct FormLayout {
    std::u16string caption;
    int left = 0, top = 0;  // screen position of the window
    int client_width = 0, client_height = 0;
    FontSpec font;
    Colour background;  // of the client area; by default the system's face colour
    int icon_id = 0;    // resource identifier of the window icon; 0: none
    std::vector<ControlLayout> controls;
};

// Where a control stands in the window's client area: its bounds moved by
// the frame it stands in, if any.
Bounds ClientBounds(const FormLayout& form, const ControlLayout& control);

// Whether a row's control is reached with the Tab key: every control a user
// acts on. Labels, frames, panels and read-only boxes are not.
bool IsTabStop(const ControlLayout& control);

// The Tab key's walk through a window: the rows that are tab stops, as
// indexes into form.controls, in reading order. Rows whose tops lie less
// than kLineSpan pixels below the first top of a line are one line, read
// left to right; lines are read top to bottom. Consecutive options are one
// group and one stop, entered at its selected option (the first row of the
// group stands for it here).
inline constexpr int kLineSpan = 18;
std::vector<std::size_t> TabOrder(const FormLayout& form);

// The rows of the option group that row `option` belongs to: consecutive
// options of the table, as [first, last).
std::pair<std::size_t, std::size_t> OptionGroup(const FormLayout& form, std::size_t option);

}  // namespace platform
