// What a window's handlers see of the window: its controls by name and the
// few things they do with the window itself. The handlers never see a
// window handle, so the same handlers run against the real Win32 window and
// against the in-memory form of the tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// One control. Each kind answers the part that suits it: a box or a button
// its text, an option or a check box its checked state, an up-down control
// its position, a drop-down list its items.
class Control {
  public:
    virtual ~Control() = default;

    // The text of a box, the caption of a button or label.
    virtual std::u16string Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
    // Replaces `length` characters from `start` by `text`, as typing over a
    // selection does: the rest of the text stays where it is and the caret
    // ends after the new text. Positions are UTF-16 units.
    virtual void ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) = 0;
    virtual void Focus() = 0;

    virtual bool Checked() const = 0;
    // An option becomes the selected one of its group, the others clear, as
    // when it gets the focus from the keyboard; its handler does not run.
    virtual void Select() = 0;

    // An up-down control keeps its position within its range.
    virtual int Position() const = 0;
    virtual void SetPosition(int position) = 0;

    // The list of a drop-down list, in the order added. Emptying it empties
    // the edit text too.
    virtual void ClearList() = 0;
    virtual void AddListItem(std::u16string_view item) = 0;
};

enum class MessageIcon { kNone, kError };

class FormWindow {
  public:
    virtual ~FormWindow() = default;

    // The control of that name in the window's control table; asking for a
    // name the table lacks is a programming error and ends the program.
    virtual Control& Find(std::string_view name) = 0;

    // Widths in pixels at 96 DPI, whatever the monitor's scale.
    virtual int ClientWidth() const = 0;
    virtual void SetClientWidth(int width) = 0;

    // A modal message box with an OK button, titled with the window's caption.
    virtual void ShowMessage(std::u16string_view text, MessageIcon icon) = 0;

    // Empties the clipboard and puts the text on it as Unicode text; false
    // when another program holds the clipboard or it takes nothing.
    virtual bool PutOnClipboard(std::u16string_view text) = 0;
};

// Adds text at the end of a box as typing it in there does: the rest of the
// text stays, and the caret and the view go to the end.
inline void AppendToBox(Control& box, std::u16string_view text) {
    if (!text.empty()) {
        box.ReplaceText(box.Text().size(), 0, text);
    }
}

}  // namespace platform
