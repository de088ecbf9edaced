#include "chgu_tab.h"

#include "chgu/command2.h"
#include "chgu/window/command1.h"
#include "chgu/window/layouts.h"
#include "chgu/window/main_window.h"
#include "picture.h"
#include "yeartables/year_tables_file.h"

namespace web {

namespace {

// The number page's names on the page, beside the main window's.
constexpr char kPagePrefix[] = "Form2.";

// The names of the controls that the handlers reach through
// Form1Controls.
std::string NameOf(chgu::TextControl control) {
    constexpr const char* kNames[] = {"Text1", "Text2", "Text3", "Combo1"};
    return kNames[static_cast<int>(control)];
}
std::string NameOf(chgu::CheckControl control) {
    constexpr const char* kNames[] = {"Check1", "Check2", "Option2"};
    return kNames[static_cast<int>(control)];
}

}  // namespace

// The main window as the handlers of Form1 and Command1 see it.
class ChguTab::MainWindowOnPage final : public chgu::MainWindow {
  public:
    MainWindowOnPage(HostForm& window, emscripten::val& host) : window_(window), host_(host) {}

    std::u16string Text(chgu::TextControl control) const override {
        return window_.Find(NameOf(control)).Text();
    }
    void SetText(chgu::TextControl control, std::u16string_view text) override {
        window_.Find(NameOf(control)).SetText(text);
    }
    void Append(chgu::TextControl control, std::u16string_view text) override {
        platform::Control& box = window_.Find(NameOf(control));
        box.ReplaceText(box.Text().size(), 0, text);
    }
    void SetFocus(chgu::TextControl control) override { window_.Find(NameOf(control)).Focus(); }
    bool Checked(chgu::CheckControl control) const override {
        return window_.Find(NameOf(control)).Checked();
    }
    void ClearComboList() override { window_.Find("Combo1").ClearList(); }
    void AddComboItem(std::u16string_view item) override {
        window_.Find("Combo1").AddListItem(item);
    }
    void ShowMessage(std::u16string_view text) override {
        window_.ShowMessage(text, platform::MessageIcon::kNone);
    }
    std::u16string Text5() const override { return window_.Find("Text5").Text(); }
    void FocusText5() override { window_.Find("Text5").Focus(); }
    void PutOnClipboard(std::u16string_view text) override { window_.PutOnClipboard(text); }
    // The page shows the number page all the time; the button brings it
    // into view.
    void ShowNumberPage() override { host_.call<void>("showNumberPage"); }

  private:
    HostForm& window_;
    emscripten::val& host_;
};

// The number page's two options as Form2's handlers see them.
class ChguTab::NumberPageOnPage final : public chgu::Form2Controls {
  public:
    explicit NumberPageOnPage(HostForm& window) : window_(window) {}

    bool Option1Selected() const override { return window_.Find("Option1").Checked(); }
    bool Option2Selected() const override { return window_.Find("Option2").Checked(); }
    void FocusOption2() override {
        // An option button that gets the focus becomes the selected one.
        window_.Find("Option2").Focus();
        window_.SelectOption("Option2");
    }

  private:
    HostForm& window_;
};

ChguTab::ChguTab(emscripten::val host, const std::filesystem::path& program_folder)
    : host_(host),
      store_(host, "ChangeDate"),
      tables_(yeartables::LoadYearTablesBeside(program_folder).years),
      main_(chgu::Form1Layout({
                [this](std::int16_t index) { chgu::Command1_Click(*main_window_, index); },
                [this](std::int16_t index) { form1_->Command2_Click(index); },
                [this] { form1_->Command3_Click(); },
                [this] { form1_->Command4_Click(); },
                [this](std::u16string_view item) { form1_->Combo1_Click(item); },
            }),
            host),
      page_(chgu::Form2Layout({
                [this](std::int16_t n) { form2_->Command1_Click(n); },
                [this] { form2_->Command2_Click(); },
                [this](std::int16_t r) { form2_->Command3_Click(r); },
                [this](std::int16_t third) { form2_->Command4_Click(third); },
            }),
            host, kPagePrefix) {
    windows_.Add(main_);
    windows_.Add(page_);
    main_window_ = std::make_unique<MainWindowOnPage>(main_, host_);
    form1_ = std::make_unique<chgu::Form1>(*main_window_, store_, program_folder);
    page_controls_ = std::make_unique<NumberPageOnPage>(page_);
    form2_ = std::make_unique<chgu::Form2>(*page_controls_, page_state_,
                                           [this]() -> chgu::MainWindow* { return main_window_.get(); });
}

ChguTab::~ChguTab() = default;

void ChguTab::FormLoad() {
    form1_->Form_Load();
    form2_->Form_Load();
}

void ChguTab::FormActivate() {
    form1_->Form_Activate();
}

emscripten::val ChguTab::Picture(const std::string& name) {
    for (std::int16_t index = 0; chgu::IsStatisticsPress(index); ++index) {
        if (name != "Command2(" + std::to_string(index) + ")") {
            continue;
        }
        const chgu::ScanSettings settings{form1_->State().TableYear,
                                          main_.Find("Check1").Checked(),
                                          main_.Find("Check2").Checked(), &tables_};
        std::int16_t in_bracket = 0;
        const chgu::Counts counts =
            chgu::CountsOfPress(index, main_.Find("Text1").Text(), settings, in_bracket);
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
