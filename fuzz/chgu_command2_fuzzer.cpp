// Program B's twelve Command2 actions (the eleven statistics and "全转半") on
// any text, with every combination of the three settings and table years
// 2004..2011, or a table year of any text, with 繁体字也统计 on or off. The
// first byte picks the action and 繁体字也统计, the second the settings; the text follows as UTF-8,
// or as raw UTF-16 code units (lone surrogates included). The output must equal the literal model's
// and every report must be well formed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "chgu/reports.h"
#include "chgu/statistics.h"
#include "chgu_report_checks.h"
#include "fuzz_input.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "reference_model.h"

namespace {

// The literal model is quadratic in places; beyond this many code units only
// the engine's own invariants are checked.
constexpr std::size_t kModelLimit = 8 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t action = input.TakeByte();
    const auto index = static_cast<std::int16_t>(action % 12);
    const bool traditional = (action / 12) % 2 != 0;
    const std::uint8_t setting = input.TakeByte();
    const unsigned year_choice = (setting >> 4) % 9;
    std::u16string table_year;
    if (year_choice < 8) {
        table_year = platform::Utf8ToUtf16(std::to_string(2004 + year_choice));
    } else {
        // A table year as a user may type it into Text3.
        table_year = platform::Utf8ToUtf16(input.TakeBytes(input.TakeByte() % 12));
    }
    const bool raw_units = (setting & 8) != 0;
    const std::u16string typed =
        raw_units ? input.RestAsUtf16() : platform::Utf8ToUtf16(input.Rest());
    std::u16string text = typed;
    if (traditional) {
        platform::SimplifyTraditional(text);
    }

    chgu::StatisticSettings settings;
    settings.scan.TableYear = table_year;
    settings.scan.Check1 = (setting & 1) != 0;
    settings.scan.Check2 = (setting & 2) != 0;
    settings.long_lines = (setting & 4) != 0;

    // The statistics in table order, then 全转半.
    const auto statistics = chgu::Statistics();
    std::int16_t InBracket = 0;
    std::optional<std::u16string> text2;
    if (static_cast<std::size_t>(index) < statistics.size()) {
        const chgu::Statistic& statistic = statistics[static_cast<std::size_t>(index)];
        text2 = chgu::RunStatistic(statistic, text, settings, InBracket).report;
        if (!statistic.attribute) {
            FUZZ_CHECK(fuzz::IsWellFormedNumberReport(*text2));
        } else {
            const chgu::AttributeStatistic attribute = *statistic.attribute;
            FUZZ_CHECK(fuzz::IsWellFormedAttributeReport(*text2, chgu::HeadingOf(attribute),
                                                         chgu::ClassesOf(attribute).words));
        }
    } else {
        text2 = chgu::NormaliseText(text);
    }

    if (text.size() <= kModelLimit) {
        chgu::reference::Settings model;
        model.table_year = table_year;
        model.skip_brackets = settings.scan.Check1;
        model.cumulative = settings.scan.Check2;
        model.long_lines = settings.long_lines;
        FUZZ_CHECK(*text2 ==
                   chgu::reference::Press(
                       index, traditional ? chgu::reference::Simplified(typed) : typed, model));
    }
    return 0;
}
