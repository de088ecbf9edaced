// The main window's handlers, bound to its controls and to what the window
// reads from outside: the stored change date, the program's folder with
// Define.txt and YearTables.txt, and the clock. The window calls these when
// the user acts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/form1_controls.h"
#include "chgu/startup.h"
#include "chgu/table_year.h"
#include "chgu/year_tables.h"

namespace chgu {

class Form1 {
  public:
    // Reads YearTables.txt in program_folder once, for the whole run: a file
    // with a fault is not used (the built-in table years only), and
    // Form_Activate tells the user why.
    Form1(Form1Controls& controls, ChangeDateStore& store, std::filesystem::path program_folder,
          std::function<CivilDate()> today = LocalToday);

    void Form_Load();                             // start-up sequence
    void Command2_Click(std::int16_t Index);      // statistics and editing buttons
    void Command3_Click();                        // 更改
    void Command4_Click();                        // 帮助
    void Combo1_Click(std::u16string_view item);  // a custom attribute picked
    // The window has appeared: the fault of a year-tables file that could
    // not be used, in one message box; nothing when there is none or it has
    // been shown.
    void Form_Activate();

    const Form1State& State() const { return state_; }

  private:
    StartupSources Sources() const;

    Form1Controls& controls_;
    ChangeDateStore& store_;
    std::filesystem::path program_folder_;
    std::function<CivilDate()> today_;
    Form1State state_;
    YearTables tables_;
    std::optional<std::u16string> year_tables_fault_;
};

}  // namespace chgu
