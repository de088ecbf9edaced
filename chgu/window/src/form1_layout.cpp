// The controls of Form1, row for row as the window is laid out. Positions
// are left, top, width, height in pixels at 96 DPI within the client area.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "array_name.h"
#include "chgu/window/colours.h"
#include "chgu/window/control_ids.h"
#include "chgu/window/form1.h"
#include "platform/traditional.h"

namespace chgu {

namespace {

using platform::Bounds;
using platform::ControlKind;
using platform::PageSection;
using platform::Row;

// Lefts of the attribute button rows: five buttons, four narrow ones, four
// wide ones, and the three colours.
constexpr std::array<int, 5> kFive = {390, 421, 452, 483, 514};
constexpr std::array<int, 4> kNarrowFour = {406, 437, 468, 499};
constexpr std::array<int, 4> kWideFour = {390, 429, 468, 507};
constexpr std::array<int, 3> kColours = {421, 452, 483};
constexpr std::array<int, 2> kBesideCombo1 = {390, 421};
constexpr int kNarrow = 31;
constexpr int kWide = 39;
constexpr int kButtonHeight = 25;

// The words beside the strip's options and check boxes, which their own
// captions would cut off; the page shows them with the controls.
constexpr std::u16string_view kChangeDateWords = u"今年更换肖行日期";
constexpr std::u16string_view kShortLinesWords = u"短行排列";
constexpr std::u16string_view kLongLinesWords = u"长行排列";
constexpr std::u16string_view kBracketsWords = u"方括内不统计";
constexpr std::u16string_view kCumulativeWords = u"次数累加统计";

// An attribute button: its place in the Command1 array and its word.
struct AttributeButton {
    std::int16_t index;
    std::u16string_view caption;
};

struct AttributeRow {
    int top;
    std::span<const int> lefts;
    int width;
    std::array<AttributeButton, 5> buttons;  // left to right; as many as lefts
};

// The attribute buttons Command1(0..67) by row, top to bottom.
constexpr std::array<AttributeRow, 16> kAttributeRows = {{
    {38, kFive, kNarrow, {{{0, u"金"}, {1, u"木"}, {2, u"水"}, {3, u"火"}, {4, u"土"}}}},
    {66, kColours, kNarrow, {{{5, u"红"}, {6, u"绿"}, {7, u"蓝"}}}},
    {94, kFive, kNarrow, {{{8, u"鼠"}, {9, u"牛"}, {10, u"虎"}, {11, u"兔"}, {12, u"龙"}}}},
    {119, kFive, kNarrow, {{{13, u"蛇"}, {14, u"马"}, {15, u"羊"}, {16, u"猴"}, {17, u"鸡"}}}},
    {144, kBesideCombo1, kNarrow, {{{18, u"狗"}, {19, u"猪"}}}},
    {172, kFive, kNarrow, {{{20, u"0头"}, {21, u"1头"}, {22, u"2头"}, {23, u"3头"}, {24, u"4头"}}}},
    {200, kNarrowFour, kNarrow, {{{35, u"1合"}, {36, u"2合"}, {37, u"3合"}, {38, u"4合"}}}},
    {225, kFive, kNarrow, {{{39, u"5合"}, {40, u"6合"}, {41, u"7合"}, {42, u"8合"}, {43, u"9合"}}}},
    {250, kWideFour, kWide, {{{44, u"10合"}, {45, u"11合"}, {46, u"12合"}, {47, u"13合"}}}},
    {278, kFive, kNarrow, {{{25, u"0尾"}, {26, u"1尾"}, {27, u"2尾"}, {28, u"3尾"}, {29, u"4尾"}}}},
    {303, kFive, kNarrow, {{{30, u"5尾"}, {31, u"6尾"}, {32, u"7尾"}, {33, u"8尾"}, {34, u"9尾"}}}},
    {330, kNarrowFour, kNarrow, {{{48, u"单"}, {49, u"双"}, {50, u"大"}, {51, u"小"}}}},
    {356, kWideFour, kWide, {{{52, u"合单"}, {53, u"合双"}, {54, u"合大"}, {55, u"合小"}}}},
    {381, kWideFour, kWide, {{{58, u"大单"}, {59, u"小单"}, {60, u"大双"}, {61, u"小双"}}}},
    {406, kWideFour, kWide, {{{62, u"红单"}, {64, u"绿单"}, {66, u"蓝单"}, {56, u"大尾"}}}},
    {431, kWideFour, kWide, {{{63, u"红双"}, {65, u"绿双"}, {67, u"蓝双"}, {57, u"小尾"}}}},
}};

// Where the statistics buttons Command2(0..10) stand, one per row of the
// statistics table; their captions are the rows'.
constexpr std::array<Bounds, 11> kStatisticsButtonBounds = {{
    {4, 228, 45, 43},
    {84, 228, 45, 21},
    {129, 228, 45, 21},
    {174, 228, 45, 21},
    {219, 228, 45, 21},
    {264, 228, 45, 21},
    {84, 249, 45, 21},
    {129, 249, 45, 21},
    {174, 249, 45, 21},
    {219, 249, 45, 21},
    {264, 249, 45, 21},
}};

}  // namespace

platform::FormLayout Form1::Layout() {
    using Handler = void (Form1::*)(std::int16_t);
    const auto on = [this](Handler handler, std::int16_t index) {
        return [this, handler, index](platform::Control&) { (this->*handler)(index); };
    };
    const auto command1 = [&](std::int16_t index, std::u16string_view caption, Bounds bounds,
                              PageSection section) {
        return Row(ArrayName("Command1", index), ControlKind::kButton, std::u16string(caption),
                   bounds, ids::kCommand1 + index)
            .OnClick(on(&Form1::Command1_Click, index))
            .OnPage(section);
    };
    const auto words = [](std::u16string_view text) { return std::u16string(text); };

    platform::FormLayout form;
    form.background = kTeal;
    form.caption = u"澄观统计器V2.0至尊版";
    form.left = 120;
    form.top = 80;
    form.client_width = 547;
    // 458 as laid out, and one line below the boxes for Check3.
    form.client_height = 480;
    form.font = {u"宋体", 12, platform::kGb2312Charset};

    // Rows of one page section stand in the order the page shows them.
    form.controls = {
        // The top strip: Frame1 and the ten rows that lie in it (Check2 among
        // them), positions counted from the window.
        Row("Frame1", ControlKind::kFrame, u"", {4, -4, 381, 41}, ids::kFrame1).Background(kTeal),
        Row("Label1", ControlKind::kLabel, words(kChangeDateWords), {12, 8, 49, 25}, ids::kLabel1)
            .Background(kTeal)
            .OnPage(PageSection::kSettings),
        Row("Text3", ControlKind::kTextBox, std::u16string(kDesignChangeDate), {62, 12, 93, 18},
            ids::kText3)
            .OnPage(PageSection::kSettings, words(kChangeDateWords)),
        Row("Command3", ControlKind::kButton, u"更改", {158, 8, 37, 25}, ids::kCommand3)
            .OnClick([this](platform::Control&) { Command3_Click(); })
            .OnPage(PageSection::kSettings),
        // The captions of the options are cut off by their size; Label2
        // carries their words.
        Row("Option1", ControlKind::kOption, u"", {196, 4, 17, 17}, ids::kOption1)
            .TextColour(platform::colours::kBlack)
            .Background(kTeal)
            .OnPage(PageSection::kSettings, words(kShortLinesWords)),
        Row("Option2", ControlKind::kOption, u"", {196, 20, 17, 17}, ids::kOption2)
            .TextColour(platform::colours::kBlack)
            .Background(kTeal)
            .Selected()
            .OnPage(PageSection::kSettings, words(kLongLinesWords)),
        Row("Label2", ControlKind::kLabel, words(kShortLinesWords) + words(kLongLinesWords),
            {212, 8, 52, 25}, ids::kLabel2)
            .Background(kTeal),
        // The check boxes' captions would be cut off by their size too;
        // Label3 and Label4 carry their words.
        Row("Check1", ControlKind::kCheckBox, u"", {268, 4, 13, 12}, ids::kCheck1)
            .Background(kTeal)
            .Selected()
            .OnPage(PageSection::kSettings, words(kBracketsWords)),
        Row("Label3", ControlKind::kLabel, words(kBracketsWords), {284, 4, 73, 13}, ids::kLabel3)
            .Background(kTeal),
        Row("Label4", ControlKind::kLabel, words(kCumulativeWords), {284, 20, 73, 13}, ids::kLabel4)
            .Background(kTeal),
        // Beside Label4, but a control of the window, not of the strip.
        Row("Check2", ControlKind::kCheckBox, u"", {268, 20, 13, 12}, ids::kCheck2)
            .Background(kTeal)
            .OnPage(PageSection::kSettings, words(kCumulativeWords)),
        Row("Command4", ControlKind::kButton, u"帮助", {360, 4, 21, 29}, ids::kCommand4)
            .WrapsCaption()
            .OnClick([this](platform::Control&) { Command4_Click(); })
            .OnPage(PageSection::kSettings),
        // The boxes.
        Row("Text1", ControlKind::kMultiLineBox, u"", {4, 40, 381, 184}, ids::kText1)
            .Background(kLightGrey)
            .OnPage(PageSection::kInput, u"资料"),
        command1(kCopyButton, u"复制", {52, 228, 29, 43}, PageSection::kReport),
        Row("Text2", ControlKind::kMultiLineBox, u"", {4, 272, 381, 184}, ids::kText2)
            .Background(kLightGrey)
            .OnPage(PageSection::kReport, u"统计结果"),
        command1(kRangeButton, u"段", {452, 6, 31, 25}, PageSection::kRange),
        Row("Text5", ControlKind::kTextBox, u"", {488, 13, 37, 18}, ids::kText5)
            .OnPage(PageSection::kRange, u"段"),
        command1(kNumberPageButton, u"号码页", {396, 6, 49, 25}, PageSection::kRange),
        Row("Combo1", ControlKind::kDropDown, u"", {456, 148, 87, 20}, ids::kCombo1)
            .OnPick([this](std::u16string_view item) { Combo1_Click(item); })
            .OnPage(PageSection::kRange, u"自定义"),
        // Below everything: the window grew by a line at its bottom for it.
        Row("Check3", ControlKind::kCheckBox, std::u16string(platform::kTraditionalCaption),
            {390, 461, 100, 16}, ids::kCheck3)
            .Background(kTeal)
            .OnClick([this](platform::Control&) { Check3_Click(); })
            .OnPage(PageSection::kSettings),
    };
    form.controls.back().checked = traditional_.Stored();
    const auto command2 = [&](std::int16_t index, std::u16string_view caption, Bounds bounds) {
        return Row(ArrayName("Command2", index), ControlKind::kButton, std::u16string(caption),
                   bounds, ids::kCommand2 + index)
            .OnClick(on(&Form1::Command2_Click, index))
            .OnPage(PageSection::kStatistics);
    };
    const std::span<const Statistic> statistics = Statistics();
    for (std::size_t i = 0; i < statistics.size(); ++i) {
        form.controls.push_back(command2(static_cast<std::int16_t>(i), statistics[i].caption,
                                         kStatisticsButtonBounds.at(i)));
    }
    platform::ControlLayout normalise = command2(kNormaliseButton, u"全转半", {312, 228, 29, 43});
    normalise.wraps_caption = true;  // too wide for one line
    form.controls.push_back(std::move(normalise));
    form.controls.push_back(command2(kClearButton, u"清 空", {344, 228, 41, 43}));
    for (const AttributeRow& row : kAttributeRows) {
        for (std::size_t i = 0; i < row.lefts.size(); ++i) {
            const AttributeButton& button = row.buttons[i];
            form.controls.push_back(command1(button.index, button.caption,
                                             {row.lefts[i], row.top, row.width, kButtonHeight},
                                             PageSection::kWords));
        }
    }
    return form;
}

}  // namespace chgu
