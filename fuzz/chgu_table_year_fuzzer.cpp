// The table year from any change-date text on any day of 1900..2155. Where
// Text3 holds a real calendar date later than today the year has not turned
// yet and the result is the year before; otherwise it is Text3's first four
// characters as they stand. The result then drives a statistics press
// without harm.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "chgu/statistics.h"
#include "chgu/table_year.h"
#include "chgu_report_checks.h"
#include "fuzz_input.h"
#include "platform/codepage.h"

namespace {

std::optional<int> TwoAsciiDigits(std::u16string_view text, std::size_t at) {
    if (text.size() < at + 2) {
        return std::nullopt;
    }
    const char16_t tens = text[at], ones = text[at + 1];
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9') {
        return std::nullopt;
    }
    return (tens - u'0') * 10 + (ones - u'0');
}

// The change date the text names, read as the form 2006年01月29日 places it,
// if it is a day of the calendar: the year from four digits in front, or
// else from the two at characters 3 and 4 (30..99 the 1900s).
std::optional<std::chrono::year_month_day> ChangeDate(std::u16string_view text3) {
    const auto century = TwoAsciiDigits(text3, 0), year = TwoAsciiDigits(text3, 2),
               month = TwoAsciiDigits(text3, 5), day = TwoAsciiDigits(text3, 8);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const int full_year = century      ? *century * 100 + *year
                          : *year < 30 ? 2000 + *year
                                       : 1900 + *year;
    const std::chrono::year_month_day date{std::chrono::year{full_year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t year_byte = input.TakeByte(), month_byte = input.TakeByte(),
                       day_byte = input.TakeByte(), form = input.TakeByte();
    const platform::LocalDate today{1900 + year_byte, 1 + month_byte % 12, 1 + day_byte % 28};
    const std::u16string text3 =
        form % 2 == 0 ? platform::Utf8ToUtf16(input.Rest()) : input.RestAsUtf16();

    const std::u16string table_year = chgu::TableYearFromChangeDate(text3, today);
    const std::u16string first_four = text3.substr(0, 4);
    const auto change = ChangeDate(text3);
    const std::chrono::year_month_day now{std::chrono::year{today.year},
                                          std::chrono::month{static_cast<unsigned>(today.month)},
                                          std::chrono::day{static_cast<unsigned>(today.day)}};
    if (change && *change > now) {
        if (first_four.size() == 4 &&
            first_four.find_first_not_of(u"0123456789") == std::u16string::npos) {
            const int year = std::stoi(platform::Utf16ToUtf8(first_four));
            FUZZ_CHECK(table_year == platform::Utf8ToUtf16(std::to_string(year - 1)));
        }
    } else {
        FUZZ_CHECK(table_year == first_four);
    }

    // Whatever year that is, a press with it stays well formed.
    chgu::StatisticSettings settings;
    settings.scan.TableYear = table_year;
    std::int16_t InBracket = 0;
    const auto report =
        chgu::RunStatistic(chgu::Statistics()[0], u"鼠,马,金,火,05,49", settings, InBracket).report;
    FUZZ_CHECK(fuzz::IsWellFormedNumberReport(report));
    // 肖统计
    FUZZ_CHECK(
        !chgu::RunStatistic(chgu::Statistics()[1], u"鼠牛", settings, InBracket).report.empty());
    return 0;
}
