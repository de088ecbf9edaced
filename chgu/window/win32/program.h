// chgu.exe as a whole: the main window Form1, the number page Form2 that it
// opens, and the rule that the program ends when its last window closes.
#pragma once

#include <windows.h>

#include <memory>

#include "chgu/change_date_store.h"
#include "chgu/window/form1.h"
#include "chgu/window/form2.h"
#include "platform/win32/form_window.h"

namespace chgu::win32 {

class Program {
  public:
    explicit Program(HINSTANCE instance);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Builds Form1, runs its start-up sequence and shows it; false when
    // Windows refuses the window.
    bool Open(int show_command);
    // The message loop, until the last window closes.
    int Run();

  private:
    // Opens the number page, or brings an open one to the front.
    void ShowNumberPage();
    void WindowOpened() { ++open_windows_; }
    void WindowClosed();

    HINSTANCE instance_;
    std::unique_ptr<ChangeDateStore> store_;
    std::unique_ptr<platform::StoredValue> traditional_store_;
    Form1 form1_;
    std::unique_ptr<platform::win32::FormWindow32> form1_window_;
    bool form1_open_ = false;

    Form2State page_state_;  // kept when the page closes
    // One opening of the number page: a closed page is made afresh, with
    // Option1 selected.
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<platform::win32::FormWindow32> form2_window_;
    bool page_open_ = false;
    int open_windows_ = 0;
};

}  // namespace chgu::win32
