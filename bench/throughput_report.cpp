#include "throughput_report.h"

#include <cstdio>

namespace bench {

namespace {

constexpr double kMinimumRatio = 1.0 / 4.0;
// A conversion must not be what a user of the command-line tools waits for.
constexpr double kMinimumBytesPerSecond = 1e9;
constexpr double kMaximumGrowth = 17.0;  // 16 MB may take at most 17 times 1 MB

}  // namespace

void ThroughputReport::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // The median of the repetitions, or the single run when there are none.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)) continue;
        const std::string& name = run.run_name.function_name;
        const auto slash = name.rfind('/');
        if (slash == std::string::npos) continue;
        Measure& m = measures_[name.substr(0, slash)][name.substr(slash + 1)];
        const auto bytes = run.counters.find("bytes_per_second");
        m.bytes_per_second = bytes != run.counters.end() ? double(bytes->second) : 0;
    }
}

bool ThroughputReport::PrintSummary() const {
    bool all_met = true;
    std::printf("\n%-22s %6s %12s %12s %10s %8s\n", "statistic", "size", "MB/s", "baseline MB/s",
                "ratio", "target");
    for (const Target& target : targets_) {
        const auto stat = measures_.find(target.statistic);
        const auto base = measures_.find(target.baseline);
        if (stat == measures_.end() || base == measures_.end()) continue;
        for (const auto& [size, m] : stat->second) {
            const auto b = base->second.find(size);
            if (b == base->second.end() || b->second.bytes_per_second <= 0) continue;
            const double ratio = m.bytes_per_second / b->second.bytes_per_second;
            const bool met = ratio >= kMinimumRatio;
            all_met = all_met && met;
            std::printf("%-22s %6s %12.1f %12.1f %10.4f %8s\n", target.statistic.c_str(),
                        size.c_str(), m.bytes_per_second / 1e6, b->second.bytes_per_second / 1e6,
                        ratio, met ? "ok" : "MISSED");
        }
        // The generated texts are cut at a word, so they are not exactly 1 MB
        // and 16 MB: the growth compares the time per byte, scaled to a text
        // sixteen times the size.
        const auto small = stat->second.find("1MB");
        const auto large = stat->second.find("16MB");
        if (small != stat->second.end() && large != stat->second.end() &&
            large->second.bytes_per_second > 0) {
            const double growth =
                16.0 * small->second.bytes_per_second / large->second.bytes_per_second;
            const bool met = growth <= kMaximumGrowth;
            all_met = all_met && met;
            std::printf("%-22s %6s %12s %12s %10.2f %8s   (time 16MB / time 1MB, at most %.0f)\n",
                        target.statistic.c_str(), "growth", "", "", growth, met ? "ok" : "MISSED",
                        kMaximumGrowth);
        }
    }
    std::printf("\n%-22s %6s %12s %10s\n", "conversion", "size", "GB/s", "target");
    for (const std::string& family : speed_targets_) {
        const auto found = measures_.find(family);
        if (found == measures_.end()) continue;
        for (const auto& [size, m] : found->second) {
            const bool met = m.bytes_per_second >= kMinimumBytesPerSecond;
            all_met = all_met && met;
            std::printf("%-22s %6s %12.2f %10s\n", family.c_str(), size.c_str(),
                        m.bytes_per_second / 1e9, met ? "ok" : "MISSED");
        }
    }
    std::printf("%s\n",
                all_met ? "All throughput targets met." : "Some throughput targets MISSED.");
    return all_met;
}

}  // namespace bench
