// The number page Form2: numbers, ranges, remainder classes and thirds typed
// into the main window's input box by clicking. The page writes only to
// Text1 of the main window and never reads it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/control_table.h"
#include "platform/controls.h"

namespace chgu {

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
    // text1_of_form1 gives the main window's input box while the main window
    // is open and nullptr once it has been closed; the page's buttons then
    // do nothing.
    Form2(Form2State& state, std::function<platform::Control*()> text1_of_form1);

    platform::FormLayout Layout();
    void Attach(platform::FormWindow& window);

    void Command1_Click(std::int16_t Index);  // the number buttons "01".."49"
    void Command2_Click();                    // 段 数
    void Command3_Click(std::int16_t Index);  // 除3余0, 除3余1, 除3余2
    void Command4_Click(std::int16_t Index);  // 前段, 中段, 后段

  private:
    Form2State& state_;
    std::function<platform::Control*()> text1_of_form1_;
    platform::Control* Option1 = nullptr;  // 号码用
    platform::Control* Option2 = nullptr;  // 段数用
};

}  // namespace chgu
