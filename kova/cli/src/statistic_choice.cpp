#include "statistic_choice.h"

#include <string>
#include <vector>

#include "kova/statistics.h"
#include "platform/codepage.h"

namespace kova::cli {

namespace {

// The usage text lists each statistic with its button's caption, without
// the spaces that pad " 码统计 ".
std::string UsageCaption(std::u16string_view caption) {
    const auto first = caption.find_first_not_of(u' ');
    const auto last = caption.find_last_not_of(u' ');
    return platform::Utf16ToUtf8(first == caption.npos ? std::u16string_view()
                                                       : caption.substr(first, last - first + 1));
}

struct Names {
    std::vector<std::string> captions;
    std::vector<::cli::StatisticName> names;

    Names() {
        for (const Statistic& statistic : Statistics()) {
            captions.push_back(UsageCaption(statistic.caption));
        }
        for (std::size_t i = 0; i < captions.size(); ++i) {
            names.push_back({Statistics()[i].tool_name, captions[i]});
        }
    }
};

}  // namespace

std::span<const ::cli::StatisticName> StatisticNames() {
    static const Names kNames;
    return kNames.names;
}

}  // namespace kova::cli
