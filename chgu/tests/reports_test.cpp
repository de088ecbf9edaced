// Statistics presses and the reports they write into the output box.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "chgu/reports.h"
#include "chgu/statistics.h"
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
        // The button of the statistic the example names: its row's index.
        const std::span<const Statistic> statistics = Statistics();
        const auto Index = static_cast<std::int16_t>(
            std::find_if(statistics.begin(), statistics.end(),
                         [&](const Statistic& s) { return s.tool_name == example.statistic; }) -
            statistics.begin());
        ASSERT_LT(Index, static_cast<std::int16_t>(statistics.size())) << example.statistic;
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
