#include "attribute_statistics.h"

#include <string>
#include <vector>

#include "grouped_report.h"
#include "position_scanner.h"
#include "word_rules.h"

namespace kova::detail {

namespace {

using Counts = std::vector<Tally>;  // by 1-based class index, slot 0 unused

// The class words as the scanner's words, each counting for its own index.
PositionScanner ScannerFor(const AttributeStatistic& statistic) {
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

ReportLines WriteAttributeReport(const Counts& counts, const AttributeStatistic& statistic) {
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
        items.push_back({std::string(statistic.words[i]), counts[i + 1]});
    }
    ReportLines lines{std::string(statistic.title)};
    WriteGroups(std::move(items), layout, lines);
    return lines;
}

}  // namespace

ReportLines AttributeStatistics(std::string_view text, const AttributeStatistic& statistic) {
    return WriteAttributeReport(ScannerFor(statistic).Count(text), statistic);
}

}  // namespace kova::detail
