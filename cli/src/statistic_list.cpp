#include "statistic_list.h"

#include <algorithm>

#include "common_options.h"

namespace cli::detail {

std::optional<std::vector<std::size_t>> SelectStatistics(std::span<const StatisticName> statistics,
                                                         std::string_view list,
                                                         std::string& error) {
    std::vector<std::size_t> selected;
    if (list == kAll) {
        for (std::size_t i = 0; i < statistics.size(); ++i) {
            if (statistics[i].has_counts) {
                selected.push_back(i);
            }
        }
        return selected;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view name =
            list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
        const auto found = std::find_if(statistics.begin(), statistics.end(),
                                        [name](const StatisticName& s) { return s.name == name; });
        std::string problem;
        if (name.empty()) {
            problem = "empty statistic in the list '" + std::string(list) + "'";
        } else if (name == kAll) {
            problem = "all stands alone, not in a list of statistics";
        } else if (found == statistics.end()) {
            problem = "unknown statistic '" + std::string(name) + "'";
        } else if (std::find(selected.begin(), selected.end(),
                             static_cast<std::size_t>(found - statistics.begin())) !=
                   selected.end()) {
            problem = "statistic '" + std::string(name) + "' named twice";
        }
        if (!problem.empty()) {
            error = UsageError(problem);
            return std::nullopt;
        }
        selected.push_back(static_cast<std::size_t>(found - statistics.begin()));
        if (comma == std::string_view::npos) {
            return selected;
        }
        start = comma + 1;
    }
}

}  // namespace cli::detail
