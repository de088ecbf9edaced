// Program A's eleven statistics on any bytes. The first byte picks the
// statistic, the second the year, the arrangement and 繁体字也统计; the rest
// is the input box's text (with the setting, the engine reads it simplified
// by the platform's pass, the model by its own). Every report must list each number or class word
// exactly once, state its line counts truly, and equal the literal model's report.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "kova/statistics.h"
#include "kova/tables.h"
#include "platform/traditional.h"
#include "reference_model.h"
#include "report_reading.h"

namespace {

using kova::ReportLines;
using kova::reference::Family;

// The literal model's family of each attribute statistic, in table order.
constexpr std::array<Family, 10> kFamilies = {
    Family::kZodiac, Family::kHead,     Family::kTail,    Family::kElement,    Family::kDigitSum,
    Family::kWave,   Family::kBigSmall, Family::kOddEven, Family::kSumOddEven, Family::kSegment,
};

// The literal model is quadratic on texts full of marks; beyond this size
// only the engine's own invariants are checked.
constexpr std::size_t kModelLimit = 16 * 1024;

bool HasNoLineBreak(const ReportLines& lines) {
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t which = input.TakeByte() % 11;
    const std::uint8_t setting = input.TakeByte();
    const bool traditional = (setting & 0x10) != 0;
    std::string simplified;
    std::string_view text = input.Rest();
    std::string model_text(text);
    if (traditional) {
        simplified = text;
        platform::SimplifyTraditionalGbk(simplified);
        text = simplified;
        model_text = kova::reference::Simplified(model_text);
    }

    if (which == 0) {
        const int year = kova::kFirstYear + setting % 8;
        const bool wrapped = (setting & 8) == 0;
        const ReportLines report = kova::NumberStatistics(
            text, year, wrapped ? kova::Arrangement::kWrapped : kova::Arrangement::kOneLine);
        FUZZ_CHECK(HasNoLineBreak(report));
        FUZZ_CHECK(kova::test::SumOfLineCounts(report) == 49);
        // 49 numbers, no duplicate, no line whose stated count is wrong.
        FUZZ_CHECK(kova::test::ReadNumberReport(report).size() == 49);
        if (text.size() <= kModelLimit) {
            FUZZ_CHECK(kova::ReportText(report) ==
                       kova::reference::NumberReport(model_text, year, wrapped));
        }
        return 0;
    }

    const kova::Statistic& statistic = kova::Statistics()[which];
    const ReportLines report = kova::Report(statistic, text);
    FUZZ_CHECK(HasNoLineBreak(report));
    FUZZ_CHECK(kova::test::ReadAttributeReport(report).size() == statistic.rules.words.size());
    if (text.size() <= kModelLimit) {
        FUZZ_CHECK(kova::ReportText(report) ==
                   kova::reference::AttributeReport(model_text, kFamilies[which - 1]));
    }
    return 0;
}
