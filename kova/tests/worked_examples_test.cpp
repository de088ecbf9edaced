// Program A's worked examples through the engine: the report of each
// example's statistic, as the window and kova-cli show it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "kova/statistics.h"
#include "platform/codepage.h"
#include "worked_examples.h"

namespace kova {
namespace {

TEST(WorkedExamples, TheEngineWritesEachReport) {
    const std::map<std::string, ReportLines (*)(std::string_view)> attributes = {
        {"zodiac", ZodiacStatistics},     {"head", HeadStatistics},
        {"tail", TailStatistics},         {"element", ElementStatistics},
        {"digitsum", DigitSumStatistics}, {"wave", WaveStatistics},
        {"bigsmall", BigSmallStatistics}, {"oddeven", OddEvenStatistics},
        {"sumoddeven", SumOddEvenStatistics}, {"segment", SegmentStatistics}};
    for (const test::WorkedExample& example : test::WorkedExamples()) {
        const std::string text = platform::Utf8ToGbk(example.text);
        const ReportLines report =
            example.statistic == "number"
                ? NumberStatistics(text, example.year,
                                   example.layout == 2 ? Arrangement::kOneLine
                                                       : Arrangement::kWrapped)
                : attributes.at(example.statistic)(text);
        EXPECT_EQ(platform::GbkToUtf8(ReportText(report)), example.report)
            << example.statistic << " of '" << example.text << "'";
    }
}

}  // namespace
}  // namespace kova
