// Program A's worked examples through the engine: the report of each
// example's statistic, as the window and kova-cli show it.
#include <gtest/gtest.h>

#include <string>

#include "kova/statistics.h"
#include "platform/codepage.h"
#include "worked_examples.h"

namespace kova {
namespace {

TEST(WorkedExamples, TheEngineWritesEachReport) {
    // The statistics table's rows by the tools' names of them.
    const auto row = [](const std::string& name) -> const Statistic& {
        for (const Statistic& statistic : Statistics()) {
            if (statistic.tool_name == name) {
                return statistic;
            }
        }
        ADD_FAILURE() << "no statistic " << name;
        return Statistics().front();
    };
    for (const test::WorkedExample& example : test::WorkedExamples()) {
        const std::string text = platform::Utf8ToGbk(example.text);
        StatisticSettings settings;
        settings.year = example.year;
        settings.arrangement = example.layout == 2 ? Arrangement::kOneLine : Arrangement::kWrapped;
        const ReportLines report = Report(row(example.statistic), text, settings);
        EXPECT_EQ(platform::GbkToUtf8(ReportText(report)), example.report)
            << example.statistic << " of '" << example.text << "'";
    }
}

}  // namespace
}  // namespace kova
