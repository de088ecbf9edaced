#include "kova/window/form1.h"

#include <algorithm>
#include <string>
#include <utility>

#include "help_text.h"
#include "input_lines.h"
#include "platform/codepage.h"
#include "platform/memo_lines.h"
#include "platform/traditional.h"
#include "range_input.h"
#include "year_caption.h"
#include "yeartables/numbers.h"

namespace kova {

namespace {

// AppendToInput keeps a line growing while it is at most 49 bytes long, the
// range input while it is at most 36.
constexpr std::size_t kLongestWordLine = 49;
constexpr std::size_t kLongestRangeLine = 36;

int TwoDigitValue(std::u16string_view digits) {
    return (digits[0] - u'0') * 10 + (digits[1] - u'0');
}

}  // namespace

TForm1::TForm1(const std::filesystem::path& program_folder)
    : year_tables_file_(yeartables::LoadYearTablesBeside(program_folder)),
      tables_(year_tables_file_.years) {}

void TForm1::Attach(platform::FormWindow& window) {
    window_ = &window;
    Memo1 = &window.Find("Memo1");
    Memo2 = &window.Find("Memo2");
    Edit1 = &window.Find("Edit1");
    Edit2 = &window.Find("Edit2");
    Edit3 = &window.Find("Edit3");
    UpDown1 = &window.Find("UpDown1");
    RadioButton1 = &window.Find("RadioButton1");
    RadioButton2 = &window.Find("RadioButton2");
    RadioButton4 = &window.Find("RadioButton4");
    CheckBox1 = &window.Find("CheckBox1");
}

void TForm1::FormCreate(int today_year) {
    // The selector holds the statistics to the years of the tables; the year
    // box stays empty when today lies outside them.
    UpDown1->SetPosition(std::clamp(today_year, tables_.FirstYear(), tables_.LastYear()));
    if (const auto caption = YearCaption(today_year, tables_)) {
        Edit3->SetText(*caption);
    }
}

void TForm1::FormShow() {
    if (const auto fault = year_tables_file_.TakeFault()) {
        window_->ShowMessage(*fault, platform::MessageIcon::kError);
    }
}

void TForm1::AppendToInput(std::u16string_view word) {
    platform::MemoLines lines(*Memo1);
    if (lines.Count() == 0) {
        lines.Add(word);
    } else {
        std::u16string extension = u",";
        extension.append(word);
        ExtendLastLine(lines, extension, word, kLongestWordLine);
    }
    Memo1->Focus();
}

void TForm1::ButtonClick(platform::Control& sender) {
    AppendToInput(sender.Text());
}

void TForm1::BitBtnClick(platform::Control& sender) {
    const std::u16string number = sender.Text();
    if (RadioButton1->Checked()) {
        AppendToInput(number);
    }
    if (RadioButton2->Checked()) {
        if (RangePair.empty()) {
            RangePair = u"0000";
        }
        RangePair += number;
        while (RangePair.size() > 4) {
            RangePair.erase(0, 2);
        }
        const std::u16string previous = RangePair.substr(0, 2);
        const std::u16string clicked = RangePair.substr(2, 2);
        const bool ascending = TwoDigitValue(clicked) >= TwoDigitValue(previous);
        Edit1->SetText(ascending ? previous : clicked);
        Edit2->SetText(ascending ? clicked : previous);
    }
}

void TForm1::Button62Click(platform::Control&) {
    // Both boxes are read before anything is added, so a conversion error
    // leaves the input box as it was.
    const RangeValue start = ReadRangeStart(Edit1->Text());
    if (start.kind == RangeValue::Kind::kNotAnInteger) {
        window_->ShowMessage(ConversionErrorMessage(start.text), platform::MessageIcon::kError);
        return;
    }
    const RangeValue end = ReadRangeEnd(Edit2->Text());
    if (end.kind == RangeValue::Kind::kNotAnInteger) {
        window_->ShowMessage(ConversionErrorMessage(end.text), platform::MessageIcon::kError);
        return;
    }
    if (start.kind == RangeValue::Kind::kNoNumber || end.kind == RangeValue::Kind::kNoNumber) {
        return;
    }
    platform::MemoLines lines(*Memo1);
    for (int number = start.number; number <= end.number; ++number) {
        if (lines.Count() == 0) {
            lines.Add(u" ");
        }
        std::u16string item = u",";
        item.append(yeartables::DecimalText(number));
        ExtendLastLine(lines, item, item, kLongestRangeLine);
    }
}

void TForm1::Button9Click(platform::Control&) {
    platform::MemoLines(*Memo1).Clear();
    Memo1->Focus();
}

std::string TForm1::InputText() const {
    std::string text = platform::Utf16ToGbk(Memo1->Text());
    if (CheckBox1->Checked()) {
        platform::SimplifyTraditionalGbk(text);
    }
    return text;
}

void TForm1::StatisticsButtonClick(const Statistic& statistic) {
    const StatisticSettings settings{
        UpDown1->Position(),
        RadioButton4->Checked() ? Arrangement::kOneLine : Arrangement::kWrapped, &tables_};
    const StatisticResult result = RunStatistic(statistic, InputText(), settings);
    Memo2->SetText(platform::GbkToUtf16(ReportText(result.report)));
    if (counts_receiver_) {
        counts_receiver_(statistic, result.counts);
    }
}

void TForm1::UpDown1Click(platform::Control&) {
    if (const auto caption = YearCaption(UpDown1->Position(), tables_)) {
        Edit3->SetText(*caption);
    }
}

void TForm1::Button66Click(platform::Control&) {
    window_->SetClientWidth(kWideClientWidth);
}
void TForm1::Button67Click(platform::Control&) {
    window_->SetClientWidth(kNarrowClientWidth);
}

void TForm1::Button61Click(platform::Control&) {
    window_->ShowMessage(HelpText(), platform::MessageIcon::kNone);
}

void TForm1::CheckBox1Click(platform::Control& sender) {
    if (traditional_.KeepTellingFirstRefusal(sender.Checked())) {
        window_->ShowMessage(platform::kTraditionalNotKept, platform::MessageIcon::kError);
    }
}

}  // namespace kova
