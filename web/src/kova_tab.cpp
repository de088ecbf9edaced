#include "kova_tab.h"

#include <optional>
#include <string_view>
#include <vector>

#include "kova/statistics.h"
#include "picture.h"
#include "platform/clock.h"
#include "platform/codepage.h"

namespace web {

namespace {

using kova::AttributeStatistic;

// The statistics buttons of TForm1; no attribute statistic: 码统计.
struct StatisticsButton {
    std::string_view name;
    std::optional<AttributeStatistic> statistic;
};

constexpr StatisticsButton kStatisticsButtons[] = {
    {"Button60", std::nullopt},
    {"Button7", AttributeStatistic::kZodiac},
    {"Button63", AttributeStatistic::kHead},
    {"Button64", AttributeStatistic::kTail},
    {"Button65", AttributeStatistic::kElement},
    {"Button8", AttributeStatistic::kDigitSum},
    {"BitBtn56", AttributeStatistic::kWave},
    {"BitBtn57", AttributeStatistic::kBigSmall},
    {"BitBtn58", AttributeStatistic::kOddEven},
    {"BitBtn59", AttributeStatistic::kSumOddEven},
    {"BitBtn60", AttributeStatistic::kSegment},
};

}  // namespace

KovaTab::KovaTab(emscripten::val host, const std::filesystem::path& program_folder)
    : form1_(program_folder), window_(form1_.Layout(), std::move(host)) {
    form1_.Attach(window_);
    windows_.Add(window_);
}

void KovaTab::FormCreate() {
    form1_.FormCreate(platform::LocalDateToday().year);
}

void KovaTab::FormShow() {
    form1_.FormShow();
}

emscripten::val KovaTab::Picture(const std::string& name) {
    for (const StatisticsButton& button : kStatisticsButtons) {
        if (button.name != name) {
            continue;
        }
        const std::string text = form1_.InputText();
        if (!button.statistic) {
            const int year = window_.Find("UpDown1").Position();
            return NumberPicture(kova::CountNumbers(text, year, form1_.Tables()));
        }
        std::vector<std::u16string> labels;
        for (const std::string_view word : kova::ClassWordsOf(*button.statistic)) {
            labels.push_back(platform::GbkToUtf16(word));
        }
        return ClassPicture(labels, kova::CountClassWords(*button.statistic, text));
    }
    return emscripten::val::null();
}

}  // namespace web
