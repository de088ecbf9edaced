#include "run_statistic.h"

#include "cli/tool_io.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "statistic_choice.h"

namespace chgu::cli {

namespace {

::cli::StatisticOutput Run(const CliOptions& options, std::size_t statistic,
                           std::u16string_view text, std::u16string_view TableYear,
                           const YearTables& tables) {
    ::cli::StatisticOutput output;
    output.tool = Description().tool;
    output.statistic = StatisticNames()[statistic].name;
    const Statistic* row = StatisticOf(statistic);
    if (row == nullptr) {
        output.report = EncodeOutput(NormaliseText(text), options.encoding);
        return output;
    }
    const StatisticSettings settings{
        {TableYear, options.skip_brackets, options.cumulative, &tables}, options.long_lines};
    std::int16_t InBracket = 0;
    const StatisticResult result = RunStatistic(*row, text, settings, InBracket);
    const LabelledCounts labelled = LabelledCountsOf(*row, result.counts);
    for (std::size_t i = 0; i < labelled.labels.size(); ++i) {
        output.counts.push_back({platform::Utf16ToUtf8(labelled.labels[i]), labelled.counts[i]});
    }
    if (ReadsTheTables(statistic, options.cumulative)) {
        output.table_year = platform::Utf16ToUtf8(TableYear);
    }
    output.options = {{"cumulative", options.cumulative}, {"skip_brackets", options.skip_brackets}};
    output.report = EncodeOutput(result.report, options.encoding);
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
        outputs.push_back(Run(options, statistic, text, TableYear, tables));
    }
    return outputs;
}

std::string ToolOutput(const CliOptions& options, std::u16string_view text,
                       std::u16string_view TableYear, const YearTables& tables) {
    return ::cli::FormattedOutput(RunStatistics(options, text, TableYear, tables), options.format,
                                  options.pretty);
}

}  // namespace chgu::cli
