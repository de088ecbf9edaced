// kova-cli's three forms of a run. The worked examples of every statistic
// kind go through the program itself in each format (under Wine in the
// Windows build); on random texts, for every statistic and setting, the
// counts that csv and json give rebuild the report exactly through the
// statistics' own report writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/tool_io.h"
#include "count_reading.h"
#include "every_format.h"
#include "platform/codepage.h"
#include "run_statistic.h"
#include "tip_text.h"
#include "whole_input.h"
#include "worked_examples.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace {

using cli::test::CountsOfCsv;
using cli::test::ItemCounts;
using cli::test::WorkedExample;
using kova::cli::CliOptions;
using kova::cli::Encoding;
using kova::cli::Format;

std::string TwoDigits(int number) {
    return {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

// The items of a statistic in the report's order: 01..49, or the class list.
std::vector<std::string> ItemsOf(std::size_t statistic) {
    std::vector<std::string> items;
    if (const kova::Statistic& row = kova::Statistics()[statistic]; !row.reads_year) {
        for (std::string_view word : row.rules.words) {
            items.push_back(platform::GbkToUtf8(word));
        }
    } else {
        for (int number = kova::kFirstNumber; number <= kova::kLastNumber; ++number) {
            items.push_back(TwoDigits(number));
        }
    }
    return items;
}

std::size_t IndexOfStatistic(std::string_view name) {
    const auto names = kova::cli::StatisticNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].name == name) {
            return i;
        }
    }
    throw std::invalid_argument("no statistic " + std::string(name));
}

TEST(KovaCliFormats, WorkedExamplesInEveryFormat) {
    for (const kova::test::WorkedExample& example : kova::test::WorkedExamples()) {
        using Input = kova::test::WorkedExample::Input;
        WorkedExample run{{example.statistic},
                          example.text,
                          example.report,
                          std::nullopt,
                          example.input != Input::kStandardInput,
                          example.input == Input::kGbkFile};
        if (example.statistic == "number") {
            run.arguments.insert(run.arguments.end(), {"--year", std::to_string(example.year),
                                                       "--layout", std::to_string(example.layout)});
            run.table_year = std::to_string(example.year);
        }
        // Program A has no settings that change a count.
        cli::test::ExpectInEveryFormat(KOVA_CLI_PATH, "kova-cli", run,
                                       ItemsOf(IndexOfStatistic(example.statistic)), {});
    }
}

// The report that the statistic's own writer makes of counts read back, in
// the output encoding.
std::string RebuiltReport(std::size_t statistic, const ItemCounts& counts,
                          const CliOptions& options) {
    const std::vector<std::string> items = ItemsOf(statistic);
    EXPECT_EQ(counts.size(), items.size());
    for (std::size_t i = 0; i < items.size() && i < counts.size(); ++i) {
        EXPECT_EQ(counts[i].first, items[i]);
    }
    kova::ReportLines report;
    if (const kova::Statistic& row = kova::Statistics()[statistic]; !row.reads_year) {
        std::vector<kova::Tally> tallies;
        for (const auto& [item, count] : counts) {
            tallies.push_back(count);
        }
        report = kova::WriteClassWordReport(row, tallies, {});
    } else {
        kova::NumberCounts tallies{};
        for (const auto& [item, count] : counts) {
            tallies.at(static_cast<std::size_t>(std::stoi(item))) = count;
        }
        report = kova::WriteNumberReport(tallies, options.arrangement);
    }
    const std::string text = kova::ReportText(report);
    return options.encoding == Encoding::kGbk ? text : platform::GbkToUtf8(text);
}

const kova::YearTables& TablesTo2040() {
    static const kova::YearTables tables(yeartables::StandardFileYears(2040));
    return tables;
}

TEST(KovaCliFormats, CsvAndJsonRebuildTheReportOnRandomTexts) {
    const std::size_t statistics = kova::cli::StatisticNames().size();
    int checked = 0;
    std::int64_t highest = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        // Long texts give counts of 100 and more, wider than two digits.
        const std::string utf8 = bench::GenerateTipText(seed * seed * 2000, seed);
        for (const Encoding encoding : {Encoding::kUtf8, Encoding::kGbk}) {
            for (const kova::Arrangement arrangement :
                 {kova::Arrangement::kWrapped, kova::Arrangement::kOneLine}) {
                CliOptions options;
                options.encoding = encoding;
                options.arrangement = arrangement;
                const int year = seed == 6 ? 2026
                                           : 2002 + static_cast<int>(seed) +
                                                 (encoding == Encoding::kGbk ? 2 : 0);
                const kova::YearTables& tables = seed == 6 ? TablesTo2040() : kova::YearTables();
                const std::string input =
                    encoding == Encoding::kGbk ? platform::Utf8ToGbk(utf8) : utf8;
                const std::string gbk = cli::test::DecodeAsGbk(input, encoding);
                // What the single runs give, for the run of all of them.
                std::string all_reports;
                std::string all_csv = "statistic,item,count\n";
                std::vector<ItemCounts> single_counts;
                for (std::size_t statistic = 0; statistic < statistics; ++statistic) {
                    options.statistics = {statistic};
                    options.format = Format::kReport;
                    const std::string report = kova::cli::ToolOutput(options, gbk, year, tables);
                    options.format = Format::kCsv;
                    const ItemCounts from_csv =
                        CountsOfCsv(kova::cli::ToolOutput(options, gbk, year, tables));
                    EXPECT_EQ(RebuiltReport(statistic, from_csv, options), report)
                        << "seed " << seed << ", statistic " << statistic;
                    options.format = Format::kJson;
                    options.pretty = seed % 2 == 0;
                    const ItemCounts from_json = cli::test::CountsOfJson(
                        cli::test::ReadJson(kova::cli::ToolOutput(options, gbk, year, tables)));
                    EXPECT_EQ(from_json, from_csv);
                    options.pretty = false;
                    for (const auto& [item, count] : from_csv) {
                        highest = std::max(highest, count);
                    }
                    all_reports += (statistic == 0 ? "" : "\r\n") + report;
                    for (const auto& [item, count] : from_csv) {
                        all_csv.append(kova::cli::StatisticNames()[statistic].name)
                            .append(",")
                            .append(item)
                            .append(",")
                            .append(std::to_string(count))
                            .append("\n");
                    }
                    single_counts.push_back(from_csv);
                    ++checked;
                }
                // All of them at once: the same in turn.
                options.statistics.clear();
                for (std::size_t statistic = 0; statistic < statistics; ++statistic) {
                    options.statistics.push_back(statistic);
                }
                options.format = Format::kReport;
                EXPECT_EQ(kova::cli::ToolOutput(options, gbk, year, tables), all_reports);
                options.format = Format::kCsv;
                EXPECT_EQ(kova::cli::ToolOutput(options, gbk, year, tables), all_csv);
                options.format = Format::kJson;
                const cli::test::JsonValue objects =
                    cli::test::ReadJson(kova::cli::ToolOutput(options, gbk, year, tables));
                ASSERT_EQ(objects.elements.size(), statistics);
                for (std::size_t statistic = 0; statistic < statistics; ++statistic) {
                    EXPECT_EQ(cli::test::CountsOfJson(objects.elements[statistic]),
                              single_counts[statistic]);
                }
            }
        }
    }
    EXPECT_EQ(checked, 6 * 2 * 2 * 11);
    EXPECT_GE(highest, 100);
}

}  // namespace
