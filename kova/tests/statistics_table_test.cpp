#include <gtest/gtest.h>

#include <set>
#include <string>

#include "kova/statistics.h"
#include "report_reading.h"
#include "tip_text.h"

using namespace kova;
using kova::test::Gbk;
using kova::test::ReadAttributeReport;
using kova::test::ReadNumberReport;

// The fixed texts of the reports are written in the code as text; these are
// the code page 936 bytes the output box must get.
TEST(StatisticsTable, ReportTextsHaveTheirBytes) {
    const std::pair<const char*, std::string_view> titles[] = {
        {"ZodiacStatistics", " \xC9\xFA\xD0\xA4\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"HeadStatistics", " \xCD\xB7\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"TailStatistics", " \xCE\xB2\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"ElementStatistics", " \xD0\xD0\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"DigitSumStatistics", " \xBA\xCF\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"WaveStatistics", " \xB2\xA8\xC9\xAB\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"BigSmallStatistics", " \xB4\xF3\xD0\xA1\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"OddEvenStatistics", " \xB5\xA5\xCB\xAB\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"SumOddEvenStatistics",
         " \xBA\xCF\xB5\xA5\xCB\xAB\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
        {"SegmentStatistics", " \xB6\xCE\xCA\xFD\xCD\xB3\xBC\xC6\xBD\xE1\xB9\xFB\xA3\xBA"},
    };
    for (const auto& [name, title] : titles) {
        const ReportLines report = Report(StatisticNamed(name), "");
        ASSERT_EQ(report.size(), name == std::string("DigitSumStatistics") ? 3u : 2u) << name;
        EXPECT_EQ(report[0], title) << name;
        // 【共00次】：
        EXPECT_EQ(report[1].substr(0, 12),
                  "\xA1\xBE\xB9\xB2"
                  "00"
                  "\xB4\xCE\xA1\xBF\xA3\xBA")
            << name;
    }
    // 共00次：01,...,10,（10码） and, wrapped, eight spaces.
    const ReportLines numbers = NumberStatistics("", 2003, Arrangement::kWrapped);
    EXPECT_EQ(numbers[0],
              "\xB9\xB2"
              "00"
              "\xB4\xCE\xA3\xBA"
              "01,02,03,04,05,06,07,08,09,10,"
              "\xA3\xA8"
              "10"
              "\xC2\xEB\xA3\xA9");
    EXPECT_EQ(numbers[4],
              "        41,42,43,44,45,46,47,48,49,\xA3\xA8"
              "9\xC2\xEB\xA3\xA9");
}

// Every row's counts are the ones its report states, under the report's own
// names, for either arrangement and a year of the file's tables.
TEST(StatisticsTable, CountsAreThoseTheReportStates) {
    const std::string text = Gbk(bench::GenerateTipText(40000, 7));
    std::set<std::string_view> tool_names;
    for (const Statistic& statistic : Statistics()) {
        EXPECT_TRUE(tool_names.insert(statistic.tool_name).second) << statistic.tool_name;
        EXPECT_EQ(&StatisticNamed(statistic.name), &statistic);
        for (const Arrangement arrangement : {Arrangement::kWrapped, Arrangement::kOneLine}) {
            const StatisticResult result = RunStatistic(statistic, text, {2008, arrangement});
            ASSERT_EQ(result.counts.labels.size(), result.counts.counts.size());
            const auto stated = statistic.reads_year ? ReadNumberReport(result.report)
                                                     : ReadAttributeReport(result.report);
            ASSERT_EQ(stated.size(), result.counts.labels.size()) << statistic.name;
            for (std::size_t i = 0; i < result.counts.labels.size(); ++i) {
                EXPECT_EQ(stated.at(test::Utf8Lines({result.counts.labels[i]})),
                          result.counts.counts[i])
                    << statistic.name << " " << i;
            }
        }
    }
    EXPECT_THROW(StatisticNamed("HalfWaveStatistics"), std::out_of_range);
}
