// Program B's tab: the main window Form1 and the number page Form2 side by
// side on the page's elements, with the programs' own handlers, the change
// date kept in the browser's storage, and the counts behind each statistics
// report for the picture.
#pragma once

#include <emscripten/val.h>

#include <filesystem>
#include <string>

#include "browser_stored_value.h"
#include "chgu/window/form1.h"
#include "chgu/window/form2.h"
#include "host_form.h"
#include "tab_windows.h"

namespace web {

class ChguTab {
  public:
    // program_folder holds YearTables.txt and Define.txt, as the folder of
    // chgu.exe does; both are read once, here and at the start-up.
    ChguTab(emscripten::val host, const std::filesystem::path& program_folder);

    TabWindows& Windows() { return windows_; }
    const std::u16string& Caption() const { return main_.Layout().caption; }
    // The start-up sequence, and the window shown (the fault of a year-tables
    // file that could not be used).
    void FormLoad() { form1_.Form_Load(); }
    void FormActivate() { form1_.Form_Activate(); }

    // The counts of the statistics press just made, as the report gives
    // them, for the picture; null when the last action was no such press.
    emscripten::val TakePicture();

  private:
    BrowserStoredValue store_;
    chgu::Form1 form1_;
    HostForm main_;
    chgu::Form2State page_state_;
    chgu::Form2 form2_;
    HostForm page_;
    TabWindows windows_;
    emscripten::val picture_ = emscripten::val::null();
};

}  // namespace web
