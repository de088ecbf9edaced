#include "chgu/form1_controls.h"

namespace chgu {

namespace {

template <typename Controls>
auto& TextOf(Controls& controls, TextControl control) {
    switch (control) {
        case TextControl::Text1:
            return controls.Text1;
        case TextControl::Text2:
            return controls.Text2;
        case TextControl::Text3:
            return controls.Text3;
        case TextControl::Combo1:
            break;
    }
    return controls.Combo1;
}

}  // namespace

std::u16string MemoryForm1Controls::Text(TextControl control) const {
    return TextOf(*this, control);
}

void MemoryForm1Controls::SetText(TextControl control, std::u16string_view text) {
    TextOf(*this, control) = text;
}

bool MemoryForm1Controls::Checked(CheckControl control) const {
    switch (control) {
        case CheckControl::Check1:
            return Check1;
        case CheckControl::Check2:
            return Check2;
        case CheckControl::Option2:
            break;
    }
    return Option2;
}

}  // namespace chgu
