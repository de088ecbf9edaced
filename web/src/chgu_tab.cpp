#include "chgu_tab.h"

#include "chgu/command2.h"
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
    form2_.Attach(page_);
    windows_.Add(main_);
    windows_.Add(page_);
}

emscripten::val ChguTab::Picture(const std::string& name) {
    for (std::int16_t index = 0; chgu::IsStatisticsPress(index); ++index) {
        if (name != "Command2(" + std::to_string(index) + ")") {
            continue;
        }
        const chgu::ScanSettings settings{form1_.TableYearInForce(),
                                          main_.Find("Check1").Checked(),
                                          main_.Find("Check2").Checked(), &form1_.Tables()};
        std::int16_t in_bracket = 0;
        const chgu::Counts counts =
            chgu::CountsOfPress(index, form1_.PressText(), settings, in_bracket);
        if (index == chgu::kNumberStatisticsIndex) {
            return NumberPicture(counts);
        }
        const chgu::AttributeClasses classes =
            chgu::ClassesOf(static_cast<chgu::AttributeStatistic>(index));
        std::vector<std::u16string> labels(classes.words.begin(), classes.words.end());
        return ClassPicture(labels, std::span(counts).subspan(classes.first_slot, labels.size()));
    }
    return emscripten::val::null();
}

}  // namespace web
