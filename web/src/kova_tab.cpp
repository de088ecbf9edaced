#include "kova_tab.h"

#include <string>
#include <utility>
#include <vector>

#include "picture.h"
#include "platform/clock.h"
#include "platform/codepage.h"

namespace web {

KovaTab::KovaTab(emscripten::val host, const std::filesystem::path& program_folder)
    : form1_(program_folder), window_(form1_.Layout(), std::move(host)) {
    form1_.Attach(window_);
    // A press gives its counts for the picture: nothing is counted twice.
    form1_.GiveCountsTo([this](const kova::Statistic&, const kova::LabelledCounts& counts) {
        std::vector<std::u16string> labels;
        for (const std::string& label : counts.labels) {
            labels.push_back(platform::GbkToUtf16(label));
        }
        picture_ = LabelledPicture(counts.numbers, labels, counts.counts);
    });
    windows_.Add(window_);
}

void KovaTab::FormCreate() {
    form1_.FormCreate(platform::LocalDateToday().year);
}

void KovaTab::FormShow() {
    form1_.FormShow();
}

emscripten::val KovaTab::TakePicture() {
    return std::exchange(picture_, emscripten::val::null());
}

}  // namespace web
