#include "table_year_choice.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "kova/statistics.h"

namespace kova::cli {

namespace {

std::optional<int> ReadTableYear(std::string_view text, const YearTables& tables) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        year < tables.FirstYear() || year > tables.LastYear()) {
        return std::nullopt;
    }
    return year;
}

}  // namespace

TableYearChoice ChooseTableYear(const CliOptions& options, const YearTables& tables,
                                int today_year) {
    if (!options.year) {
        TableYearChoice choice{
            std::clamp(today_year, tables.FirstYear(), tables.LastYear()), {}, {}};
        const bool counts_numbers =
            std::any_of(options.statistics.begin(), options.statistics.end(),
                        [](std::size_t statistic) { return Statistics()[statistic].reads_year; });
        if (counts_numbers && today_year > tables.LastYear()) {
            choice.notice = "no zodiac and element tables for " + std::to_string(today_year) +
                            ": counting with those of " + std::to_string(choice.year) +
                            " (see --year and --year-tables)";
        }
        return choice;
    }
    if (const std::optional<int> year = ReadTableYear(*options.year, tables)) {
        return {*year, {}, {}};
    }
    return {0,
            ::cli::BadValue(kYear,
                            "a year from " + std::to_string(tables.FirstYear()) + " to " +
                                std::to_string(tables.LastYear()),
                            *options.year),
            {}};
}

}  // namespace kova::cli
