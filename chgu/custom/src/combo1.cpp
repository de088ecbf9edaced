#include "chgu/custom_attributes.h"

namespace chgu {

std::u16string MembersOf(std::u16string_view line) {
    const std::size_t bar = line.rfind(u'|');
    return bar == std::u16string_view::npos ? std::u16string()
                                            : std::u16string(line.substr(bar + 1));
}

void LoadCombo1(Form1Controls& controls, const std::filesystem::path& folder) {
    // Emptied first, so that loading again after "更改" lists every line once.
    controls.ClearComboList();
    for (const std::u16string& line : LoadCustomAttributes(folder)) {
        controls.AddComboItem(line);
    }
}

void Combo1_Click(Form1Controls& controls, std::u16string_view chosen_item) {
    controls.SetFocus(TextControl::Text1);
    controls.Append(TextControl::Text1, MembersOf(chosen_item));
}

}  // namespace chgu
