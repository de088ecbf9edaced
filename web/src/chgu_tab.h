// Program B's tab: the main window Form1 and the number page Form2 side by
// side on the page's elements, with the programs' own handlers, the change
// date kept in the browser's storage, and the counts behind each statistics
// report for the picture.
#pragma once

#include <emscripten/val.h>

#include <filesystem>
#include <memory>
#include <string>

#include "browser_stored_value.h"
#include "chgu/form1.h"
#include "chgu/window/form2.h"
#include "chgu/year_tables.h"
#include "host_form.h"
#include "tab_windows.h"

namespace web {

class ChguTab {
  public:
    // program_folder holds YearTables.txt and Define.txt, as the folder of
    // chgu.exe does; both are read once, here and at the start-up.
    ChguTab(emscripten::val host, const std::filesystem::path& program_folder);
    ~ChguTab();

    TabWindows& Windows() { return windows_; }
    const std::u16string& Caption() const { return main_.Layout().caption; }
    // The start-up sequence, and the window shown (the fault of a year-tables
    // file that could not be used).
    void FormLoad();
    void FormActivate();

    // The counts of statistics button `name` on the input box as it stands,
    // with the window's settings and table year; null for any other control.
    emscripten::val Picture(const std::string& name);

  private:
    class MainWindowOnPage;
    class NumberPageOnPage;

    emscripten::val host_;
    BrowserStoredValue store_;
    chgu::YearTables tables_;
    HostForm main_;
    HostForm page_;
    TabWindows windows_;
    std::unique_ptr<MainWindowOnPage> main_window_;
    std::unique_ptr<chgu::Form1> form1_;
    chgu::Form2State page_state_;
    std::unique_ptr<NumberPageOnPage> page_controls_;
    std::unique_ptr<chgu::Form2> form2_;
};

}  // namespace web
