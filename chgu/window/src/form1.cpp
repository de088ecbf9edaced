#include "chgu/window/form1.h"

#include <array>
#include <string>
#include <utility>

#include "array_name.h"
#include "chgu/custom_attributes.h"
#include "chgu/statistics.h"
#include "chgu/window/window_texts.h"
#include "input_lines.h"
#include "platform/traditional.h"

namespace chgu {

namespace {

// 大尾 and 小尾 type their five tails: the statistics know only the single
// tails.
struct TailsButton {
    std::int16_t index;
    std::u16string_view tails;
};
constexpr std::array<TailsButton, 2> kTailsButtons = {{
    {56, u",5尾,6尾,7尾,8尾,9尾"},
    {57, u",0尾,1尾,2尾,3尾,4尾"},
}};

std::optional<std::u16string_view> TailsOf(std::int16_t Index) {
    for (const TailsButton& button : kTailsButtons) {
        if (button.index == Index) {
            return button.tails;
        }
    }
    return std::nullopt;
}

}  // namespace

Form1::Form1(ChangeDateStore& store, std::filesystem::path program_folder,
             std::function<platform::LocalDate()> today)
    : store_(store),
      program_folder_(std::move(program_folder)),
      today_(std::move(today)),
      year_tables_file_(yeartables::LoadYearTablesBeside(program_folder_)),
      tables_(year_tables_file_.years) {}

void Form1::Attach(platform::FormWindow& window, std::function<void()> show_number_page) {
    window_ = &window;
    show_number_page_ = std::move(show_number_page);
    Text1 = &window.Find("Text1");
    Text2 = &window.Find("Text2");
    Text3 = &window.Find("Text3");
    Text5 = &window.Find("Text5");
    Combo1 = &window.Find("Combo1");
    Check1 = &window.Find("Check1");
    Check2 = &window.Find("Check2");
    Check3 = &window.Find("Check3");
    Option2 = &window.Find("Option2");
}

platform::Control& Form1::Command1(std::int16_t Index) {
    return window_->Find(ArrayName("Command1", Index));
}

void Form1::Form_Load() {
    const std::u16string stored = ReadChangeDate(store_);
    if (!stored.empty()) {
        Text3->SetText(stored);
    } else {
        Text1->SetText(WelcomeText());
    }
    FollowText3();
}

void Form1::FollowText3() {
    TableYear = TableYearFromChangeDate(Text3->Text(), today_());
    // Emptied first, so that loading again after "更改" lists every line
    // once; emptying the list empties the edit text too.
    Combo1->ClearList();
    if (!program_folder_.empty()) {
        CustomAttributeFile file = LoadCustomAttributeFile(program_folder_);
        for (const std::u16string& line : file.lines) {
            Combo1->AddListItem(line);
        }
        custom_attributes_fault_ = std::move(file.fault);
    }
    Combo1->SetText(kCombo1Caption);
}

void Form1::Form_Activate() {
    if (const auto fault = year_tables_file_.TakeFault()) {
        window_->ShowMessage(*fault, platform::MessageIcon::kError);
    }
    if (const auto fault = std::exchange(custom_attributes_fault_, std::nullopt)) {
        window_->ShowMessage(*fault, platform::MessageIcon::kError);
    }
}

void Form1::Command1_Click(std::int16_t Index) {
    Text1->Focus();
    std::u16string insertion;
    if (Index == kRangeButton) {
        Text5->Focus();
        insertion = RangeInsertion(Text5->Text());
    } else if (Index == kNumberPageButton) {
        if (show_number_page_) {
            show_number_page_();
        }
    } else if (Index == kCopyButton) {
        // A clipboard that another program holds open takes nothing; the
        // report stays in Text2 to be copied again.
        window_->PutOnClipboard(Text2->Text());
    } else if (const auto tails = TailsOf(Index)) {
        insertion = *tails;
    } else {
        insertion = u"," + Command1(Index).Text();
    }
    platform::AppendToBox(*Text1, insertion);
    // Runs after every press, so "号码页" or "复制" can end a long line too.
    platform::AppendToBox(*Text1, LineBreakAfter(Text1->Text()));
}

void Form1::Command2_Click(std::int16_t Index) {
    Text1->Focus();
    InBracket = 0;
    if (Index == kClearButton) {
        Text1->SetText(u"");
        return;
    }
    if (Index == kNormaliseButton) {
        Text2->SetText(NormaliseText(PressText()));
        return;
    }
    const Statistic& statistic = Statistics()[static_cast<std::size_t>(Index)];
    const StatisticSettings settings{{TableYear, Check1->Checked(), Check2->Checked(), &tables_},
                                     Option2->Checked()};
    const StatisticResult result = RunStatistic(statistic, PressText(), settings, InBracket);
    Text2->SetText(result.report);
    if (counts_receiver_) {
        counts_receiver_(statistic, result.counts);
    }
}

std::u16string Form1::PressText() const {
    std::u16string text = Text1->Text();
    if (Check3->Checked()) {
        platform::SimplifyTraditional(text);
    }
    return text;
}

void Form1::Check3_Click() {
    if (traditional_.KeepTellingFirstRefusal(Check3->Checked())) {
        window_->ShowMessage(platform::kTraditionalNotKept, platform::MessageIcon::kError);
    }
}

void Form1::Command3_Click() {
    if (WriteChangeDate(store_, Text3->Text())) {
        Form_Load();
        return;
    }
    // Reading back now would bring an older stored date over the typed one,
    // or the welcome text over the input.
    FollowText3();
    window_->ShowMessage(kChangeDateNotSaved, platform::MessageIcon::kError);
}

void Form1::Command4_Click() {
    Text1->Focus();
    Text1->SetText(UsageNotes());
}

void Form1::Combo1_Click(std::u16string_view chosen_item) {
    Text1->Focus();
    platform::AppendToBox(*Text1, MembersOf(chosen_item));
}

}  // namespace chgu
