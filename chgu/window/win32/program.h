// chgu.exe as a whole: the main window Form1, the number page Form2 that it
// opens, and the rule that the program ends when its last window closes.
#pragma once

#include <windows.h>

#include <memory>

#include "chgu/change_date_store.h"
#include "chgu/form1.h"
#include "chgu/window/form2.h"
#include "main_window32.h"
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
    class NumberPage;

    void ShowNumberPage();
    void WindowOpened() { ++open_windows_; }
    void WindowClosed();

    HINSTANCE instance_;
    std::unique_ptr<ChangeDateStore> store_;
    std::unique_ptr<platform::win32::FormWindow32> form1_window_;
    std::unique_ptr<MainWindow32> main_window_;
    std::unique_ptr<Form1> form1_;
    bool form1_open_ = false;

    Form2State page_state_;  // kept when the page closes
    std::unique_ptr<NumberPage> page_;
    int open_windows_ = 0;
};

}  // namespace chgu::win32
