#include <span>

#include "chgu/reports.h"
#include "report_counts.h"

namespace chgu {

namespace {

constexpr std::size_t kFirstSlice = 35;
constexpr std::size_t kFurtherSlice = 30;
constexpr std::size_t kMostSlices = 5;
// Puts the continuation numbers under the first number of the line, since
// 共 and 次 each take two columns.
constexpr std::u16string_view kContinuation = u"\r\n       ";

// The body in short lines: the first 35 characters, then every 30 on a line
// of their own; the fifth piece takes all the rest.
void AppendShortLines(std::u16string& report, std::u16string_view body) {
    std::size_t taken = std::min(kFirstSlice, body.size());
    report += body.substr(0, taken);
    for (std::size_t slice = 2; taken < body.size(); ++slice) {
        const std::size_t length = slice == kMostSlices
                                       ? body.size() - taken
                                       : std::min(kFurtherSlice, body.size() - taken);
        report += kContinuation;
        report += body.substr(taken, length);
        taken += length;
    }
}

}  // namespace

std::u16string WriteNumberReport(const Counts& counts, bool long_lines) {
    const std::span<const std::int64_t> numbers(counts.data() + kFirstNumber,
                                                kLastNumber - kFirstNumber + 1);
    std::u16string report;
    for (const std::int64_t k : detail::OccurringCounts(numbers)) {
        std::u16string body = u"共";
        detail::AppendCount(body, k);
        body += u"次:";
        std::int64_t n = 0;
        for (int j = kFirstNumber; j <= kLastNumber; ++j) {
            if (counts[static_cast<std::size_t>(j)] == k) {
                AppendTwoDigits(body, j);
                body += u',';
                ++n;
            }
        }
        if (long_lines) {
            report += body;
        } else {
            AppendShortLines(report, body);
        }
        report += u"（";
        report += DecimalText(n);
        report += u"码）\r\n";
    }
    return report;
}

}  // namespace chgu
