// Collects the benchmark runs and prints, after the usual table, each
// statistic's throughput against the baseline pass over the same text and how
// its time grows from the small text to the large one, and each conversion's
// throughput against the speed it must reach.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

class ThroughputReport : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints the summary; returns false when a target is missed.
    bool PrintSummary() const;

    struct Target {
        std::string statistic;  // benchmark family name, e.g. "kova/number"
        std::string baseline;   // e.g. "kova/baseline"
    };
    void AddTarget(Target target) { targets_.push_back(std::move(target)); }
    // A pass measured by its own speed, e.g. "convert/utf8-to-gbk".
    void AddSpeedTarget(std::string family) { speed_targets_.push_back(std::move(family)); }

  private:
    // family -> size label -> bytes per second (of processor time)
    struct Measure {
        double bytes_per_second = 0;
    };
    std::map<std::string, std::map<std::string, Measure>> measures_;
    std::vector<Target> targets_;
    std::vector<std::string> speed_targets_;
};

}  // namespace bench
