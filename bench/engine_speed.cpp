// The engines behind the statistics buttons, timed alone on one generated
// 1 MB tip text: built natively and for the page (WebAssembly, run by node),
// so that scripts/bench.sh can set the two builds side by side on the same
// text. One line per statistic: its name and MB/s of its fastest run, the
// one least disturbed by other programs on the machine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "chgu/statistics.h"
#include "kova/statistics.h"
#include "platform/codepage.h"
#include "tip_text.h"

namespace {

// At least this many runs, for at least this long: a browser's engine first
// runs WebAssembly as its quick first compilation gives it, and only after a
// while the optimised code it compiles meanwhile on another thread (on a busy
// machine, after more than fifteen runs of a press), which is what a player
// pressing the button gets from then on.
constexpr int kRuns = 15;
constexpr double kLeastSeconds = 1.5;

double MegabytesPerSecond(std::size_t bytes, const std::function<std::size_t()>& pass) {
    std::vector<double> seconds;
    std::size_t keep = 0;
    double total = 0;
    for (int run = 0; run < kRuns || total < kLeastSeconds; ++run) {
        const auto start = std::chrono::steady_clock::now();
        keep += pass();
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        total += seconds.back();
    }
    // The results' sizes decide the figure, so no pass can be left out as
    // unused.
    const double fastest = *std::min_element(seconds.begin(), seconds.end());
    return keep == 0 ? 0 : static_cast<double>(bytes) / (1 << 20) / fastest;
}

// Statistic row `index` of the table, or 全转半 past its last row.
std::size_t ChguPress(std::size_t index, const std::u16string& text, bool cumulative = false) {
    if (index >= chgu::Statistics().size()) {
        return chgu::NormaliseText(text).size();
    }
    chgu::StatisticSettings settings;
    settings.scan.TableYear = u"2008";
    settings.scan.Check2 = cumulative;
    std::int16_t in_bracket = 0;
    return chgu::RunStatistic(chgu::Statistics()[index], text, settings, in_bracket).report.size();
}

}  // namespace

int main() {
    const std::string gbk = platform::Utf8ToGbk(bench::GenerateTipText(std::size_t{1} << 20));
    const std::u16string utf16 = platform::GbkToUtf16(gbk);
    const struct {
        const char* name;
        std::function<std::size_t()> pass;
    } statistics[] = {
        {"kova/number",
         [&] { return kova::NumberStatistics(gbk, 2008, kova::Arrangement::kWrapped).size(); }},
        {"kova/zodiac",
         [&] { return kova::Report(kova::StatisticNamed("ZodiacStatistics"), gbk).size(); }},
        {"chgu/number", [&] { return ChguPress(0, utf16); }},
        {"chgu/zodiac", [&] { return ChguPress(1, utf16); }},
        {"chgu/normalise", [&] { return ChguPress(11, utf16); }},
    };
    for (const auto& statistic : statistics) {
        std::printf("%s %.1f\n", statistic.name, MegabytesPerSecond(gbk.size(), statistic.pass));
    }
    return 0;
}
