// The one replacement of 繁体字也统计 on both code pages: every form of the
// table, the characters that look alike but stay, and code page 936 read
// character by character (a traditional form's bytes inside other
// characters are not one).
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "platform/traditional.h"

namespace {

struct Case {
    const char* text;      // UTF-8
    const char* expected;  // UTF-8
};

const Case kCases[] = {
    {"龍馬雞鷄豬頭紅綠藍單雙號碼數", "龙马鸡鸡猪头红绿蓝单双号码数"},
    {"龙 马 07 兰 蘭 鳥 東 合數單 3頭", "龙 马 07 兰 蘭 鳥 東 合数单 3头"},
    {"號：05,碼12\r\n紅單", "号：05,码12\r\n红单"},
    {"", ""},
};

TEST(Traditional, ReplacesEachFormOfTheTableInBothCodePages) {
    for (const Case& c : kCases) {
        std::u16string utf16 = platform::Utf8ToUtf16(c.text);
        platform::SimplifyTraditional(utf16);
        EXPECT_EQ(platform::Utf16ToUtf8(utf16), c.expected) << c.text;

        std::string gbk = platform::Utf8ToGbk(c.text);
        platform::SimplifyTraditionalGbk(gbk);
        EXPECT_EQ(gbk, platform::Utf8ToGbk(c.expected)) << c.text;

        EXPECT_EQ(platform::HoldsTraditional(platform::Utf8ToUtf16(c.text)),
                  std::string(c.text) != c.expected)
            << c.text;
    }
}

TEST(Traditional, CodePage936IsReadCharacterByCharacter) {
    const std::string dragon = platform::Utf8ToGbk("龍");  // FD 88
    const std::string simple = platform::Utf8ToGbk("龙");
    const struct {
        std::string text, expected;
    } cases[] = {
        // FD is the trail of the character 81 FD; 88 then stands alone.
        {"\x81" + dragon, "\x81" + dragon},
        // 7F and FF are no trail: the lead stands alone, and 龍 follows.
        {std::string("\x81\x7F") + dragon, std::string("\x81\x7F") + simple},
        {std::string("\xFF") + dragon + "\xFD", std::string("\xFF") + simple + "\xFD"},
        {"a" + dragon + dragon, "a" + simple + simple},
        {dragon.substr(0, 1), dragon.substr(0, 1)},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        platform::SimplifyTraditionalGbk(text);
        EXPECT_EQ(text, c.expected);
    }
}

// Surrogate pairs and the units around the table pass unchanged.
TEST(Traditional, LeavesEveryOtherUtf16UnitAsItIs) {
    std::u16string all;
    for (char32_t c = 0; c < 0x10000; ++c) {
        all += static_cast<char16_t>(c);
    }
    std::u16string simplified = all;
    platform::SimplifyTraditional(simplified);
    std::size_t changed = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        changed += all[i] != simplified[i];
    }
    EXPECT_EQ(changed, platform::kTraditionalForms.size());
}

}  // namespace
