// The statistics presses through the real windows: kova.exe and chgu.exe
// driven by window messages with a 1 MB tip text in the input box, timed
// from the press (BM_CLICK, which returns once the handler has run) until
// the report stands in the output box, beside the engine's own time for the
// same text and settings in this process. The ratio is what the window adds:
// reading the input box, the conversions and writing the output box.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chgu/change_date_store.h"
#include "chgu/statistics.h"
#include "chgu/window/control_ids.h"
#include "kova/statistics.h"
#include "kova/window/control_ids.h"
#include "platform/codepage.h"
#include "tip_text.h"
#include "window_driver.h"

namespace {

constexpr int kRuns = 5;
constexpr int kYear = 2008;

std::wstring ProgramPath(std::string path) {
    // Under Wine the build folder is a Unix path, reached through Z:.
    if (path.starts_with("/")) {
        path = "Z:" + path;
    }
    return {path.begin(), path.end()};
}

double Milliseconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One statistics button of a running program and the engine call behind it.
struct Press {
    const char* program;
    const char* statistic;
    HWND button;
    HWND output;
    std::function<std::u16string()> engine;  // the report as the output box shows it
};

// Prints one row; false when the window failed to answer or wrote another
// report than the engine.
bool Measure(const Press& press) {
    const std::u16string expected = press.engine();
    std::vector<double> window, engine;
    bool same = true;
    for (int run = 0; run < kRuns; ++run) {
        e2e::SetText(press.output, u"");
        bool answered = false;
        window.push_back(Milliseconds([&] { answered = e2e::Click(press.button); }));
        same = same && answered && e2e::Text(press.output) == expected;
        engine.push_back(Milliseconds([&] { press.engine(); }));
    }
    const double window_ms = Median(window), engine_ms = Median(engine);
    std::printf("%-8s %-10s %10.1f %10.1f %8.1f%s\n", press.program, press.statistic, window_ms,
                engine_ms, window_ms / engine_ms, same ? "" : "  WRONG REPORT");
    return same;
}

// chgu.exe takes its table year from the stored change date: 2008 for the
// run, kept under a key of the benchmark's own that chgu.exe is pointed at
// (CHGU_CHANGE_DATE_KEY) and removed afterwards, so that the date a user of
// the machine has stored is never touched.
class StoredChangeDate {
  public:
    explicit StoredChangeDate(std::u16string_view date)
        : key_("Software\\ChguStatBench" + std::to_string(GetCurrentProcessId())),
          store_(platform::SystemStoredValue(
              platform::ValueScope::kUser,
              {key_, chgu::kChangeDatePlace.name, chgu::kChangeDatePlace.folder,
               chgu::kChangeDateReadCapacity})) {
        SetEnvironmentVariableA("CHGU_CHANGE_DATE_KEY", key_.c_str());
        stored_ = chgu::WriteChangeDate(*store_, date);
    }
    StoredChangeDate(const StoredChangeDate&) = delete;
    StoredChangeDate& operator=(const StoredChangeDate&) = delete;
    ~StoredChangeDate() {
        RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_.c_str());
        SetEnvironmentVariableA("CHGU_CHANGE_DATE_KEY", nullptr);
    }

    bool Stored() const { return stored_; }

  private:
    std::string key_;
    std::unique_ptr<chgu::ChangeDateStore> store_;
    bool stored_ = false;
};

bool RunKova(const std::string& gbk, const std::u16string& text) {
    namespace ids = kova::ids;
    e2e::RunningProgram kova(ProgramPath(KOVA_EXE), L"TipstatForm");
    if (kova.Window() == nullptr) {
        std::printf("kova.exe did not open\n");
        return false;
    }
    SendMessageW(kova.Control(ids::kUpDown1), UDM_SETPOS32, 0, kYear);
    e2e::SetText(kova.Control(ids::kMemo1), text);
    const auto report = [](const kova::ReportLines& lines) {
        return platform::GbkToUtf16(kova::ReportText(lines));
    };
    const HWND output = kova.Control(ids::kMemo2);
    bool ok =
        Measure({"kova", "number", kova.Control(ids::kButton60), output, [&] {
                     return report(kova::NumberStatistics(gbk, kYear, kova::Arrangement::kWrapped));
                 }});
    ok = Measure({"kova", "zodiac", kova.Control(ids::kButton7), output,
                  [&] {
                      return report(kova::Report(kova::StatisticNamed("ZodiacStatistics"), gbk));
                  }}) &&
         ok;
    return ok;
}

bool RunChgu(const std::u16string& text) {
    namespace ids = chgu::ids;
    const StoredChangeDate date(u"2008年01月01日");
    if (!date.Stored()) {
        std::printf("the change date could not be stored\n");
        return false;
    }
    e2e::RunningProgram chgu(ProgramPath(CHGU_EXE), L"TipstatForm");
    if (chgu.Window() == nullptr) {
        std::printf("chgu.exe did not open\n");
        return false;
    }
    e2e::SetText(chgu.Control(ids::kText1), text);
    // The window's start-up state: 方括内不统计 checked, 长行排列.
    const chgu::StatisticSettings settings{{u"2008", true, false}, true};
    const auto engine = [&](std::size_t index) {
        std::int16_t in_bracket = 0;
        return chgu::RunStatistic(chgu::Statistics()[index], text, settings, in_bracket).report;
    };
    const HWND output = chgu.Control(ids::kText2);
    bool ok = Measure(
        {"chgu", "number", chgu.Control(ids::kCommand2), output, [&] { return engine(0); }});
    ok = Measure({"chgu", "zodiac", chgu.Control(ids::kCommand2 + 1), output,
                  [&] { return engine(1); }}) &&
         ok;
    return ok;
}

}  // namespace

int main() {
    const std::string gbk = platform::Utf8ToGbk(bench::GenerateTipText(std::size_t{1} << 20));
    const std::u16string text = platform::GbkToUtf16(gbk);
    std::printf("Statistics through the windows, %zu bytes of tip text (median of %d runs)\n",
                gbk.size(), kRuns);
    std::printf("%-8s %-10s %10s %10s %8s\n", "program", "statistic", "window_ms", "engine_ms",
                "ratio");
    const bool kova_ok = RunKova(gbk, text);
    const bool chgu_ok = RunChgu(text);
    return kova_ok && chgu_ok ? 0 : 1;
}
