// The buttons that type into the input box: attribute words, numbers,
// half-waves, ranges and 清空.
#include <string>

#include "form1_fixture.h"
#include "platform/codepage.h"

namespace kova {
namespace {

TEST_F(Form1Test, AttributeWordsJoinWithCommasOnOneLine) {
    ClickWord(u"鼠");
    ClickWord(u"牛");
    ClickWord(u"马");
    EXPECT_EQ(Text("Memo1"), u"鼠,牛,马\r\n");
    EXPECT_EQ(window_.Focused(), "Memo1");

    ClickWord(u"10合");
    ClickWord(u"合单");
    EXPECT_EQ(Text("Memo1"), u"鼠,牛,马,10合,合单\r\n");
}

TEST_F(Form1Test, WordLineGrowsUpTo49BytesOfCodePage936) {
    // 24 Chinese characters and one digit: 49 bytes, 25 characters.
    const std::u16string line49 = std::u16string(24, u'鼠') + u"1";
    SetText("Memo1", line49);
    ClickWord(u"红");
    EXPECT_EQ(Text("Memo1"), line49 + u",红");

    const std::u16string line50 = std::u16string(25, u'牛');
    SetText("Memo1", u"first\r\n" + line50);
    ClickWord(u"红");
    EXPECT_EQ(Text("Memo1"), u"first\r\n" + line50 + u"\r\n红");
}

TEST_F(Form1Test, ClearEmptiesOnlyTheInputAndTheNextWordStartsAfresh) {
    SetText("Memo1", u"鼠,牛\r\n");
    SetText("Memo2", u"report");
    Click("Button9");
    EXPECT_EQ(Text("Memo1"), u"");
    EXPECT_EQ(Text("Memo2"), u"report");
    ClickWord(u"0头");
    EXPECT_EQ(Text("Memo1"), u"0头\r\n");
}

TEST_F(Form1Test, HalfWaveButtonTypesItsWholeNumberList) {
    SetText("Memo1", u"鼠");
    Click("BitBtn53");
    EXPECT_EQ(Text("Memo1"), u"鼠,06 16 22 28 32 38 44");
}

TEST_F(Form1Test, NumberButtonsDoNothingUntilAModeIsChosen) {
    Click("BitBtn7");
    EXPECT_EQ(Text("Memo1"), u"");
    EXPECT_EQ(Text("Edit1"), u"0");

    SetText("Memo1", u"鼠");
    Click("RadioButton1");
    Click("BitBtn7");
    EXPECT_EQ(Text("Memo1"), u"鼠,07");
    EXPECT_EQ(window_.Focused(), "Memo1");
}

TEST_F(Form1Test, SegmentModeFillsTheRangeBoxesWithTheLastTwoNumbers) {
    Click("RadioButton2");
    const struct {
        const char* button;
        std::u16string start, end;
    } clicks[] = {
        {"BitBtn5", u"00", u"05"},  // pairs with the 00 the mode starts from
        {"BitBtn12", u"05", u"12"}, {"BitBtn3", u"03", u"12"},
        {"BitBtn3", u"03", u"03"},  {"BitBtn49", u"03", u"49"},
    };
    for (const auto& c : clicks) {
        Click(c.button);
        EXPECT_EQ(Text("Edit1"), c.start) << c.button;
        EXPECT_EQ(Text("Edit2"), c.end) << c.button;
    }
    EXPECT_EQ(Text("Memo1"), u"");
    EXPECT_EQ(window_.Focused(), "");

    // Switching to number mode and back keeps the pair.
    Click("RadioButton1");
    Click("RadioButton2");
    Click("BitBtn20");
    EXPECT_EQ(Text("Edit1"), u"20");
    EXPECT_EQ(Text("Edit2"), u"49");
}

TEST_F(Form1Test, RangeButtonAppendsTheNumbersWithoutLeadingZeros) {
    SetText("Edit1", u"05");
    SetText("Edit2", u"08");
    Click("Button62");
    EXPECT_EQ(Text("Memo1"), u" ,5,6,7,8\r\n");
    EXPECT_EQ(window_.Focused(), "");

    // The number page's 段数 does the same, on the last line.
    SetText("Memo1", u"鼠,牛\r\n");
    SetText("Edit1", u"9");
    SetText("Edit2", u"11");
    Click("Button68");
    EXPECT_EQ(Text("Memo1"), u"鼠,牛,9,10,11\r\n");
}

TEST_F(Form1Test, RangeLinesGrowUpTo36BytesAndEndAt49) {
    SetText("Edit2", u"75");
    Click("Button62");
    EXPECT_EQ(Text("Memo1"),
              u" ,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15\r\n"
              u",16,17,18,19,20,21,22,23,24,25,26,27,28\r\n"
              u",29,30,31,32,33,34,35,36,37,38,39,40,41\r\n"
              u",42,43,44,45,46,47,48,49\r\n");
}

TEST_F(Form1Test, RangeThatCannotBeUsedAddsNothing) {
    const struct {
        std::u16string start, end;
    } ranges[] = {
        {u"30", u"20"},  // end before start
        {u"0", u"-5"},   // an end below 1
        {u"-5", u"05"},  // a start below 0
    };
    for (const auto& r : ranges) {
        SetText("Edit1", r.start);
        SetText("Edit2", r.end);
        Click("Button62");
        EXPECT_EQ(Text("Memo1"), u"") << platform::Utf16ToUtf8(r.start + u".." + r.end);
    }
    EXPECT_TRUE(window_.Messages().empty());
}

TEST_F(Form1Test, RangeBoxThatIsNoIntegerShowsTheConversionError) {
    const struct {
        std::u16string start, end, message;
    } cases[] = {
        {u"a", u"5", u"'a' is not a valid integer value"},
        {u"", u"5", u"'' is not a valid integer value"},
        {u"0x", u"5", u"'x' is not a valid integer value"},
        {u"1", u"5a", u"'5a' is not a valid integer value"},
        {u"1", u"0-", u"'-' is not a valid integer value"},
    };
    SetText("Memo1", u"鼠");
    for (const auto& c : cases) {
        SetText("Edit1", c.start);
        SetText("Edit2", c.end);
        Click("Button62");
        ASSERT_FALSE(window_.Messages().empty());
        EXPECT_EQ(window_.Messages().back().text, c.message);
        EXPECT_EQ(window_.Messages().back().icon, platform::MessageIcon::kError);
    }
    EXPECT_EQ(window_.Messages().size(), std::size(cases));
    EXPECT_EQ(Text("Memo1"), u"鼠");
}

}  // namespace
}  // namespace kova
