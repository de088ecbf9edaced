// Statistics presses and the reports they write into the output box.
#include <gtest/gtest.h>

#include "chgu/reports.h"
#include "platform/codepage.h"
#include "test_support.h"
#include "worked_examples.h"

namespace chgu {
namespace {

using test::Press;
using test::Strip;

const Strip kShortLines{.Option2 = false};

TEST(WorkedExamples, TheEngineWritesEachReport) {
    for (const test::WorkedExample& example : test::WorkedExamples()) {
        const Strip strip{.TableYear = example.table_year, .Option2 = example.long_lines};
        const std::int16_t Index = example.statistic == "number" ? kNumberStatisticsIndex
                                   : example.statistic == "zodiac"
                                       ? static_cast<std::int16_t>(AttributeStatistic::Zodiac)
                                       : -1;
        EXPECT_EQ(Press(Index, example.text, strip), example.report)
            << example.statistic << " of '" << example.text << "'";
    }
}

TEST(AttributeReport, ArrangementChangesOnlyTheNumberReport) {
    const std::string text = "鼠牛,05,3头";
    for (std::int16_t index = 1; index <= 10; ++index) {
        EXPECT_EQ(Press(index, text), Press(index, text, kShortLines)) << index;
    }
    EXPECT_NE(Press(0, text), Press(0, text, kShortLines));
}

}  // namespace
}  // namespace chgu
