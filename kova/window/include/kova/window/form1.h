// Program A's window TForm1: its control table and every handler, written
// against the platform's view of a window so that the same code runs in the
// Win32 window and in the in-memory window of the tests.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "kova/statistics.h"
#include "kova/year_tables.h"
#include "platform/control_table.h"
#include "platform/controls.h"
#include "platform/kept_tick.h"
#include "platform/stored_value.h"
#include "yeartables/year_tables_file.h"

namespace kova {

// Client widths of the window: the number page hidden and shown.
inline constexpr int kNarrowClientWidth = 548;
inline constexpr int kWideClientWidth = 693;

class TForm1 {
  public:
    // The built-in years 2003..2010 only.
    TForm1() = default;
    // With the years of YearTables.txt in program_folder, read once here. A
    // file with a fault is not used: the built-in years only, and FormShow
    // tells the user why.
    explicit TForm1(const std::filesystem::path& program_folder);

    // The tables in force: the built-in years and those of the file.
    const YearTables& Tables() const { return tables_; }

    // Where "繁体字也统计" is kept between runs; before Layout(), which
    // ticks it as stored. Without a store it starts clear and keeps nothing.
    void KeepTraditionalIn(platform::StoredValue& store) { traditional_.KeepIn(store); }

    // The window's controls, with every handler bound to this form. The
    // year selector's range runs over the years of the tables.
    platform::FormLayout Layout();
    // Takes the window built from Layout(); before any handler runs.
    void Attach(platform::FormWindow& window);

    // Window creation: the year selector from today's year.
    void FormCreate(int today_year);
    // The window has appeared: the fault of a year-tables file that could
    // not be used, in one message box; nothing when there is none or it has
    // been shown.
    void FormShow();

    // The attribute buttons and the half-wave buttons.
    void ButtonClick(platform::Control& sender);
    // The number buttons "01".."49".
    void BitBtnClick(platform::Control& sender);
    // 段数, both buttons: appends the range of the two range boxes.
    void Button62Click(platform::Control& sender);
    // 清空.
    void Button9Click(platform::Control& sender);
    // The statistics buttons, one per row of the statistics table: the
    // report of the input box into the output box. 码统计 reads the year
    // selector and the arrangement.
    void StatisticsButtonClick(const Statistic& statistic);
    void UpDown1Click(platform::Control& sender);
    // 号码页 and 关闭这页: show and hide the number page.
    void Button66Click(platform::Control& sender);
    void Button67Click(platform::Control& sender);
    // 帮助.
    void Button61Click(platform::Control& sender);
    // "繁体字也统计": kept for the next run; a store that refuses it is told
    // once, and the tick holds for this run all the same.
    void CheckBox1Click(platform::Control& sender);

    // The input box as the statistics read it: code page 936, with the
    // traditional forms of the vocabulary simplified while CheckBox1 is
    // ticked.
    std::string InputText() const;

    // Who is given the counts of each statistics press (the page, which
    // draws them beside the report); nobody by default.
    using CountsReceiver = std::function<void(const Statistic&, const LabelledCounts&)>;
    void GiveCountsTo(CountsReceiver receiver) { counts_receiver_ = std::move(receiver); }

  private:
    void AppendToInput(std::u16string_view word);

    CountsReceiver counts_receiver_;
    yeartables::LoadResult year_tables_file_;
    YearTables tables_;

    platform::FormWindow* window_ = nullptr;
    platform::Control* Memo1 = nullptr;
    platform::Control* Memo2 = nullptr;
    platform::Control* Edit1 = nullptr;
    platform::Control* Edit2 = nullptr;
    platform::Control* Edit3 = nullptr;
    platform::Control* UpDown1 = nullptr;
    platform::Control* RadioButton1 = nullptr;
    platform::Control* RadioButton2 = nullptr;
    platform::Control* RadioButton4 = nullptr;
    platform::Control* CheckBox1 = nullptr;
    platform::KeptTick traditional_;

    // The last two numbers clicked in segment mode; empty until the first.
    std::u16string RangePair;
};

}  // namespace kova
