// Program B's main window Form1: its control table and every handler,
// written against the platform's view of a window so that the same code
// runs in the Win32 window, in the in-memory window of the tests and in the
// web page.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/statistics.h"
#include "chgu/table_year.h"
#include "chgu/year_tables.h"
#include "platform/control_table.h"
#include "platform/controls.h"
#include "platform/kept_tick.h"
#include "platform/stored_value.h"
#include "yeartables/year_tables_file.h"

namespace chgu {

// Command1 indexes beyond the 68 attribute buttons.
inline constexpr std::int16_t kRangeButton = 68;       // 段
inline constexpr std::int16_t kNumberPageButton = 69;  // 号码页
inline constexpr std::int16_t kCopyButton = 70;        // 复制

// Command2 indexes: the rows of the statistics table from 0 on, then the two
// editing buttons.
inline constexpr std::int16_t kNormaliseButton = 11;  // 全转半
inline constexpr std::int16_t kClearButton = 12;      // 清 空

class Form1 {
  public:
    // What the window reads from outside: the stored change date, Define.txt
    // and YearTables.txt in program_folder, and today's date whenever it
    // chooses the table year. YearTables.txt is read once, here: a file with
    // a fault is not used (the built-in table years only), and Form_Activate
    // tells the user why. An empty folder holds neither file.
    Form1(ChangeDateStore& store, std::filesystem::path program_folder,
          std::function<platform::LocalDate()> today = platform::LocalDateToday);

    // Where "繁体字也统计" (Check3) is kept between runs; before Layout(),
    // which ticks it as stored. Without a store it starts clear and keeps
    // nothing.
    void KeepTraditionalIn(platform::StoredValue& store) { traditional_.KeepIn(store); }

    // The window's controls, with every handler bound to this form.
    platform::FormLayout Layout();
    // Takes the window built from Layout(), and what opens the number page
    // (or brings it to the front); before any handler runs.
    void Attach(platform::FormWindow& window, std::function<void()> show_number_page = {});

    // The start-up sequence: the stored change date into Text3 (or, when
    // none is stored, the welcome text in place of Text1), TableYear from
    // Text3 and today, Combo1 listing the custom attributes under "自定义".
    void Form_Load();
    // The window has appeared: the fault of a year-tables file that could
    // not be used, and of a Define.txt too large to read, each in one
    // message box; nothing when there is none or it has been shown.
    void Form_Activate();

    // The attribute buttons, 段, 号码页 and 复制: they type into Text1.
    void Command1_Click(std::int16_t Index);
    // The statistics and editing buttons: Command2(Index) for Index below
    // kNormaliseButton is the statistic of that row of the table.
    void Command2_Click(std::int16_t Index);
    // "更改": stores Text3 as it stands and runs the start-up sequence again,
    // which reads it back. When the date cannot be stored (an ordinary user
    // may write neither key, or an older value read first would hide it),
    // nothing is read back: Text3 keeps the typed date, TableYear follows it
    // until the program ends, Text1 keeps its text, and one message box
    // says so.
    void Command3_Click();
    // "帮助": the usage notes in place of Text1's text.
    void Command4_Click();
    // A custom attribute picked from Combo1's list: its members typed in at
    // the end of Text1.
    void Combo1_Click(std::u16string_view chosen_item);
    // "繁体字也统计": kept for the next run; a store that refuses it is told
    // once, and the tick holds for this run all the same.
    void Check3_Click();

    // Text1 as the statistics presses and 全转半 read it: with the
    // traditional forms of the vocabulary simplified while Check3 is ticked.
    std::u16string PressText() const;

    // Who is given the counts of each statistics press (the page, which
    // draws them beside the report); nobody by default.
    using CountsReceiver = std::function<void(const Statistic&, const Counts&)>;
    void GiveCountsTo(CountsReceiver receiver) { counts_receiver_ = std::move(receiver); }

    // The input box, which the number page types into.
    platform::Control& InputBox() { return *Text1; }
    // The year whose zodiac and element tables are in force.
    const std::u16string& TableYearInForce() const { return TableYear; }
    // The tables TableYear selects from: the built-in years and the file's.
    const YearTables& Tables() const { return tables_; }

  private:
    // The start-up sequence from its table year step on: what follows Text3.
    void FollowText3();
    platform::Control& Command1(std::int16_t Index);

    ChangeDateStore& store_;
    std::filesystem::path program_folder_;
    std::function<platform::LocalDate()> today_;
    yeartables::LoadResult year_tables_file_;
    // A Define.txt too large to read, until Form_Activate tells it.
    std::optional<std::u16string> custom_attributes_fault_;
    YearTables tables_;
    std::function<void()> show_number_page_;
    platform::KeptTick traditional_;
    CountsReceiver counts_receiver_;

    platform::FormWindow* window_ = nullptr;
    platform::Control* Text1 = nullptr;
    platform::Control* Text2 = nullptr;
    platform::Control* Text3 = nullptr;
    platform::Control* Text5 = nullptr;
    platform::Control* Combo1 = nullptr;
    platform::Control* Check1 = nullptr;
    platform::Control* Check2 = nullptr;
    platform::Control* Check3 = nullptr;
    platform::Control* Option2 = nullptr;

    // The window-level values: the table year chosen by the start-up
    // sequence, and 1 inside a skipped bracketed stretch (reset by every
    // statistics press).
    std::u16string TableYear;
    std::int16_t InBracket = 0;
};

}  // namespace chgu
