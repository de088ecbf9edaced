// Throughput of both engines on generated tip texts of 1 MB and 16 MB,
// against a baseline pass over the same text that counts one byte value.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>

#include "chgu/command2.h"
#include "kova/statistics.h"
#include "platform/codepage.h"
#include "throughput_report.h"
#include "tip_text.h"

namespace {

struct SizedText {
    const char* label;
    std::size_t bytes;
};
// Each figure is the median of several runs, so that one run slowed by
// another program on the machine does not decide the ratio.
constexpr int kRepetitions = 5;

constexpr SizedText kSizes[] = {{"1MB", std::size_t{1} << 20}, {"16MB", std::size_t{16} << 20}};

const std::string& GbkText(std::size_t bytes) {
    static std::map<std::size_t, std::string> texts;
    auto& text = texts[bytes];
    if (text.empty()) text = platform::Utf8ToGbk(bench::GenerateTipText(bytes));
    return text;
}

const std::u16string& Utf16Text(std::size_t bytes) {
    static std::map<std::size_t, std::u16string> texts;
    auto& text = texts[bytes];
    if (text.empty()) text = platform::GbkToUtf16(GbkText(bytes));
    return text;
}

// Program B reads the same text as UTF-16; its throughput is reported per
// byte of the code page 936 form, so that both programs are measured against
// the one baseline pass over those bytes.
template <typename Pass>
void RegisterOverUtf16(const std::string& family, Pass pass) {
    for (const SizedText& size : kSizes) {
        benchmark::RegisterBenchmark((family + "/" + size.label).c_str(),
                                     [pass, bytes = size.bytes](benchmark::State& state) {
                                         const std::u16string& text = Utf16Text(bytes);
                                         for (auto _ : state) {
                                             benchmark::DoNotOptimize(pass(text));
                                         }
                                         state.SetBytesProcessed(static_cast<int64_t>(
                                             state.iterations() * GbkText(bytes).size()));
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly(true);
    }
}

std::size_t ChguPress(std::int16_t index, const std::u16string& text, bool cumulative) {
    chgu::PressSettings settings;
    settings.scan.TableYear = u"2008";
    settings.scan.Check2 = cumulative;
    std::int16_t in_bracket = 0;
    return chgu::Text2AfterPress(index, text, settings, in_bracket)->size();
}

template <typename Pass>
void RegisterOverGbk(const std::string& family, Pass pass) {
    for (const SizedText& size : kSizes) {
        benchmark::RegisterBenchmark((family + "/" + size.label).c_str(),
                                     [pass, bytes = size.bytes](benchmark::State& state) {
                                         const std::string& text = GbkText(bytes);
                                         for (auto _ : state) {
                                             benchmark::DoNotOptimize(pass(text));
                                         }
                                         state.SetBytesProcessed(
                                             static_cast<int64_t>(state.iterations() * text.size()));
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);

    RegisterOverGbk("baseline", [](const std::string& text) {
        return std::count(text.begin(), text.end(), ',');
    });
    RegisterOverGbk("kova/number", [](const std::string& text) {
        return kova::NumberStatistics(text, 2008, kova::Arrangement::kWrapped).size();
    });
    RegisterOverGbk("kova/zodiac",
                    [](const std::string& text) { return kova::ZodiacStatistics(text).size(); });

    RegisterOverUtf16("chgu/number",
                      [](const std::u16string& text) { return ChguPress(0, text, false); });
    RegisterOverUtf16("chgu/number-cumulative",
                      [](const std::u16string& text) { return ChguPress(0, text, true); });
    RegisterOverUtf16("chgu/zodiac",
                      [](const std::u16string& text) { return ChguPress(1, text, false); });
    RegisterOverUtf16("chgu/normalise",
                      [](const std::u16string& text) { return ChguPress(11, text, false); });

    bench::ThroughputReport report;
    report.AddTarget({"kova/number", "baseline"});
    report.AddTarget({"kova/zodiac", "baseline"});
    for (const char* statistic :
         {"chgu/number", "chgu/number-cumulative", "chgu/zodiac", "chgu/normalise"}) {
        report.AddTarget({statistic, "baseline"});
    }
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();
    return report.PrintSummary() ? 0 : 1;
}
