// The controls of TForm1, row for row as the window is laid out. Positions
// are left, top, width, height in pixels at 96 DPI within the client area.
#include <array>
#include <span>
#include <string>

#include "kova/tables.h"
#include "kova/window/control_ids.h"
#include "kova/window/form1.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "yeartables/numbers.h"

namespace kova {

namespace {

using platform::Colour;
using platform::ControlKind;
using platform::ControlLayout;
using platform::PageSection;
using platform::Row;
namespace colours = platform::colours;

// The attribute buttons right of the input box, 30 x 25 each, one row per
// top; an empty caption leaves its place free.
struct AttributeRow {
    int top;
    std::array<int, 5> lefts;
    std::array<std::u16string_view, 5> captions;
};

constexpr std::array<int, 5> kFiveLefts = {396, 425, 454, 483, 512};
constexpr std::array<int, 5> kThreeLefts = {425, 454, 483};
constexpr std::array<int, 5> kFourLefts = {406, 438, 470, 502};

constexpr std::array<AttributeRow, 13> kAttributeRows = {{
    {46, kThreeLefts, {u"红", u"绿", u"蓝"}},
    {75, kFiveLefts, {u"金", u"木", u"水", u"火", u"土"}},
    {105, kFiveLefts, {u"0头", u"1头", u"2头", u"3头", u"4头"}},
    {138, kFiveLefts, {u"鼠", u"牛", u"虎", u"兔", u"龙"}},
    {163, kFiveLefts, {u"蛇", u"马", u"羊", u"猴", u"鸡"}},
    {188, {439, 469}, {u"狗", u"猪"}},
    {218, kFiveLefts, {u"0尾", u"1尾", u"2尾", u"3尾", u"4尾"}},
    {242, kFiveLefts, {u"5尾", u"6尾", u"7尾", u"8尾", u"9尾"}},
    {274, kThreeLefts, {u"1合", u"2合", u"3合"}},
    {298, kFiveLefts, {u"4合", u"5合", u"6合", u"7合", u"8合"}},
    {323, kFiveLefts, {u"9合", u"10合", u"11合", u"12合", u"13合"}},
    {355, kFourLefts, {u"单", u"大", u"合大", u"合单"}},
    {380, kFourLefts, {u"双", u"小", u"合小", u"合双"}},
}};

// The statistics buttons below the input box, 45 pixels wide, in the order
// of the statistics table's rows: the two tall ones 38 pixels high, the
// others 17.
struct StatisticsButtonPlace {
    const char* name;
    int left, top, height;
    Colour colour;
    int id;
};

constexpr std::array<StatisticsButtonPlace, 11> kStatisticsButtonPlaces = {{
    {"Button60", 12, 272, 38, {}, ids::kButton60},
    {"Button7", 67, 273, 17, {}, ids::kButton7},
    {"Button63", 120, 273, 17, {}, ids::kButton63},
    {"Button64", 173, 273, 17, {}, ids::kButton64},
    {"Button65", 228, 273, 17, {}, ids::kButton65},
    {"Button8", 282, 273, 17, {}, ids::kButton8},
    {"BitBtn56", 67, 293, 17, colours::kRed, ids::kBitBtn56},
    {"BitBtn57", 120, 293, 17, colours::kNavy, ids::kBitBtn57},
    {"BitBtn58", 173, 293, 17, colours::kGreen, ids::kBitBtn58},
    {"BitBtn59", 228, 293, 17, colours::kMaroon, ids::kBitBtn59},
    {"BitBtn60", 282, 293, 17, colours::kGreen, ids::kBitBtn60},
}};

// The half-wave labels and, beside each, the button whose caption is its
// numbers, in the order of the tables' half-waves.
struct HalfWavePlace {
    int label_left, button_left, label_top, button_top;
    Colour colour;
};

constexpr std::array<HalfWavePlace, 6> kHalfWavePlaces = {{
    {561, 586, 40, 34, colours::kRed},
    {623, 649, 40, 34, colours::kRed},
    {561, 586, 64, 59, colours::kGreen},
    {623, 649, 64, 59, colours::kGreen},
    {561, 586, 88, 84, colours::kBlue},
    {623, 649, 88, 84, colours::kBlue},
}};

Colour WaveColour(int number) {
    switch (WaveOfNumber(number)) {
        case Wave::kRed:
            return colours::kRed;
        case Wave::kGreen:
            return colours::kGreen;
        case Wave::kBlue:
            return colours::kBlue;
    }
    return colours::kBlack;
}

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

}  // namespace

platform::FormLayout TForm1::Layout() {
    using Handler = void (TForm1::*)(platform::Control&);
    const auto on = [this](Handler handler) {
        return [this, handler](platform::Control& sender) { (this->*handler)(sender); };
    };
    using enum ControlKind;

    platform::FormLayout form;
    form.caption = u"KOVA-6.1 墨川统计器";
    form.left = 272;
    form.top = 108;
    form.client_width = kNarrowClientWidth;
    form.client_height = 500;
    form.font = {u"宋体", 12, platform::kGb2312Charset};
    auto& rows = form.controls;

    // The top strip and the two boxes. A label's zero size is its text's.
    rows.push_back(Row("Edit3", kReadOnlyBox, u"", {14, 7, 81, 20}, ids::kEdit3)
                       .Background(Colour::ScrollBar())
                       .OnPage(PageSection::kSettings, u"年份"));
    rows.push_back(Row("UpDown1", kUpDown, u"", {98, 3, 23, 27}, ids::kUpDown1)
                       .Range(tables_.FirstYear(), tables_.LastYear(), tables_.FirstYear())
                       .OnClick(on(&TForm1::UpDown1Click))
                       .OnPage(PageSection::kSettings));
    rows.push_back(Row("GroupBox1", kFrame, u"", {136, -5, 89, 40}, ids::kGroupBox1));
    rows.push_back(Row("RadioButton3", kOption, u"排列方式1", {4, 8, 81, 13}, ids::kRadioButton3)
                       .Within("GroupBox1")
                       .Selected()
                       .OnPage(PageSection::kSettings));
    rows.push_back(Row("RadioButton4", kOption, u"排列方式2", {4, 21, 81, 13}, ids::kRadioButton4)
                       .Within("GroupBox1")
                       .OnPage(PageSection::kSettings));
    rows.push_back(
        Row("Label1", kLabel, u"访问", {232, 11, 0, 0}, ids::kLabel1).TextColour(colours::kBlue));
    rows.push_back(
        Row("Edit4", kReadOnlyBox, u"KOVA-6.1 墨川统计器", {259, 7, 153, 20}, ids::kEdit4)
            .TextColour(colours::kAqua));
    rows.push_back(Row("Label10", kLabel, u"立即升级", {414, 11, 0, 0}, ids::kLabel10)
                       .TextColour(colours::kBlue));
    rows.push_back(Row("Button61", kButton, u"帮助", {463, 4, 35, 25}, ids::kButton61)
                       .OnClick(on(&TForm1::Button61Click))
                       .OnPage(PageSection::kSettings));
    // The page shows the number page all the time: it has no 号码页 or 关闭这页.
    rows.push_back(Row("Button66", kButton, u"号码页", {503, 4, 43, 25}, ids::kButton66)
                       .OnClick(on(&TForm1::Button66Click))
                       .OnPage(PageSection::kWindowOnly));
    rows.push_back(Row("Memo1", kMultiLineBox, u"", {5, 40, 382, 225}, ids::kMemo1)
                       .OnPage(PageSection::kInput, u"资料"));
    rows.push_back(Row("Memo2", kMultiLineBox, u"", {4, 314, 385, 180}, ids::kMemo2)
                       .OnPage(PageSection::kReport, u"统计结果"));
    rows.push_back(Row("Button62", kButton, u"段数", {407, 419, 33, 23}, ids::kButton62)
                       .OnClick(on(&TForm1::Button62Click))
                       .OnPage(PageSection::kRange));
    rows.push_back(Row("Edit1", kTextBox, u"0", {448, 419, 25, 24}, ids::kEdit1)
                       .MaxLength(2)
                       .OnPage(PageSection::kRange, u"段数起"));
    rows.push_back(Row("Label2", kLabel, u"至", {483, 425, 0, 0}, ids::kLabel2)
                       .TextColour(colours::kBlue)
                       .OnPage(PageSection::kRange));
    rows.push_back(Row("Edit2", kTextBox, u"0", {504, 419, 25, 24}, ids::kEdit2)
                       .MaxLength(2)
                       .OnPage(PageSection::kRange, u"段数止"));
    rows.push_back(Row("Label9", kLabel, u"KOVA-6.0版", {438, 481, 0, 0}, ids::kLabel9)
                       .TextColour(colours::kBlue));
    // Below the range row, in space the layout left free.
    ControlLayout traditional =
        Row("CheckBox1", kCheckBox, std::u16string(platform::kTraditionalCaption),
            {407, 452, 96, 17}, ids::kCheckBox1)
            .OnClick(on(&TForm1::CheckBox1Click))
            .OnPage(PageSection::kSettings);
    traditional.checked = traditional_.Stored();
    rows.push_back(std::move(traditional));

    // The statistics buttons below the input box, one per row of the
    // statistics table in its order, their captions the rows'.
    const std::span<const Statistic> statistics = Statistics();
    for (std::size_t i = 0; i < statistics.size(); ++i) {
        const StatisticsButtonPlace& place = kStatisticsButtonPlaces.at(i);
        const Statistic& statistic = statistics[i];
        rows.push_back(Row(place.name, kButton, std::u16string(statistic.caption),
                           {place.left, place.top, 45, place.height}, place.id)
                           .TextColour(place.colour)
                           .OnClick([this, &statistic](platform::Control&) {
                               StatisticsButtonClick(statistic);
                           })
                           .OnPage(PageSection::kStatistics));
    }
    rows.push_back(Row("Button9", kButton, u" 清空 ", {335, 272, 45, 38}, ids::kButton9)
                       .OnClick(on(&TForm1::Button9Click))
                       .OnPage(PageSection::kStatistics));

    // The attribute buttons; 红 is drawn in red.
    int attribute = 0;
    for (const AttributeRow& row : kAttributeRows) {
        for (std::size_t i = 0; i < row.captions.size() && !row.captions[i].empty(); ++i) {
            ++attribute;
            rows.push_back(Row(Numbered("AttributeButton", attribute), kButton,
                               std::u16string(row.captions[i]), {row.lefts[i], row.top, 30, 25},
                               ids::kAttributeButton1 + attribute - 1)
                               .TextColour(row.captions[i] == u"红" ? colours::kRed : Colour{})
                               .OnClick(on(&TForm1::ButtonClick))
                               .OnPage(PageSection::kWords));
        }
    }

    // The number page, right of x = 548: seen only while the window is wide.
    for (std::size_t i = 0; i < HalfWaves.size(); ++i) {
        const HalfWavePlace& place = kHalfWavePlaces[i];
        const int n = static_cast<int>(i);
        rows.push_back(Row(Numbered("Label", 3 + n), kLabel,
                           platform::GbkToUtf16(HalfWaves[i].name),
                           {place.label_left, place.label_top, 0, 0}, ids::kLabel3 + n)
                           .TextColour(place.colour)
                           .Background(colours::kSilver)
                           .OnPage(PageSection::kHalfWaves));
        // The caption is the number list; silver on the small button, it
        // hardly shows, and a click puts the whole list into the input.
        rows.push_back(Row(Numbered("BitBtn", 50 + n), kButton,
                           platform::GbkToUtf16(HalfWaves[i].caption),
                           {place.button_left, place.button_top, 25, 20}, ids::kBitBtn50 + n)
                           .TextColour(colours::kSilver)
                           .OnClick(on(&TForm1::ButtonClick))
                           .OnPage(PageSection::kHalfWaves));
    }
    rows.push_back(Row("RadioGroup1", kPanel, u"", {552, 117, 137, 332}, ids::kRadioGroup1)
                       .Background(colours::kSkyBlue));
    rows.push_back(Row("RadioButton1", kOption, u"号码用", {564, 131, 60, 17}, ids::kRadioButton1)
                       .TextColour(colours::kPurple)
                       .Background(colours::kSkyBlue)
                       .OnPage(PageSection::kNumbers));
    rows.push_back(Row("RadioButton2", kOption, u"段数用", {622, 131, 60, 17}, ids::kRadioButton2)
                       .TextColour(colours::kPurple)
                       .Background(colours::kSkyBlue)
                       .OnPage(PageSection::kNumbers));
    // Four columns, thirteen rows, 49 alone in the last; each number in its
    // wave colour.
    for (int number = yeartables::kFirstNumber; number <= yeartables::kLastNumber; ++number) {
        rows.push_back(Row(Numbered("BitBtn", number), kButton, yeartables::TwoDigitText(number),
                           {560 + 32 * ((number - 1) % 4), 157 + 22 * ((number - 1) / 4), 25, 20},
                           ids::kBitBtn1 + number - 1)
                           .TextColour(WaveColour(number))
                           .OnClick(on(&TForm1::BitBtnClick))
                           .OnPage(PageSection::kNumbers));
    }
    rows.push_back(Row("Button68", kButton, u"段数", {602, 424, 66, 21}, ids::kButton68)
                       .OnClick(on(&TForm1::Button62Click))
                       .OnPage(PageSection::kNumbers));
    rows.push_back(Row("Button67", kButton, u"关闭这页", {597, 456, 62, 25}, ids::kButton67)
                       .OnClick(on(&TForm1::Button67Click))
                       .OnPage(PageSection::kWindowOnly));
    return form;
}

}  // namespace kova
