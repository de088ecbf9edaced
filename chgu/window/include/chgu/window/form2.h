// The number page Form2: numbers, ranges, remainder classes and thirds typed
// into the main window's input box by clicking. The page writes only to
// Text1 of the main window and never reads it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "chgu/window/main_window.h"

namespace chgu {

// What the page's handlers see of its own controls: the two mode options.
class Form2Controls {
  public:
    virtual ~Form2Controls() = default;
    virtual bool Option1Selected() const = 0;  // number mode
    virtual bool Option2Selected() const = 0;  // segment mode
    // Gives Option2 the focus, which selects it.
    virtual void FocusOption2() = 0;
};

// The page's values that outlive the page: closing and opening it again
// keeps them.
struct Form2State {
    std::u16string RangeStart;
    std::u16string RangeEnd;
    // Only the parity is used: even, the next segment-mode click is a start.
    std::uint16_t RangeClicks = 0;
};

class Form2 {
  public:
    // main_window gives the main window while it is open and nullptr once it
    // has been closed; the page's buttons then do nothing.
    Form2(Form2Controls& controls, Form2State& state, std::function<MainWindow*()> main_window);

    void Form_Load() {}
    void Command1_Click(std::int16_t Index);  // the number buttons "01".."49"
    void Command2_Click();                    // 段 数
    void Command3_Click(std::int16_t Index);  // 除3余0, 除3余1, 除3余2
    void Command4_Click(std::int16_t Index);  // 前段, 中段, 后段

  private:
    Form2Controls& controls_;
    Form2State& state_;
    std::function<MainWindow*()> main_window_;
};

// The caption of number button n: "01".."49".
std::u16string NumberCaption(int n);

}  // namespace chgu
