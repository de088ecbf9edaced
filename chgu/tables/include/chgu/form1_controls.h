// What the handlers of the main window Form1 see of its controls, and the
// window-level values they keep. The real window implements Form1Controls
// over its edit boxes and buttons; MemoryForm1Controls holds the same
// controls as plain values, starting from the design defaults.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chgu/table_year.h"

namespace chgu {

// Controls with a text: the input box, the output box, the change date and
// the edit text of the custom attribute drop-down.
enum class TextControl { Text1, Text2, Text3, Combo1 };

// Check boxes and the option button the handlers read: Check1 "方括内不统计",
// Check2 "次数累加统计", Option2 "长行排列" (Option1, short lines, when clear).
enum class CheckControl { Check1, Check2, Option2 };

class Form1Controls {
  public:
    virtual ~Form1Controls() = default;

    virtual std::u16string Text(TextControl control) const = 0;
    virtual void SetText(TextControl control, std::u16string_view text) = 0;
    // Adds text at the end of a box, leaving the rest of its text alone; the
    // real window types it in at the end, so that the caret and the view
    // stay there.
    virtual void Append(TextControl control, std::u16string_view text) {
        SetText(control, Text(control) + std::u16string(text));
    }
    virtual void SetFocus(TextControl control) = 0;
    virtual bool Checked(CheckControl control) const = 0;

    // The list of Combo1.
    virtual void ClearComboList() = 0;
    virtual void AddComboItem(std::u16string_view item) = 0;

    // A message box with an OK button, titled with the window's caption.
    virtual void ShowMessage(std::u16string_view text) = 0;
};

// The window-level values of Form1 that outlive a handler.
struct Form1State {
    // Names the year whose zodiac and element tables are in force; set by the
    // start-up sequence, empty before it.
    std::u16string TableYear;
    // 1 inside a skipped bracketed stretch; reset by every statistics press.
    std::int16_t InBracket = 0;
};

class MemoryForm1Controls final : public Form1Controls {
  public:
    std::u16string Text(TextControl control) const override;
    void SetText(TextControl control, std::u16string_view text) override;
    void SetFocus(TextControl control) override { focus = control; }
    bool Checked(CheckControl control) const override;
    void ClearComboList() override { Combo1List.clear(); }
    void AddComboItem(std::u16string_view item) override { Combo1List.emplace_back(item); }
    void ShowMessage(std::u16string_view text) override { Messages.emplace_back(text); }

    std::u16string Text1;
    std::u16string Text2;
    std::u16string Text3{kDesignChangeDate};
    std::u16string Combo1;
    std::vector<std::u16string> Combo1List;
    bool Check1 = true;
    bool Check2 = false;
    bool Option2 = true;
    std::optional<TextControl> focus;
    std::vector<std::u16string> Messages;  // message boxes shown, oldest first
};

}  // namespace chgu
