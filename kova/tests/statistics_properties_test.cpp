// Random tip texts with a fixed seed: every report lists each item exactly
// once, and the counts are exactly those of the literal reading of the rules,
// also in texts long enough to cross the scanner's internal stretches.
#include <gtest/gtest.h>

#include <random>

#include "kova/statistics.h"
#include "kova/tables.h"
#include "literal_rules.h"
#include "platform/codepage.h"
#include "report_reading.h"

using namespace kova;
using namespace kova::test;

namespace {

// Pieces of tip texts, marks and near-words included.
constexpr const char* kPieces[] = {
    "鼠",   "牛",  "猪",   "龙",  "金",   "水",   "土",     "红",         "绿",   "蓝",
    "兰",   "大",  "小",   "单",  "双",   "合",   "合单",   "合大",       "0头",  "4头",
    "5头",  "0尾", "9尾",  "1合", "3合",  "9合",  "10合",   "11合",       "13合", "一段",
    "七段", "九",  "号",   "：",  "九：", "号：", "共01次", "（共00码）", "次",   "码",
    "年",   "期",  "0",    "1",   "5",    "9",    "05",     "49",         "50",   "123",
    ",",    " ",   "\r\n", "、",  "a",    "，",   "共",     "狗",         "构"};

std::string RandomTipText(std::mt19937& random, std::size_t pieces) {
    std::string utf8;
    for (std::size_t i = 0; i < pieces; ++i) {
        utf8 += kPieces[random() % std::size(kPieces)];
    }
    return platform::Utf8ToGbk(utf8);
}

struct AttributeCase {
    const char* name;
    ReportLines (*statistic)(std::string_view);
    LiteralAttributeRules rules;
};

const AttributeCase kAttributeCases[] = {
    {"zodiac", ZodiacStatistics, {ZodiacNames, true, false, false}},
    {"head", HeadStatistics, {HeadNames}},
    {"tail", TailStatistics, {TailNames}},
    {"element", ElementStatistics, {ElementNames}},
    {"digitsum", DigitSumStatistics, {DigitSumNames, false, true, false}},
    {"wave", WaveStatistics, {WaveNames}},
    {"bigsmall", BigSmallStatistics, {BigSmallNames, false, false, true}},
    {"oddeven", OddEvenStatistics, {OddEvenNames, false, false, true}},
    {"sumoddeven", SumOddEvenStatistics, {SumOddEvenNames}},
    {"segment", SegmentStatistics, {SegmentNames}},
};

}  // namespace

TEST(StatisticsOnRandomTexts, NumberReportListsEachNumberOnceWithTheLiteralCounts) {
    std::mt19937 random(20040708);
    for (int round = 0; round < 40; ++round) {
        // Short texts, and long ones that cross several thousand bytes.
        const std::string text = RandomTipText(random, round % 4 == 0 ? 3000 : 1 + random() % 60);
        const int year = kFirstYear + round % 8;
        const auto arrangement = round % 2 == 0 ? Arrangement::kWrapped : Arrangement::kOneLine;
        const ReportLines report = NumberStatistics(text, year, arrangement);
        EXPECT_EQ(SumOfLineCounts(report), 49);
        const StatedCounts stated = ReadNumberReport(report);
        const auto literal = LiteralNumberCounts(text, year);
        ASSERT_EQ(stated.size(), 49u)
            << platform::GbkToUtf8(text);  // no duplicates, no bad line count
        for (int n = 1; n <= 49; ++n) {
            const std::string number = {static_cast<char>('0' + n / 10),
                                        static_cast<char>('0' + n % 10)};
            ASSERT_EQ(stated.at(number), literal[static_cast<std::size_t>(n)])
                << number << " in " << year << ": " << platform::GbkToUtf8(text);
        }
    }
}

TEST(StatisticsOnRandomTexts, AttributeReportsListEachWordOnceWithTheLiteralCounts) {
    std::mt19937 random(20100101);
    for (int round = 0; round < 30; ++round) {
        const std::string text = RandomTipText(random, round % 5 == 0 ? 3000 : 1 + random() % 60);
        for (const AttributeCase& c : kAttributeCases) {
            const StatedCounts stated = ReadAttributeReport(c.statistic(text));
            const auto literal = LiteralAttributeCounts(text, c.rules);
            ASSERT_EQ(stated.size(), c.rules.words.size()) << c.name;
            for (const auto& [word, count] : literal) {
                ASSERT_EQ(stated.at(word), count)
                    << c.name << " " << word << ": " << platform::GbkToUtf8(text);
            }
        }
    }
}

TEST(StatisticsOnRandomTexts, MarksAndDigitsAtEveryOffsetOfALongText) {
    // The scanner takes long texts in stretches; put marks, digits and words
    // across every offset of the first few stretch boundaries.
    const std::string filler = platform::Utf8ToGbk("a");
    for (const char* tail : {"九：牛", "号：05", "九九号：：1合", "12", "合大", "10合", "：5,"}) {
        const std::string piece = platform::Utf8ToGbk(tail);
        for (std::size_t before = 4080; before < 4100; ++before) {
            std::string text;
            for (std::size_t i = 0; i < before; ++i)
                text += filler;
            text += piece + text + piece;  // near the first and the second boundary
            const StatedCounts stated =
                ReadNumberReport(NumberStatistics(text, 2005, Arrangement::kOneLine));
            const auto literal = LiteralNumberCounts(text, 2005);
            for (int n = 1; n <= 49; ++n) {
                const std::string number = {static_cast<char>('0' + n / 10),
                                            static_cast<char>('0' + n % 10)};
                ASSERT_EQ(stated.at(number), literal[static_cast<std::size_t>(n)])
                    << tail << " " << before;
            }
            const StatedCounts zodiac = ReadAttributeReport(ZodiacStatistics(text));
            ASSERT_EQ(zodiac.at("牛"),
                      LiteralAttributeCounts(text, kAttributeCases[0].rules).at("牛"))
                << tail << " " << before;
        }
    }
}
