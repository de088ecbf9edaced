// Properties every report keeps, over random tip texts (fixed seed). The
// counts themselves are the differential test's: it compares every report
// with the literal model.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <set>

#include "chgu/reports.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::Text2After;
using test::U16;
using test::U8;

// Pieces that tip texts are made of, so that every rule gets exercised.
const std::vector<std::string> kPieces = {
    "0",  "1",  "2",  "3",  "4",  "5",  "9",  ",",  "、", " ",  "\r\n", "\n", "\r",
    "次", "期", "码", "头", "尾", "合", "数", "鼠", "牛", "猪", "金",   "水", "红",
    "绿", "蓝", "大", "小", "单", "双", "【", "】", "〖", "〗", "０",   "５", "x"};

std::string RandomText(std::mt19937& random, std::size_t pieces) {
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i) {
        text += kPieces[random() % kPieces.size()];
    }
    return text;
}

struct ReportLine {
    std::int64_t count;
    std::vector<std::string> items;
    std::int64_t stated;  // the n of "（n码）", -1 when absent
};

// Splits a report into its lines; continuation lines are joined to theirs.
std::vector<ReportLine> ParseReport(std::string report, std::string_view prefix,
                                    std::string_view count_end) {
    for (std::size_t at; (at = report.find("\r\n       ")) != std::string::npos;) {
        report.erase(at, 9);
    }
    std::vector<ReportLine> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        std::string line = report.substr(start, end - start);
        if (!line.starts_with(prefix)) {
            continue;  // a heading
        }
        ReportLine parsed{std::stoll(line.substr(prefix.size())), {}, -1};
        std::string rest = line.substr(line.find(count_end) + count_end.size());
        if (const std::size_t open = rest.find("（"); open != std::string::npos) {
            parsed.stated = std::stoll(rest.substr(open + std::string("（").size()));
            rest.erase(open);
        }
        for (std::size_t comma; (comma = rest.find(',')) != std::string::npos;) {
            parsed.items.push_back(rest.substr(0, comma));
            rest.erase(0, comma + 1);
        }
        EXPECT_EQ(rest, "") << line;
        lines.push_back(parsed);
    }
    EXPECT_EQ(start, report.size()) << "every line ends in CR LF";
    return lines;
}

TEST(ReportProperties, EveryNumberOnceAndTheCountsAddUpTo49) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 300; ++round) {
        const std::u16string text = U16(RandomText(random, random() % 60));
        const bool long_lines = round % 2 == 0;
        const ScanSettings scan{u"2008", round % 3 != 0, round % 5 == 0};
        // Each pass starts outside brackets, as every press does.
        std::int16_t InBracket = 0;
        const std::u16string report = Text2After(0, text, {scan, long_lines}, InBracket);

        std::map<int, int> seen;
        std::int64_t stated_total = 0;
        std::int64_t previous = -1;
        for (const ReportLine& line : ParseReport(U8(report), "共", "次:")) {
            EXPECT_GT(line.count, previous);
            previous = line.count;
            stated_total += line.stated;
            EXPECT_EQ(line.stated, static_cast<std::int64_t>(line.items.size()));
            for (const std::string& item : line.items) {
                const int number = std::stoi(item);
                ++seen[number];
            }
        }
        EXPECT_EQ(stated_total, 49) << U8(text);
        EXPECT_EQ(seen.size(), 49u);
        for (const auto& [number, times] : seen) {
            EXPECT_TRUE(number >= 1 && number <= 49 && times == 1) << number;
        }
    }
}

TEST(ReportProperties, EveryClassNameOnceInEveryAttributeReport) {
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        const std::u16string text = U16(RandomText(random, random() % 60));
        const auto statistic = static_cast<AttributeStatistic>(1 + round % 10);
        const ScanSettings scan{u"2008", round % 3 != 0, round % 4 == 0};
        std::int16_t InBracket = 0;
        const std::string report =
            U8(Text2After(static_cast<std::int16_t>(statistic), text, {scan, true}, InBracket));
        EXPECT_TRUE(report.starts_with(U8(HeadingOf(statistic)) + "\r\n"));
        std::multiset<std::string> names;
        for (const ReportLine& line : ParseReport(report, "【共", "次】：")) {
            names.insert(line.items.begin(), line.items.end());
        }
        std::multiset<std::string> expected;
        for (const std::u16string_view word : ClassesOf(statistic).words) {
            expected.insert(U8(word));
        }
        EXPECT_EQ(names, expected) << U8(text);
    }
}

TEST(ReportProperties, NormalisedTextHasOnlyWholeLineBreaksAndIsStable) {
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        const std::u16string text = U16(RandomText(random, random() % 40));
        const std::u16string normal = NormaliseText(text);
        for (std::size_t i = 0; i < normal.size(); ++i) {
            if (normal[i] == u'\r') {
                EXPECT_TRUE(i + 1 < normal.size() && normal[i + 1] == u'\n') << U8(text);
                EXPECT_NE(normal.substr(i + 2, 2), u"\r\n") << "no empty lines: " << U8(text);
            } else if (normal[i] == u'\n') {
                EXPECT_TRUE(i > 0 && normal[i - 1] == u'\r') << U8(text);
            }
            EXPECT_FALSE(normal[i] >= u'０' && normal[i] <= u'９');
        }
        EXPECT_EQ(NormaliseText(normal), normal);
    }
}

}  // namespace
}  // namespace chgu
