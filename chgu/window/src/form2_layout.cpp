// The controls of the number page Form2, row for row as the page is laid
// out, in pixels at 96 DPI within the client area.
#include <array>
#include <string_view>

#include "array_name.h"
#include "chgu/window/colours.h"
#include "chgu/window/control_ids.h"
#include "chgu/window/form2.h"
#include "yeartables/numbers.h"

namespace chgu {

namespace {

using platform::Bounds;
using platform::ControlKind;
using platform::PageSection;
using platform::Row;

struct ArrayRow {
    std::u16string_view caption;
    Bounds bounds;
};

constexpr std::array<ArrayRow, 3> kRemainderRows = {{
    {u"除3余0", {0, 344, 45, 21}},
    {u"除3余1", {48, 344, 45, 21}},
    {u"除3余2", {96, 344, 45, 21}},
}};

constexpr std::array<ArrayRow, 3> kThirdRows = {{
    {u"前段", {8, 368, 37, 21}},
    {u"中段", {52, 368, 37, 21}},
    {u"后段", {96, 368, 37, 21}},
}};

// The words beside the options.
constexpr std::u16string_view kNumbersWords = u"号码用";
constexpr std::u16string_view kRangeWords = u"段数用";

// Number button n: five columns, ten rows, 28 pixels apart.
Bounds NumberButtonBounds(int n) {
    return {4 + 28 * ((n - 1) % 5), 28 + 28 * ((n - 1) / 5), 25, 25};
}

}  // namespace

platform::FormLayout Form2::Layout() {
    using Handler = void (Form2::*)(std::int16_t);
    const auto on = [this](Handler handler, std::int16_t index) {
        return [this, handler, index](platform::Control&) { (this->*handler)(index); };
    };

    platform::FormLayout form;
    form.background = kCyan;
    form.caption = u"号码页";
    form.left = 690;
    form.top = 80;
    form.client_width = 143;
    form.client_height = 392;
    form.font = {u"宋体", 12, platform::kGb2312Charset};

    form.controls = {
        // One group: selecting one option clears the other.
        Row("Option1", ControlKind::kOption, u"", {4, 8, 13, 12}, ids::kPageOption1)
            .TextColour(platform::colours::kBlack)
            .Background(kCyan)
            .Selected()
            .OnPage(PageSection::kNumberPage, std::u16string(kNumbersWords)),
        Row("Option2", ControlKind::kOption, u"", {72, 8, 13, 12}, ids::kPageOption2)
            .TextColour(platform::colours::kBlack)
            .Background(kCyan)
            .OnPage(PageSection::kNumberPage, std::u16string(kRangeWords)),
        Row("Label1", ControlKind::kLabel, std::u16string(kNumbersWords), {20, 8, 37, 13},
            ids::kPageLabel1)
            .Background(kCyan),
        Row("Label2", ControlKind::kLabel, std::u16string(kRangeWords), {88, 8, 41, 13},
            ids::kPageLabel2)
            .Background(kCyan),
    };
    for (std::int16_t n = yeartables::kFirstNumber; n <= yeartables::kLastNumber; ++n) {
        form.controls.push_back(Row(ArrayName("Command1", n), ControlKind::kButton,
                                    yeartables::TwoDigitText(n), NumberButtonBounds(n),
                                    ids::kPageCommand1 + n)
                                    .OnClick(on(&Form2::Command1_Click, n))
                                    .OnPage(PageSection::kNumberPage));
    }
    form.controls.push_back(
        Row("Command2", ControlKind::kButton, u"段 数", {88, 312, 53, 25}, ids::kPageCommand2)
            .OnClick([this](platform::Control&) { Command2_Click(); })
            .OnPage(PageSection::kNumberPage));
    const auto array_rows = [&](std::string_view array, const std::array<ArrayRow, 3>& rows,
                                int first_id, Handler handler) {
        for (std::int16_t index = 0; index < 3; ++index) {
            const ArrayRow& row = rows[static_cast<std::size_t>(index)];
            form.controls.push_back(Row(ArrayName(array, index), ControlKind::kButton,
                                        std::u16string(row.caption), row.bounds, first_id + index)
                                        .OnClick(on(handler, index))
                                        .OnPage(PageSection::kNumberPage));
        }
    };
    array_rows("Command3", kRemainderRows, ids::kPageCommand3, &Form2::Command3_Click);
    array_rows("Command4", kThirdRows, ids::kPageCommand4, &Form2::Command4_Click);
    return form;
}

}  // namespace chgu
