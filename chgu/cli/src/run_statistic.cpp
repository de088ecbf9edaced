#include "run_statistic.h"

#include "chgu/command2.h"
#include "chgu/number_list.h"
#include "cli/tool_io.h"
#include "platform/codepage.h"
#include "platform/traditional.h"

namespace chgu::cli {

namespace {

// The counts of a press, in its report's order: 01..49, or the class words.
std::vector<::cli::ItemCount> ItemsOf(std::int16_t Index, const Counts& counts) {
    std::vector<::cli::ItemCount> items;
    if (Index == kNumberStatisticsIndex) {
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            std::u16string digits;
            AppendTwoDigits(digits, number);
            items.push_back(
                {platform::Utf16ToUtf8(digits), counts[static_cast<std::size_t>(number)]});
        }
        return items;
    }
    const AttributeClasses classes = ClassesOf(static_cast<AttributeStatistic>(Index));
    for (std::size_t i = 0; i < classes.words.size(); ++i) {
        items.push_back({platform::Utf16ToUtf8(classes.words[i]), counts[classes.first_slot + i]});
    }
    return items;
}

::cli::StatisticOutput Run(const CliOptions& options, std::int16_t Index, std::u16string_view text,
                           std::u16string_view TableYear, const YearTables& tables) {
    ::cli::StatisticOutput output;
    output.tool = Description().tool;
    output.statistic = StatisticNames()[static_cast<std::size_t>(Index)].name;
    if (!IsStatisticsPress(Index)) {
        output.report = EncodeOutput(NormaliseText(text), options.encoding);
        return output;
    }
    const ScanSettings settings{TableYear, options.skip_brackets, options.cumulative, &tables};
    std::int16_t InBracket = 0;
    const Counts counts = CountsOfPress(Index, text, settings, InBracket);
    output.counts = ItemsOf(Index, counts);
    if (ReadsTheTables(Index, options.cumulative)) {
        output.table_year = platform::Utf16ToUtf8(TableYear);
    }
    output.options = {{"cumulative", options.cumulative}, {"skip_brackets", options.skip_brackets}};
    output.report =
        EncodeOutput(ReportOfCounts(Index, counts, options.long_lines), options.encoding);
    return output;
}

}  // namespace

std::string EncodeOutput(std::u16string_view text, Encoding encoding) {
    return encoding == Encoding::kGbk ? platform::Utf16ToGbk(text) : platform::Utf16ToUtf8(text);
}

std::vector<::cli::StatisticOutput> RunStatistics(const CliOptions& options,
                                                  std::u16string_view text,
                                                  std::u16string_view TableYear,
                                                  const YearTables& tables) {
    std::u16string simplified;
    if (options.traditional) {
        simplified = text;
        platform::SimplifyTraditional(simplified);
        text = simplified;
    }
    std::vector<::cli::StatisticOutput> outputs;
    for (const std::size_t statistic : options.statistics) {
        outputs.push_back(
            Run(options, static_cast<std::int16_t>(statistic), text, TableYear, tables));
    }
    return outputs;
}

std::string ToolOutput(const CliOptions& options, std::u16string_view text,
                       std::u16string_view TableYear, const YearTables& tables) {
    return ::cli::FormattedOutput(RunStatistics(options, text, TableYear, tables), options.format,
                                  options.pretty);
}

}  // namespace chgu::cli
