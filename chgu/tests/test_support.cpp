#include "test_support.h"

#include "chgu/statistics.h"
#include "platform/codepage.h"

namespace chgu::test {

std::u16string U16(std::string_view utf8) {
    return platform::Utf8ToUtf16(utf8);
}

std::string U8(std::u16string_view text) {
    return platform::Utf16ToUtf8(text);
}

std::u16string Text2After(std::int16_t Index, std::u16string_view text,
                          const StatisticSettings& settings, std::int16_t& InBracket) {
    if (Index == kNormaliseButton) {
        return NormaliseText(text);
    }
    return RunStatistic(Statistics()[static_cast<std::size_t>(Index)], text, settings, InBracket)
        .report;
}

std::string Press(std::int16_t Index, std::string_view text, const Strip& strip) {
    const std::u16string TableYear = U16(strip.TableYear);
    std::int16_t InBracket = 0;
    return U8(Text2After(Index, U16(text), {{TableYear, strip.Check1, strip.Check2}, strip.Option2},
                         InBracket));
}

std::string Collected(std::string_view text, const Strip& strip) {
    const std::u16string TableYear = U16(strip.TableYear);
    std::int16_t InBracket = 0;
    return U8(CollectNumbers(U16(text), {TableYear, strip.Check1, strip.Check2}, InBracket));
}

std::string Counted(AttributeStatistic statistic, std::string_view text, const Strip& strip) {
    const std::u16string TableYear = U16(strip.TableYear);
    std::int16_t InBracket = 0;
    Counts counts{};
    ScanAttributes(statistic, U16(text), {TableYear, strip.Check1, strip.Check2}, InBracket,
                   counts);
    const AttributeClasses classes = ClassesOf(statistic);
    std::string counted;
    for (std::size_t i = 0; i < classes.words.size(); ++i) {
        if (const std::int64_t count = counts[classes.first_slot + i]; count != 0) {
            if (!counted.empty()) {
                counted += ' ';
            }
            counted += U8(classes.words[i]);
            counted += std::to_string(count);
        }
    }
    return counted;
}

}  // namespace chgu::test
