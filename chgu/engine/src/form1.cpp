#include "chgu/form1.h"

#include "chgu/command2.h"
#include "chgu/custom_attributes.h"

namespace chgu {

Form1::Form1(Form1Controls& controls, ChangeDateStore& store, std::filesystem::path program_folder,
             std::function<CivilDate()> today)
    : controls_(controls),
      store_(store),
      program_folder_(std::move(program_folder)),
      today_(std::move(today)) {}

StartupSources Form1::Sources() const {
    return StartupSources{store_, program_folder_, today_()};
}

void Form1::Form_Load() {
    chgu::Form_Load(controls_, state_, Sources());
}

void Form1::Command2_Click(std::int16_t Index) {
    chgu::Command2_Click(controls_, state_, Index);
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
