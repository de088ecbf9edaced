#include "statistic_choice.h"

#include <string>
#include <vector>

#include "platform/codepage.h"

namespace chgu::cli {

namespace {

struct Names {
    std::vector<std::string> captions;
    std::vector<::cli::StatisticName> names;

    Names() {
        for (const Statistic& statistic : Statistics()) {
            captions.push_back(platform::Utf16ToUtf8(statistic.caption));
        }
        for (std::size_t i = 0; i < captions.size(); ++i) {
            names.push_back({Statistics()[i].tool_name, captions[i]});
        }
        // 全转半 gives a text, no counts.
        names.push_back({"normalise", "全转半", false});
    }
};

}  // namespace

std::span<const ::cli::StatisticName> StatisticNames() {
    static const Names kNames;
    return kNames.names;
}

const Statistic* StatisticOf(std::size_t statistic) {
    return statistic < Statistics().size() ? &Statistics()[statistic] : nullptr;
}

bool ReadsTheTables(std::size_t statistic, bool cumulative) {
    const Statistic* row = StatisticOf(statistic);
    ScanSettings settings;
    settings.Check2 = cumulative;
    return row != nullptr && chgu::ReadsTheTables(*row, settings);
}

}  // namespace chgu::cli
