#include "run_statistic.h"

#include "cli/tool_io.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "statistic_choice.h"

namespace kova::cli {

namespace {

::cli::StatisticOutput Run(const CliOptions& options, std::size_t statistic,
                           std::string_view gbk_text, int year, const YearTables& tables) {
    ::cli::StatisticOutput output;
    output.tool = Description().tool;
    output.statistic = StatisticNames()[statistic].name;
    const Statistic& row = Statistics()[statistic];
    const StatisticResult result =
        RunStatistic(row, gbk_text, {year, options.arrangement, &tables});
    for (std::size_t i = 0; i < result.counts.labels.size(); ++i) {
        output.counts.push_back(
            {platform::GbkToUtf8(result.counts.labels[i]), result.counts.counts[i]});
    }
    if (row.reads_year) {
        output.table_year = std::to_string(year);
    }
    const ReportLines& report = result.report;
    output.report = options.encoding == Encoding::kGbk ? ReportText(report)
                                                       : platform::GbkToUtf8(ReportText(report));
    return output;
}

}  // namespace

std::vector<::cli::StatisticOutput> RunStatistics(const CliOptions& options,
                                                  std::string_view gbk_text, int year,
                                                  const YearTables& tables) {
    std::string simplified;
    if (options.traditional) {
        simplified = gbk_text;
        platform::SimplifyTraditionalGbk(simplified);
        gbk_text = simplified;
    }
    std::vector<::cli::StatisticOutput> outputs;
    for (const std::size_t statistic : options.statistics) {
        outputs.push_back(Run(options, statistic, gbk_text, year, tables));
    }
    return outputs;
}

std::string ToolOutput(const CliOptions& options, std::string_view gbk_text, int year,
                       const YearTables& tables) {
    return ::cli::FormattedOutput(RunStatistics(options, gbk_text, year, tables), options.format,
                                  options.pretty);
}

}  // namespace kova::cli
