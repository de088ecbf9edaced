#include "chgu/window/form2.h"

#include <array>
#include <string_view>

#include "chgu/lookups.h"
#include "input_lines.h"
#include "yeartables/numbers.h"

namespace chgu {

namespace {

// The remainder classes of division by 3, by remainder.
constexpr std::array<std::u16string_view, 3> kRemainderLists = {
    u",03,06,09,12,15,18,21,24,27,30,33,36,39,42,45,48,",
    u",01,04,07,10,13,16,19,22,25,28,31,34,37,40,43,46,49,",
    u",02,05,08,11,14,17,20,23,26,29,32,35,38,41,44,47,",
};

// The thirds of 01..49: 前段, 中段, 后段.
constexpr std::array<std::u16string_view, 3> kThirdLists = {
    u",01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,",
    u",17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,",
    u",33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,",
};

std::u16string ListLine(const std::array<std::u16string_view, 3>& lists, std::int16_t Index) {
    return std::u16string(lists.at(static_cast<std::size_t>(Index))) + u"\r\n";
}

}  // namespace

Form2::Form2(Form2State& state, std::function<platform::Control*()> text1_of_form1)
    : state_(state), text1_of_form1_(std::move(text1_of_form1)) {}

void Form2::Attach(platform::FormWindow& window) {
    Option1 = &window.Find("Option1");
    Option2 = &window.Find("Option2");
}

void Form2::Command1_Click(std::int16_t Index) {
    platform::Control* text1 = text1_of_form1_();
    if (text1 == nullptr) {
        return;
    }
    const std::u16string caption = yeartables::TwoDigitText(Index);
    if (Option1->Checked()) {
        platform::AppendToBox(*text1, u"," + caption);
    } else if (Option2->Checked()) {
        (state_.RangeClicks % 2 == 0 ? state_.RangeStart : state_.RangeEnd) = caption;
        ++state_.RangeClicks;
    }
}

void Form2::Command2_Click() {
    platform::Control* text1 = text1_of_form1_();
    if (text1 == nullptr) {
        return;
    }
    const std::int64_t start = LeadingNumber(state_.RangeStart);
    const std::int64_t end = LeadingNumber(state_.RangeEnd);
    if (end <= start) {
        return;
    }
    for (std::int64_t i = start; i <= end; ++i) {
        platform::AppendToBox(*text1, NumbersFromTo(i, i));
    }
}

void Form2::Command3_Click(std::int16_t Index) {
    platform::Control* text1 = text1_of_form1_();
    if (text1 == nullptr) {
        return;
    }
    // Giving an option the focus selects it: the page switches to segment
    // mode.
    Option2->Focus();
    Option2->Select();
    platform::AppendToBox(*text1, ListLine(kRemainderLists, Index));
}

void Form2::Command4_Click(std::int16_t Index) {
    platform::Control* text1 = text1_of_form1_();
    if (text1 == nullptr) {
        return;
    }
    platform::AppendToBox(*text1, ListLine(kThirdLists, Index));
}

}  // namespace chgu
