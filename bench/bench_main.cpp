// Throughput of both engines on generated tip texts of 1 MB and 16 MB,
// against a baseline pass over the same text that counts one byte value, and
// of the conversions that bring such texts into the engines and out again.
// The number and zodiac statistics run also as a press with 繁体字也统计
// ticked, on the same texts with every other character of the vocabulary
// written in its traditional form.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "chgu/statistics.h"
#include "kova/statistics.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "throughput_report.h"
#include "tip_text.h"

namespace {

struct SizedText {
    const char* label;
    std::size_t bytes;
};
constexpr SizedText kSizes[] = {{"1MB", std::size_t{1} << 20}, {"16MB", std::size_t{16} << 20}};

// Each figure is the median of several runs, so that one run slowed by
// another program on the machine does not decide the ratio.
constexpr int kRepetitions = 5;

// Every size is measured on a pool of different texts, 64 MB in all, taken in
// turn: more than the processor's caches hold, so that a small text is read
// from memory like a large one, as a text the user has just pasted is. The
// growth from 1 MB to 16 MB then shows the statistic, not the cache size.
constexpr std::size_t kPoolBytes = std::size_t{64} << 20;

struct TextPool {
    std::vector<std::string> gbk;
    std::vector<std::u16string> utf16;  // the same texts as program B reads them
    std::vector<std::string> utf8;      // and as the command-line tools read them
    // The same texts with every other character that has a traditional form
    // written in it: as long as the plain ones in both code pages.
    std::vector<std::string> gbk_traditional;
    std::vector<std::u16string> utf16_traditional;
};

std::u16string WithTraditionalForms(std::u16string text) {
    bool turn = false;
    for (char16_t& c : text) {
        for (const platform::TraditionalForm& form : platform::kTraditionalForms) {
            if (c == form.simplified) {
                if (turn) {
                    c = form.traditional;
                }
                turn = !turn;
                break;
            }
        }
    }
    return text;
}

const TextPool& PoolOf(std::size_t bytes) {
    static std::map<std::size_t, TextPool> pools;
    TextPool& pool = pools[bytes];
    if (pool.gbk.empty()) {
        for (std::size_t i = 0; i < std::max<std::size_t>(1, kPoolBytes / bytes); ++i) {
            pool.utf8.push_back(bench::GenerateTipText(bytes, 2003 + static_cast<unsigned>(i)));
            pool.gbk.push_back(platform::Utf8ToGbk(pool.utf8.back()));
            pool.utf16.push_back(platform::GbkToUtf16(pool.gbk.back()));
            pool.utf16_traditional.push_back(WithTraditionalForms(pool.utf16.back()));
            pool.gbk_traditional.push_back(platform::Utf16ToGbk(pool.utf16_traditional.back()));
        }
    }
    return pool;
}

// What a pass's throughput counts. A statistic counts the bytes of the code
// page 936 text, for program B too (which reads the same text as UTF-16), so
// that every statistic is measured against the one baseline pass over those
// bytes. A conversion counts the bytes it reads, in its own encoding.
enum class PerByteOf { kGbkText, kInput };

template <typename Text>
std::size_t BytesOf(const Text& text) {
    return text.size() * sizeof(typename Text::value_type);
}

// Registers a pass for both sizes.
template <typename Text, typename Pass>
void Register(const std::string& family, std::vector<Text> TextPool::*texts, Pass pass,
              PerByteOf per_byte_of = PerByteOf::kGbkText) {
    for (const SizedText& size : kSizes) {
        benchmark::RegisterBenchmark(
            (family + "/" + size.label).c_str(),
            [texts, pass, per_byte_of, bytes = size.bytes](benchmark::State& state) {
                const TextPool& pool = PoolOf(bytes);
                std::size_t next = 0;
                std::int64_t processed = 0;
                for (auto _ : state) {
                    benchmark::DoNotOptimize(pass((pool.*texts)[next]));
                    processed += static_cast<std::int64_t>(per_byte_of == PerByteOf::kInput
                                                               ? BytesOf((pool.*texts)[next])
                                                               : pool.gbk[next].size());
                    next = (next + 1) % pool.gbk.size();
                }
                state.SetBytesProcessed(processed);
            })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly(true);
    }
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

// A press with 繁体字也统计 ticked: the window's copy of the input, simplified,
// then the statistic.
std::string SimplifiedGbk(const std::string& text) {
    std::string copy = text;
    platform::SimplifyTraditionalGbk(copy);
    return copy;
}
std::u16string SimplifiedUtf16(const std::u16string& text) {
    std::u16string copy = text;
    platform::SimplifyTraditional(copy);
    return copy;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);

    Register("baseline", &TextPool::gbk,
             [](const std::string& text) { return std::count(text.begin(), text.end(), ','); });
    Register("kova/number", &TextPool::gbk, [](const std::string& text) {
        return kova::NumberStatistics(text, 2008, kova::Arrangement::kWrapped).size();
    });
    Register("kova/zodiac", &TextPool::gbk, [](const std::string& text) {
        return kova::Report(kova::StatisticNamed("ZodiacStatistics"), text).size();
    });

    Register("kova/number-traditional", &TextPool::gbk_traditional, [](const std::string& text) {
        return kova::NumberStatistics(SimplifiedGbk(text), 2008, kova::Arrangement::kWrapped)
            .size();
    });
    Register("kova/zodiac-traditional", &TextPool::gbk_traditional, [](const std::string& text) {
        return kova::Report(kova::StatisticNamed("ZodiacStatistics"), SimplifiedGbk(text)).size();
    });

    Register("chgu/number", &TextPool::utf16,
             [](const std::u16string& text) { return ChguPress(0, text, false); });
    Register("chgu/number-cumulative", &TextPool::utf16,
             [](const std::u16string& text) { return ChguPress(0, text, true); });
    Register("chgu/zodiac", &TextPool::utf16,
             [](const std::u16string& text) { return ChguPress(1, text, false); });
    Register("chgu/number-traditional", &TextPool::utf16_traditional,
             [](const std::u16string& text) { return ChguPress(0, SimplifiedUtf16(text), false); });
    Register("chgu/zodiac-traditional", &TextPool::utf16_traditional,
             [](const std::u16string& text) { return ChguPress(1, SimplifiedUtf16(text), false); });
    Register("chgu/normalise", &TextPool::utf16,
             [](const std::u16string& text) { return ChguPress(11, text, false); });

    bench::ThroughputReport report;
    // The conversions of the command-line tools and the windows' files.
    const auto convert = [&report](const std::string& family, auto texts, auto conversion) {
        Register(family, texts, conversion, PerByteOf::kInput);
        report.AddSpeedTarget(family);
    };
    convert("convert/utf8-to-gbk", &TextPool::utf8, platform::Utf8ToGbk);
    convert("convert/gbk-to-utf8", &TextPool::gbk, platform::GbkToUtf8);
    convert("convert/utf8-to-utf16", &TextPool::utf8, platform::Utf8ToUtf16);
    convert("convert/utf16-to-utf8", &TextPool::utf16, platform::Utf16ToUtf8);
    convert("convert/gbk-to-utf16", &TextPool::gbk, platform::GbkToUtf16);
    convert("convert/utf16-to-gbk", &TextPool::utf16, platform::Utf16ToGbk);

    report.AddTarget({"kova/number", "baseline"});
    report.AddTarget({"kova/zodiac", "baseline"});
    report.AddTarget({"kova/number-traditional", "baseline"});
    report.AddTarget({"kova/zodiac-traditional", "baseline"});
    for (const char* statistic :
         {"chgu/number", "chgu/number-cumulative", "chgu/zodiac", "chgu/number-traditional",
          "chgu/zodiac-traditional", "chgu/normalise"}) {
        report.AddTarget({statistic, "baseline"});
    }
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();
    return report.PrintSummary() ? 0 : 1;
}
