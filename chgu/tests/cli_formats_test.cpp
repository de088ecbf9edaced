// chgu-cli's three forms of a run. The worked examples go through the
// program itself in each format (under Wine in the Windows build); on
// random texts, for every statistic and every setting of the strip, the
// report is the literal model's, and the counts that csv and json give
// rebuild it exactly through the engine's own report writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "almanac_years.h"
#include "count_reading.h"
#include "every_format.h"
#include "platform/codepage.h"
#include "reference_model.h"
#include "run_program.h"
#include "run_statistic.h"
#include "test_support.h"
#include "tip_text.h"
#include "worked_examples.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace chgu {
namespace {

using cli::CliOptions;
using cli::Encoding;
using cli::Format;
using ::cli::test::CountsOfCsv;
using ::cli::test::ItemCounts;
using ::cli::test::WorkedExample;
using test::U16;
using test::U8;

// The items of a press in its report's order: 01..49, or the class words.
std::vector<std::string> ItemsOf(std::int16_t Index) {
    std::vector<std::string> items;
    if (Index == 0) {
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            std::u16string digits;
            AppendTwoDigits(digits, number);
            items.push_back(U8(digits));
        }
        return items;
    }
    for (std::u16string_view word : ClassesOf(static_cast<AttributeStatistic>(Index)).words) {
        items.push_back(U8(word));
    }
    return items;
}

std::int16_t IndexOfStatistic(std::string_view name) {
    const auto names = cli::StatisticNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].name == name) {
            return static_cast<std::int16_t>(i);
        }
    }
    throw std::invalid_argument("no statistic " + std::string(name));
}

TEST(ChguCliFormats, WorkedExamplesInEveryFormat) {
    for (const test::WorkedExample& example : test::WorkedExamples()) {
        WorkedExample run{{example.statistic},
                          example.text,
                          example.report,
                          std::nullopt,
                          example.input != test::WorkedExample::Input::kStandardInput,
                          example.input == test::WorkedExample::Input::kGbkFile};
        if (example.statistic == "number") {
            run.arguments.insert(run.arguments.end(), {"--table-year", example.table_year});
            if (!example.long_lines) {
                run.arguments.push_back("--short-lines");
            }
            run.table_year = example.table_year;
        }
        ::cli::test::ExpectInEveryFormat(CHGU_CLI_PATH, "chgu-cli", run,
                                         ItemsOf(IndexOfStatistic(example.statistic)),
                                         {{"cumulative", false}, {"skip_brackets", true}});
    }
}

// The report the engine writes of counts read back, in the output encoding.
std::string RebuiltReport(std::int16_t Index, const ItemCounts& counts, const CliOptions& options) {
    const std::vector<std::string> items = ItemsOf(Index);
    EXPECT_EQ(counts.size(), items.size());
    Counts slots{};
    const std::size_t first_slot =
        Index == 0 ? static_cast<std::size_t>(kFirstNumber)
                   : ClassesOf(static_cast<AttributeStatistic>(Index)).first_slot;
    for (std::size_t i = 0; i < items.size() && i < counts.size(); ++i) {
        EXPECT_EQ(counts[i].first, items[i]);
        slots.at(first_slot + i) = counts[i].second;
    }
    const Statistic& statistic = Statistics()[static_cast<std::size_t>(Index)];
    return cli::EncodeOutput(statistic.report(statistic, slots, options.long_lines),
                             options.encoding);
}

// The literal model's report of a press, in the output encoding; its table
// years after 2010 are the hand-written ones (2011, 2026, 2040).
std::string ModelReport(std::int16_t Index, const std::u16string& text,
                        const std::u16string& TableYear, const CliOptions& options) {
    reference::Settings settings;
    for (const yeartables::test::WrittenYear& year : yeartables::test::AlmanacYears()) {
        settings.added[year.year] = {year.animal, year.element};
    }
    settings.table_year = TableYear;
    settings.skip_brackets = options.skip_brackets;
    settings.cumulative = options.cumulative;
    settings.long_lines = options.long_lines;
    const std::u16string report = reference::Press(Index, text, settings);
    return options.encoding == Encoding::kGbk ? platform::Utf16ToGbk(report) : U8(report);
}

const YearTables& TablesTo2040() {
    static const YearTables tables(yeartables::StandardFileYears(2040));
    return tables;
}

TEST(ChguCliFormats, CsvAndJsonRebuildTheReportOnRandomTexts) {
    // Table years with built-in tables, with the file's (2026 is one the
    // model has written out), and none at all.
    const std::vector<std::u16string> table_years = {u"2005", u"2007", u"2010", u"2026", u"abc"};
    int checked = 0;
    std::int64_t highest = 0;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const std::string utf8 = bench::GenerateTipText(seed * seed * 2000, seed + 100);
        const std::u16string text = U16(utf8);
        const std::u16string& TableYear = table_years[seed - 1];
        for (int setting = 0; setting < 16; ++setting) {
            CliOptions options;
            options.cumulative = (setting & 1) != 0;
            options.skip_brackets = (setting & 2) != 0;
            options.long_lines = (setting & 4) != 0;
            options.encoding = (setting & 8) != 0 ? Encoding::kGbk : Encoding::kUtf8;
            for (std::int16_t Index = 0; Index <= 10; ++Index) {
                options.statistics = {static_cast<std::size_t>(Index)};
                options.format = Format::kReport;
                const std::string report = ModelReport(Index, text, TableYear, options);
                EXPECT_EQ(cli::ToolOutput(options, text, TableYear, TablesTo2040()), report)
                    << "seed " << seed << ", setting " << setting << ", index " << Index;
                options.format = Format::kCsv;
                const ItemCounts from_csv =
                    CountsOfCsv(cli::ToolOutput(options, text, TableYear, TablesTo2040()));
                EXPECT_EQ(RebuiltReport(Index, from_csv, options), report)
                    << "seed " << seed << ", setting " << setting << ", index " << Index;
                options.format = Format::kJson;
                options.pretty = setting % 3 == 0;
                const ::cli::test::JsonValue json = ::cli::test::ReadJson(
                    cli::ToolOutput(options, text, TableYear, TablesTo2040()));
                options.pretty = false;
                EXPECT_EQ(::cli::test::CountsOfJson(json), from_csv);
                EXPECT_EQ(json["options"]["cumulative"].boolean, options.cumulative);
                EXPECT_EQ(json["options"]["skip_brackets"].boolean, options.skip_brackets);
                // The tables shape only the number recognition.
                if (Index == 0 && !options.cumulative) {
                    EXPECT_EQ(json["table_year"].string, U8(TableYear));
                } else {
                    EXPECT_EQ(json["table_year"].kind, ::cli::test::JsonValue::Kind::kNull);
                }
                for (const auto& [item, count] : from_csv) {
                    highest = std::max(highest, count);
                }
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 5 * 16 * 11);
    EXPECT_GE(highest, 100);
}

TEST(ChguCliFormats, AllIsEveryStatisticInTurnButNormalise) {
    const std::string text = bench::GenerateTipText(20000, 9);
    const platform::test::ProgramRun report = platform::test::RunProgram(
        CHGU_CLI_PATH, {"all", "--table-year", "2009", "--cumulative"}, text);
    ASSERT_EQ(report.status, 0) << report.err;
    const platform::test::ProgramRun csv = platform::test::RunProgram(
        CHGU_CLI_PATH, {"all", "--table-year", "2009", "--cumulative", "--format", "csv"}, text);
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto rows = ::cli::test::ReadCsv(csv.out);
    EXPECT_EQ(rows.at(0), (std::vector<std::string>{"statistic", "item", "count"}));

    CliOptions options;
    options.cumulative = true;
    std::string reports;
    std::size_t row = 1;
    for (std::int16_t Index = 0; Index <= 10; ++Index) {
        options.statistics = {static_cast<std::size_t>(Index)};
        const std::string single = ModelReport(Index, U16(text), u"2009", options);
        reports += (Index == 0 ? "" : "\r\n") + single;
        ItemCounts counts;
        for (; row < rows.size() &&
               rows[row].at(0) == cli::StatisticNames()[static_cast<std::size_t>(Index)].name;
             ++row) {
            counts.emplace_back(rows[row].at(1), std::stoll(rows[row].at(2)));
        }
        EXPECT_EQ(RebuiltReport(Index, counts, options), single) << Index;
    }
    EXPECT_EQ(row, rows.size());
    EXPECT_EQ(report.out, reports);
}

}  // namespace
}  // namespace chgu
