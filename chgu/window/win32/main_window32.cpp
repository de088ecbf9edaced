#include "main_window32.h"

#include "clipboard.h"

namespace chgu::win32 {

namespace {

const char* NameOf(TextControl control) {
    switch (control) {
        case TextControl::Text1:
            return "Text1";
        case TextControl::Text2:
            return "Text2";
        case TextControl::Text3:
            return "Text3";
        case TextControl::Combo1:
            return "Combo1";
    }
    return "";
}

const char* NameOf(CheckControl control) {
    switch (control) {
        case CheckControl::Check1:
            return "Check1";
        case CheckControl::Check2:
            return "Check2";
        case CheckControl::Option2:
            return "Option2";
    }
    return "";
}

}  // namespace

MainWindow32::MainWindow32(platform::win32::FormWindow32& form,
                           std::function<void()> show_number_page)
    : form_(form), show_number_page_(std::move(show_number_page)) {}

platform::Control& MainWindow32::Box(TextControl control) const {
    return form_.Find(NameOf(control));
}

std::u16string MainWindow32::Text(TextControl control) const {
    return Box(control).Text();
}

void MainWindow32::SetText(TextControl control, std::u16string_view text) {
    Box(control).SetText(text);
}

void MainWindow32::Append(TextControl control, std::u16string_view text) {
    if (text.empty()) {
        return;
    }
    // Typed in at the end: the box shows the end instead of jumping to the top.
    platform::Control& box = Box(control);
    box.ReplaceText(box.Text().size(), 0, text);
}

void MainWindow32::SetFocus(TextControl control) {
    Box(control).Focus();
}

bool MainWindow32::Checked(CheckControl control) const {
    return form_.Find(NameOf(control)).Checked();
}

void MainWindow32::ClearComboList() {
    // Emptying the list also empties the box's text; the start-up sequence
    // sets it afterwards.
    Box(TextControl::Combo1).ClearList();
}

void MainWindow32::AddComboItem(std::u16string_view item) {
    Box(TextControl::Combo1).AddListItem(item);
}

void MainWindow32::ShowMessage(std::u16string_view text) {
    form_.ShowMessage(text, platform::MessageIcon::kError);
}

std::u16string MainWindow32::Text5() const {
    return form_.Find("Text5").Text();
}

void MainWindow32::FocusText5() {
    form_.Find("Text5").Focus();
}

void MainWindow32::PutOnClipboard(std::u16string_view text) {
    // A clipboard that another program holds open takes nothing; the report
    // stays in Text2 to be copied again, and nothing claims it was copied.
    PutTextOnClipboard(form_.Handle(), text);
}

}  // namespace chgu::win32
