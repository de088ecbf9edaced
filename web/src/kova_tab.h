// Program A's tab: the window TForm1 with its own handlers on the page's
// elements, and the counts behind each statistics report for the picture.
#pragma once

#include <emscripten/val.h>

#include <filesystem>
#include <string>

#include "host_form.h"
#include "kova/window/form1.h"
#include "tab_windows.h"

namespace web {

class KovaTab {
  public:
    // program_folder holds YearTables.txt, as the folder of kova.exe does;
    // it is read once, here.
    KovaTab(emscripten::val host, const std::filesystem::path& program_folder);

    TabWindows& Windows() { return windows_; }
    const std::u16string& Caption() const { return window_.Layout().caption; }
    // Window creation (the year selector from today) and the window shown
    // (the fault of a year-tables file that could not be used).
    void FormCreate();
    void FormShow();

    // The counts of the statistics press just made, as the report gives
    // them, for the picture; null when the last action was no such press.
    emscripten::val TakePicture();

  private:
    kova::TForm1 form1_;
    HostForm window_;
    TabWindows windows_;
    emscripten::val picture_ = emscripten::val::null();
};

}  // namespace web
