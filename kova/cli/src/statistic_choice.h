// The statistics kova-cli runs, by the name given on its command line, one
// per statistics button of the window.
#pragma once

#include <span>
#include <string_view>

#include "kova/statistics.h"

namespace kova::cli {

using AttributeRoutine = ReportLines (*)(std::string_view text);

struct StatisticChoice {
    std::string_view name;
    std::string_view button;  // the button's caption, for the usage text (UTF-8)
    // nullptr for the number statistics, which also takes a year and a layout.
    AttributeRoutine attribute_routine;
};

std::span<const StatisticChoice> StatisticChoices();
const StatisticChoice* FindStatistic(std::string_view name);

}  // namespace kova::cli
