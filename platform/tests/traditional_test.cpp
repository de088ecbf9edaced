// The one replacement of 繁体字也统计 on both code pages: every form of the
// table, the characters that look alike but stay, and code page 936 read
// character by character (a traditional form's bytes inside other
// characters are not one).
#include <gtest/gtest.h>

#include <map>
#include <random>
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

// The sixteen-byte blocks against a walk one character at a time, on random
// bytes rich in the table's lead and trail bytes, ASCII and GB2312 pairs.
TEST(Traditional, BlocksOfCodePage936MatchAWalkByCharacters) {
    std::map<std::string, std::string> table;
    for (const auto& form : platform::kTraditionalForms) {
        table[platform::Utf16ToGbk(std::u16string(1, form.traditional))] =
            platform::Utf16ToGbk(std::u16string(1, form.simplified));
    }
    std::string pieces;
    for (const auto& [traditional, simplified] : table) {
        pieces += traditional + simplified;
    }
    pieces += "\x81\x7F\xFF\x80\xA1\xFE,05 a\xCA\xF3";
    std::mt19937 random(1841);
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 80, ' ');
        for (char& c : text) {
            c = random() % 3 == 0 ? static_cast<char>(random()) : pieces[random() % pieces.size()];
        }
        std::string walked;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            const std::size_t length =
                lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2
                                                                                                : 1;
            const std::string character = text.substr(i, length);
            const auto found = table.find(character);
            walked += found == table.end() ? character : found->second;
            i += length;
        }
        std::string simplified = text;
        platform::SimplifyTraditionalGbk(simplified);
        ASSERT_EQ(simplified, walked) << "round " << round;
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
