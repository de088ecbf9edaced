#include "main_window32.h"

#include "chgu/window/control_ids.h"
#include "clipboard.h"
#include "platform/win32/wide_text.h"

namespace chgu::win32 {

using platform::win32::FromWide;
using platform::win32::Wide;

MainWindow32::MainWindow32(platform::win32::FormWindow32& form, const WindowExtras& extras,
                           std::function<void()> show_number_page)
    : form_(form),
      check1_(extras.Added(ids::kCheck1)),
      check2_(extras.Added(ids::kCheck2)),
      combo1_(extras.Added(ids::kCombo1)),
      show_number_page_(std::move(show_number_page)) {}

platform::Control& MainWindow32::Box(TextControl control) const {
    switch (control) {
        case TextControl::Text1:
            return form_.Find("Text1");
        case TextControl::Text2:
            return form_.Find("Text2");
        case TextControl::Text3:
        case TextControl::Combo1:  // answered by the drop-down list itself
            break;
    }
    return form_.Find("Text3");
}

std::u16string MainWindow32::Text(TextControl control) const {
    if (control == TextControl::Combo1) {
        const int length = GetWindowTextLengthW(combo1_);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(combo1_, text.data(), length + 1)));
        return FromWide(text);
    }
    return Box(control).Text();
}

void MainWindow32::SetText(TextControl control, std::u16string_view text) {
    if (control == TextControl::Combo1) {
        SetWindowTextW(combo1_, Wide(text).c_str());
        return;
    }
    Box(control).SetText(text);
}

void MainWindow32::SetFocus(TextControl control) {
    if (control == TextControl::Combo1) {
        ::SetFocus(combo1_);
        return;
    }
    Box(control).Focus();
}

bool MainWindow32::Checked(CheckControl control) const {
    switch (control) {
        case CheckControl::Check1:
            return SendMessageW(check1_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        case CheckControl::Check2:
            return SendMessageW(check2_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        case CheckControl::Option2:
            break;
    }
    return form_.Find("Option2").Checked();
}

void MainWindow32::ClearComboList() {
    // Emptying the list also empties the box's text; the start-up sequence
    // sets it afterwards.
    SendMessageW(combo1_, CB_RESETCONTENT, 0, 0);
}

void MainWindow32::AddComboItem(std::u16string_view item) {
    SendMessageW(combo1_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

void MainWindow32::Append(TextControl control, std::u16string_view text) {
    if (text.empty() || control == TextControl::Combo1) {
        if (!text.empty()) {
            MainWindow::Append(control, text);
        }
        return;
    }
    // Typed in at the end: the box shows the end instead of jumping to the top.
    platform::Control& box = Box(control);
    const std::size_t end = box.Text().size();
    box.ReplaceText(end, 0, text);
}

std::u16string MainWindow32::Text5() const {
    return form_.Find("Text5").Text();
}

void MainWindow32::FocusText5() {
    form_.Find("Text5").Focus();
}

void MainWindow32::PutOnClipboard(std::u16string_view text) {
    PutTextOnClipboard(form_.Handle(), text);
}

}  // namespace chgu::win32
