#include "grouped_report.h"

#include <algorithm>

namespace kova::detail {

std::string TwoDigitCount(Tally count) {
    std::string digits = count >= 0 && count < 10 ? std::string("0") : std::string();
    digits += std::to_string(count);
    return digits;
}

void WriteGroups(std::vector<CountedItem> items, const GroupLayout& layout, ReportLines& lines) {
    std::stable_sort(items.begin(), items.end(),
                     [](const CountedItem& a, const CountedItem& b) { return a.count < b.count; });
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CountedItem& item = items[i];
        if (i == 0 || item.count != items[i - 1].count) {
            std::string header(layout.header_before_count);
            header.append(TwoDigitCount(item.count)).append(layout.header_after_count);
            lines.push_back(std::move(header));
        } else if (layout.longest_line != 0 && lines.back().size() > layout.longest_line) {
            lines.emplace_back(layout.continuation_indent);
        }
        lines.back().append(item.text).append(",");
    }
}

}  // namespace kova::detail
