#include "chgu_tab.h"

#include <utility>

#include "chgu/statistics.h"
#include "picture.h"

namespace web {

namespace {

// The number page's names on the page, beside the main window's.
constexpr char kPagePrefix[] = "Form2.";

}  // namespace

ChguTab::ChguTab(emscripten::val host, const std::filesystem::path& program_folder)
    : store_(host, "ChangeDate"),
      form1_(store_, program_folder),
      main_(form1_.Layout(), host),
      form2_(page_state_, [this] { return &form1_.InputBox(); }),
      page_(form2_.Layout(), host, kPagePrefix) {
    // The page shows the number page all the time: 号码页 brings it into view.
    form1_.Attach(main_, [host] { host.call<void>("showNumberPage"); });
    // A press gives its counts for the picture: nothing is counted twice.
    form1_.GiveCountsTo([this](const chgu::Statistic& statistic, const chgu::Counts& counts) {
        const chgu::LabelledCounts labelled = chgu::LabelledCountsOf(statistic, counts);
        picture_ = LabelledPicture(labelled.numbers, labelled.labels, labelled.counts);
    });
    form2_.Attach(page_);
    windows_.Add(main_);
    windows_.Add(page_);
}

emscripten::val ChguTab::TakePicture() {
    return std::exchange(picture_, emscripten::val::null());
}

}  // namespace web
