#include "chgu/form1.h"

#include <utility>

#include "chgu/command2.h"
#include "chgu/custom_attributes.h"
#include "yeartables/year_tables_file.h"

namespace chgu {

Form1::Form1(Form1Controls& controls, ChangeDateStore& store, std::filesystem::path program_folder,
             std::function<CivilDate()> today)
    : controls_(controls),
      store_(store),
      program_folder_(std::move(program_folder)),
      today_(std::move(today)) {
    yeartables::LoadResult loaded = yeartables::LoadYearTablesBeside(program_folder_);
    tables_ = YearTables(loaded.years);
    year_tables_fault_ = std::move(loaded.fault);
}

StartupSources Form1::Sources() const {
    return StartupSources{store_, program_folder_, today_()};
}

void Form1::Form_Load() {
    chgu::Form_Load(controls_, state_, Sources());
}

void Form1::Form_Activate() {
    if (year_tables_fault_) {
        controls_.ShowMessage(*std::exchange(year_tables_fault_, std::nullopt));
    }
}

void Form1::Command2_Click(std::int16_t Index) {
    chgu::Command2_Click(controls_, state_, tables_, Index);
}

void Form1::Command3_Click() {
    chgu::Command3_Click(controls_, state_, Sources());
}

void Form1::Command4_Click() {
    chgu::Command4_Click(controls_);
}

void Form1::Combo1_Click(std::u16string_view item) {
    chgu::Combo1_Click(controls_, item);
}

}  // namespace chgu
