#include <array>
#include <span>
#include <string_view>

#include "chgu/window/command1.h"
#include "chgu/window/control_ids.h"
#include "chgu/window/layouts.h"

namespace chgu {

namespace {

using platform::Bounds;
using platform::ControlKind;
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

struct AttributeRow {
    int top;
    std::span<const int> lefts;
    int width;
    std::array<std::int16_t, 5> indexes;  // left to right; as many as lefts
};

// The attribute buttons Command1(0..67) by row, top to bottom.
constexpr std::array<AttributeRow, 16> kAttributeRows = {{
    {38, kFive, kNarrow, {0, 1, 2, 3, 4}},          // 金 木 水 火 土
    {66, kColours, kNarrow, {5, 6, 7}},             // 红 绿 蓝
    {94, kFive, kNarrow, {8, 9, 10, 11, 12}},       // 鼠 牛 虎 兔 龙
    {119, kFive, kNarrow, {13, 14, 15, 16, 17}},    // 蛇 马 羊 猴 鸡
    {144, kBesideCombo1, kNarrow, {18, 19}},        // 狗 猪
    {172, kFive, kNarrow, {20, 21, 22, 23, 24}},    // 0头 .. 4头
    {200, kNarrowFour, kNarrow, {35, 36, 37, 38}},  // 1合 .. 4合
    {225, kFive, kNarrow, {39, 40, 41, 42, 43}},    // 5合 .. 9合
    {250, kWideFour, kWide, {44, 45, 46, 47}},      // 10合 .. 13合
    {278, kFive, kNarrow, {25, 26, 27, 28, 29}},    // 0尾 .. 4尾
    {303, kFive, kNarrow, {30, 31, 32, 33, 34}},    // 5尾 .. 9尾
    {330, kNarrowFour, kNarrow, {48, 49, 50, 51}},  // 单 双 大 小
    {356, kWideFour, kWide, {52, 53, 54, 55}},      // 合单 合双 合大 合小
    {381, kWideFour, kWide, {58, 59, 60, 61}},      // 大单 小单 大双 小双
    {406, kWideFour, kWide, {62, 64, 66, 56}},      // 红单 绿单 蓝单 大尾
    {431, kWideFour, kWide, {63, 65, 67, 57}},      // 红双 绿双 蓝双 小尾
}};

struct Command2Row {
    std::u16string_view caption;
    Bounds bounds;
    bool wraps = false;  // the caption is too wide for one line
};

// The statistics and editing buttons Command2(0..12) by index.
constexpr std::array<Command2Row, 13> kCommand2Rows = {{
    {u"码统计", {4, 228, 45, 43}},
    {u"肖统计", {84, 228, 45, 21}},
    {u"头统计", {129, 228, 45, 21}},
    {u"尾统计", {174, 228, 45, 21}},
    {u"行统计", {219, 228, 45, 21}},
    {u"合统计", {264, 228, 45, 21}},
    {u"波 色", {84, 249, 45, 21}},
    {u"大 小", {129, 249, 45, 21}},
    {u"单 双", {174, 249, 45, 21}},
    {u"合单双", {219, 249, 45, 21}},
    {u"半 波", {264, 249, 45, 21}},
    {u"全转半", {312, 228, 29, 43}, true},
    {u"清 空", {344, 228, 41, 43}},
}};

std::string ArrayName(std::string_view array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

platform::ControlLayout Command1Row(std::int16_t index, Bounds bounds,
                                  const Form1Handlers& handlers) {
    const auto click = handlers.Command1_Click;
    return Row(ArrayName("Command1", index), ControlKind::kButton,
               std::u16string(Command1Caption(index)), bounds, ids::kCommand1 + index)
        .OnClick([click, index](platform::Control&) { click(index); });
}

}  // namespace

platform::FormLayout Form1Layout(const Form1Handlers& handlers) {
    platform::FormLayout form;
    form.background = kTeal;
    form.caption = u"澄观统计器V2.0至尊版";
    form.left = 120;
    form.top = 80;
    form.client_width = 547;
    form.client_height = 458;
    form.font = {u"宋体", 12, 134};

    const auto command3 = handlers.Command3_Click;
    const auto command4 = handlers.Command4_Click;
    const auto combo1 = handlers.Combo1_Click;
    form.controls = {
        // The top strip: Frame1 and the ten rows that lie in it, positions
        // counted from the window.
        Row("Frame1", ControlKind::kFrame, u"", {4, -4, 381, 41}, ids::kFrame1).Background(kTeal),
        Row("Label1", ControlKind::kLabel, u"今年更换肖行日期", {12, 8, 49, 25}, ids::kLabel1)
            .Background(kTeal),
        Row("Text3", ControlKind::kTextBox, u"2006年01月29日", {62, 12, 93, 18}, ids::kText3),
        Row("Command3", ControlKind::kButton, u"更改", {158, 8, 37, 25}, ids::kCommand3)
            .OnClick([command3](platform::Control&) { command3(); }),
        // The captions of the options are cut off by their size; Label2
        // carries their words.
        Row("Option1", ControlKind::kOption, u"", {196, 4, 17, 17}, ids::kOption1)
            .TextColour(platform::colours::kBlack)
            .Background(kTeal),
        Row("Option2", ControlKind::kOption, u"", {196, 20, 17, 17}, ids::kOption2)
            .TextColour(platform::colours::kBlack)
            .Background(kTeal)
            .Selected(),
        Row("Label2", ControlKind::kLabel, u"短行排列长行排列", {212, 8, 52, 25}, ids::kLabel2)
            .Background(kTeal),
        // The check boxes' captions would be cut off by their size too;
        // Label3 and Label4 carry their words.
        Row("Check1", ControlKind::kCheckBox, u"", {268, 4, 13, 12}, ids::kCheck1)
            .Background(kTeal)
            .Selected(),
        Row("Label3", ControlKind::kLabel, u"方括内不统计", {284, 4, 73, 13}, ids::kLabel3)
            .Background(kTeal),
        Row("Label4", ControlKind::kLabel, u"次数累加统计", {284, 20, 73, 13}, ids::kLabel4)
            .Background(kTeal),
        Row("Command4", ControlKind::kButton, u"帮助", {360, 4, 21, 29}, ids::kCommand4)
            .WrapsCaption()
            .OnClick([command4](platform::Control&) { command4(); }),
        // Beside Label4, but a control of the window, not of the strip.
        Row("Check2", ControlKind::kCheckBox, u"", {268, 20, 13, 12}, ids::kCheck2)
            .Background(kTeal),
        // The boxes.
        Row("Text1", ControlKind::kMultiLineBox, u"", {4, 40, 381, 184}, ids::kText1)
            .Background(kLightGrey),
        Row("Text2", ControlKind::kMultiLineBox, u"", {4, 272, 381, 184}, ids::kText2)
            .Background(kLightGrey),
        Command1Row(kNumberPageButton, {396, 6, 49, 25}, handlers),
        Command1Row(kRangeButton, {452, 6, 31, 25}, handlers),
        Row("Text5", ControlKind::kTextBox, u"", {488, 13, 37, 18}, ids::kText5),
        Row("Combo1", ControlKind::kDropDown, u"", {456, 148, 87, 20}, ids::kCombo1)
            .OnPick([combo1](std::u16string_view item) { combo1(item); }),
        Command1Row(kCopyButton, {52, 228, 29, 43}, handlers),
    };
    const auto command2 = handlers.Command2_Click;
    for (std::int16_t index = 0; index < static_cast<std::int16_t>(kCommand2Rows.size()); ++index) {
        const Command2Row& row = kCommand2Rows[static_cast<std::size_t>(index)];
        platform::ControlLayout button =
            Row(ArrayName("Command2", index), ControlKind::kButton, std::u16string(row.caption),
                row.bounds, ids::kCommand2 + index)
                .OnClick([command2, index](platform::Control&) { command2(index); });
        button.wraps_caption = row.wraps;
        form.controls.push_back(std::move(button));
    }
    for (const AttributeRow& row : kAttributeRows) {
        for (std::size_t i = 0; i < row.lefts.size(); ++i) {
            form.controls.push_back(Command1Row(
                row.indexes[i], {row.lefts[i], row.top, row.width, kButtonHeight}, handlers));
        }
    }

    return form;
}

}  // namespace chgu
