#include "run_statistic.h"

#include "platform/codepage.h"

namespace kova::cli {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

ReportLines Report(const CliOptions& options, std::string_view gbk_text) {
    if (options.statistic->attribute_routine == nullptr) {
        return NumberStatistics(gbk_text, options.year, options.arrangement, options.tables);
    }
    return options.statistic->attribute_routine(gbk_text);
}

}  // namespace

std::string RunStatistic(const CliOptions& options, std::string_view input) {
    if (options.encoding == Encoding::kGbk) {
        return ReportText(Report(options, input));
    }
    if (input.starts_with(kUtf8ByteOrderMark)) {
        input.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return platform::GbkToUtf8(ReportText(Report(options, platform::Utf8ToGbk(input))));
}

}  // namespace kova::cli
