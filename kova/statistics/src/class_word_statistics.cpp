// The count and report of the attribute statistics: each counts the words
// of one class list in the text and reports the words grouped by count;
// they differ only in their rows' rules.
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "grouped_report.h"
#include "kova/statistics.h"
#include "platform/codepage.h"
#include "position_scanner.h"
#include "word_rules.h"

namespace kova {

namespace {

using detail::Context;
using detail::CountedItem;
using detail::GroupLayout;
using detail::PositionScanner;
using detail::ScanWord;

// The class words as the scanner's words, each counting for its own index.
PositionScanner ScannerFor(const ClassWordRules& rules) {
    std::size_t compared = rules.words.size();
    if (rules.reads_teen_sums) {
        // 11合..13合 end the list; only a "1" before 1合..3合 reads them
        compared -= detail::kLastTeenSumBase;
    }
    std::vector<ScanWord> words;
    for (std::size_t i = 0; i < compared; ++i) {
        const int index = static_cast<int>(i + 1);
        ScanWord word{rules.words[i], index};
        if (rules.skips_after_sum) {
            word.context = Context::kAfterSum;  // and counts nothing then
        } else if (rules.reads_teen_sums && index <= detail::kLastTeenSumBase) {
            word.context = Context::kAfterOne;
            word.counter_in_context = index + detail::kTeenSumShift;
        }
        words.push_back(word);
    }
    return PositionScanner(words, static_cast<int>(rules.words.size()), rules.removes_marks,
                           /*reads_written_numbers=*/false);
}

// The group headers 【共00次】：. A wrapped report continues a line once it is
// longer than 54 bytes. Twelve spaces are as wide as a header in a
// fixed-pitch Chinese font, so continuation lines line up under the first
// word.
struct ClassLayouts {
    std::string before_count = platform::Utf16ToGbk(u"【共");
    std::string after_count = platform::Utf16ToGbk(u"次】：");
    GroupLayout Layout(bool wraps) const {
        return {
            .header_before_count = before_count,
            .header_after_count = after_count,
            .longest_line = wraps ? std::size_t{54} : 0,
            .continuation_indent = "            ",
        };
    }
};

}  // namespace

LabelledCounts CountClassWords(const Statistic& statistic, std::string_view text,
                               const StatisticSettings&) {
    // The scanner's counters are by 1-based class index, slot 0 unused.
    std::vector<Tally> counts = ScannerFor(statistic.rules).Count(text);
    counts.erase(counts.begin());
    LabelledCounts labelled;
    labelled.labels.assign(statistic.rules.words.begin(), statistic.rules.words.end());
    labelled.counts = std::move(counts);
    return labelled;
}

ReportLines WriteClassWordReport(const Statistic& statistic, std::span<const Tally> counts,
                                 const StatisticSettings&) {
    const ClassWordRules& rules = statistic.rules;
    if (counts.size() != rules.words.size()) {
        throw std::invalid_argument("one count per class word");
    }
    static const ClassLayouts kLayouts;
    std::vector<CountedItem> items;
    for (std::size_t i = 0; i < rules.words.size(); ++i) {
        items.push_back({std::string(rules.words[i]), counts[i]});
    }
    ReportLines lines{platform::Utf16ToGbk(statistic.title)};
    detail::WriteGroups(std::move(items), kLayouts.Layout(rules.wraps_long_lines), lines);
    return lines;
}

}  // namespace kova
