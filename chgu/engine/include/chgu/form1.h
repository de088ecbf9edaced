// The main window's handlers, bound to its controls and to what the window
// reads from outside: the stored change date, the folder of Define.txt and
// the clock. The window calls these when the user acts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/form1_controls.h"
#include "chgu/startup.h"
#include "chgu/table_year.h"

namespace chgu {

class Form1 {
  public:
    Form1(Form1Controls& controls, ChangeDateStore& store, std::filesystem::path program_folder,
          std::function<CivilDate()> today = LocalToday);

    void Form_Load();                             // start-up sequence
    void Command2_Click(std::int16_t Index);      // statistics and editing buttons
    void Command3_Click();                        // 更改
    void Command4_Click();                        // 帮助
    void Combo1_Click(std::u16string_view item);  // a custom attribute picked

    const Form1State& State() const { return state_; }

  private:
    StartupSources Sources() const;

    Form1Controls& controls_;
    ChangeDateStore& store_;
    std::filesystem::path program_folder_;
    std::function<CivilDate()> today_;
    Form1State state_;
};

}  // namespace chgu
