#include "report_reading.h"

#include <algorithm>
#include <cstdlib>

#include "platform/codepage.h"

namespace kova::test {

namespace {

// Splits "a,b,c," into its items.
void RecordItems(std::string_view items, long long count, StatedCounts& stated) {
    while (!items.empty()) {
        const auto comma = items.find(',');
        const std::string item(items.substr(0, comma));
        if (stated.contains(item)) {
            ++stated[std::string("duplicate:").append(item)];
        }
        stated[item] = count;
        items.remove_prefix(comma == std::string_view::npos ? items.size() : comma + 1);
    }
}

// Reads the groups of a report: header lines "<open>NN<close>" followed by
// items, and continuation lines that start with spaces.
StatedCounts ReadGroups(const ReportLines& lines, std::string_view open, std::string_view close,
                        std::size_t first_line) {
    StatedCounts stated;
    long long count = -1;
    for (std::size_t i = first_line; i < lines.size(); ++i) {
        std::string line = platform::GbkToUtf8(lines[i]);
        if (const auto suffix = line.find("（"); suffix != std::string::npos) {
            const long long numbers = std::count(line.begin(), line.end(), ',');
            if (line.substr(suffix) !=
                std::string("（").append(std::to_string(numbers)).append("码）")) {
                ++stated["bad line count"];
            }
            line.erase(suffix);
        }
        std::string_view rest = line;
        if (rest.starts_with(open)) {
            const auto end = rest.find(close);
            count = std::atoll(std::string(rest.substr(open.size(), end - open.size())).c_str());
            rest.remove_prefix(end + close.size());
        } else {
            rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
        }
        RecordItems(rest, count, stated);
    }
    return stated;
}

}  // namespace

std::string Gbk(std::string_view utf8) {
    return platform::Utf8ToGbk(utf8);
}

std::string Utf8Lines(const ReportLines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += platform::GbkToUtf8(line);
    }
    return text;
}

StatedCounts ReadNumberReport(const ReportLines& lines) {
    return ReadGroups(lines, "共", "次：", 0);
}

long long SumOfLineCounts(const ReportLines& lines) {
    long long sum = 0;
    for (const std::string& gbk : lines) {
        const std::string line = platform::GbkToUtf8(gbk);
        const auto open = line.rfind("（");
        sum += open == std::string::npos
                   ? 0
                   : std::atoll(line.c_str() + open + std::string("（").size());
    }
    return sum;
}

StatedCounts ReadAttributeReport(const ReportLines& lines) {
    return ReadGroups(lines, "【共", "次】：", 1);
}

}  // namespace kova::test
