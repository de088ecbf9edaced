#include "attribute_statistics.h"

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "grouped_report.h"
#include "position_scanner.h"
#include "word_rules.h"

namespace kova::detail {

namespace {

// In the order of kova::AttributeStatistic.
const std::array<const AttributeRules*, kAttributeStatisticCount> kRules = {
    &kZodiac, &kHead,     &kTail,    &kElement,    &kDigitSum,
    &kWave,   &kBigSmall, &kOddEven, &kSumOddEven, &kSegment,
};

const AttributeRules& RulesOf(AttributeStatistic statistic) {
    return *kRules[static_cast<std::size_t>(statistic)];
}

// The class words as the scanner's words, each counting for its own index.
PositionScanner ScannerFor(const AttributeRules& statistic) {
    std::size_t compared = statistic.words.size();
    if (statistic.reads_teen_sums) {
        compared -=
            kLastTeenSumBase;  // 11合..13合 end the list; only a "1" before 1合..3合 reads them
    }
    std::vector<ScanWord> words;
    for (std::size_t i = 0; i < compared; ++i) {
        const int index = static_cast<int>(i + 1);
        ScanWord word{statistic.words[i], index};
        if (statistic.skips_after_sum) {
            word.context = Context::kAfterSum;  // and counts nothing then
        } else if (statistic.reads_teen_sums && index <= kLastTeenSumBase) {
            word.context = Context::kAfterOne;
            word.counter_in_context = index + kTeenSumShift;
        }
        words.push_back(word);
    }
    return PositionScanner(words, static_cast<int>(statistic.words.size()), statistic.removes_marks,
                           /*reads_written_numbers=*/false);
}

// counts: by class word, in list order.
ReportLines WriteReport(std::span<const Tally> counts, const AttributeRules& statistic) {
    // A wrapped report continues a line once it is longer than 54 bytes. Twelve spaces are
    // as wide as a header (【共00次】：) in a fixed-pitch Chinese font, so
    // continuation lines line up under the first word.
    const GroupLayout layout{
        .header_before_count = "\xA1\xBE\xB9\xB2" /* 【共 */,
        .header_after_count = "\xB4\xCE\xA1\xBF\xA3\xBA" /* 次】： */,
        .longest_line = statistic.wraps_long_lines ? std::size_t{54} : 0,
        .continuation_indent = "            ",
    };
    std::vector<CountedItem> items;
    for (std::size_t i = 0; i < statistic.words.size(); ++i) {
        items.push_back({std::string(statistic.words[i]), counts[i]});
    }
    ReportLines lines{std::string(statistic.title)};
    WriteGroups(std::move(items), layout, lines);
    return lines;
}

// The scanner's counters are by 1-based class index, slot 0 unused.
std::vector<Tally> CountWords(std::string_view text, const AttributeRules& rules) {
    std::vector<Tally> counts = ScannerFor(rules).Count(text);
    counts.erase(counts.begin());
    return counts;
}

}  // namespace

ReportLines AttributeStatistics(std::string_view text, const AttributeRules& rules) {
    return WriteReport(CountWords(text, rules), rules);
}

}  // namespace kova::detail

namespace kova {

std::span<const std::string_view> ClassWordsOf(AttributeStatistic statistic) {
    return detail::RulesOf(statistic).words;
}

std::vector<Tally> CountClassWords(AttributeStatistic statistic, std::string_view text) {
    return detail::CountWords(text, detail::RulesOf(statistic));
}

ReportLines WriteAttributeReport(AttributeStatistic statistic, std::span<const Tally> counts) {
    const detail::AttributeRules& rules = detail::RulesOf(statistic);
    if (counts.size() != rules.words.size()) {
        throw std::invalid_argument("one count per class word");
    }
    return detail::WriteReport(counts, rules);
}

}  // namespace kova
