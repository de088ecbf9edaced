#include "run_statistic.h"

#include "cli/tool_io.h"
#include "platform/codepage.h"
#include "platform/traditional.h"

namespace kova::cli {

namespace {

::cli::StatisticOutput Run(const CliOptions& options, std::size_t statistic,
                           std::string_view gbk_text, int year, const YearTables& tables) {
    ::cli::StatisticOutput output;
    output.tool = Description().tool;
    output.statistic = StatisticNames()[statistic].name;
    ReportLines report;
    if (const auto attribute = AttributeOf(statistic)) {
        const std::vector<Tally> counts = CountClassWords(*attribute, gbk_text);
        const auto words = ClassWordsOf(*attribute);
        for (std::size_t i = 0; i < words.size(); ++i) {
            output.counts.push_back({platform::GbkToUtf8(words[i]), counts[i]});
        }
        report = WriteAttributeReport(*attribute, counts);
    } else {
        const NumberCounts counts = CountNumbers(gbk_text, year, tables);
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            output.counts.push_back({NumberText(number), counts[static_cast<std::size_t>(number)]});
        }
        output.table_year = std::to_string(year);
        report = WriteNumberReport(counts, options.arrangement);
    }
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
