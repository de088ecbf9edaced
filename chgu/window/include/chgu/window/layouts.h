// The control tables of program B's two windows. Rows the shared window
// builder makes are platform rows; the check boxes and the drop-down list,
// which it does not make, are added rows that the program's own Win32 code
// creates.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/control_table.h"

namespace chgu {

enum class AddedKind { kCheckBox, kDropDown };

struct AddedControl {
    std::string name;
    AddedKind kind = AddedKind::kCheckBox;
    platform::Bounds bounds;
    int id = 0;
    bool checked = false;  // check boxes: ticked when the window opens
};

struct WindowLayout {
    platform::FormLayout form;
    platform::Colour background;  // of the window's client area
    std::vector<AddedControl> added;
};

inline constexpr platform::Colour kTeal = platform::Colour::Rgb(0, 128, 128);
inline constexpr platform::Colour kCyan = platform::Colour::Rgb(0, 192, 192);
inline constexpr platform::Colour kLightGrey = platform::Colour::Rgb(224, 224, 224);

struct Form1Handlers {
    std::function<void(std::int16_t)> Command1_Click;
    std::function<void(std::int16_t)> Command2_Click;
    std::function<void()> Command3_Click;  // 更改
    std::function<void()> Command4_Click;  // 帮助
};

struct Form2Handlers {
    std::function<void(std::int16_t)> Command1_Click;
    std::function<void()> Command2_Click;
    std::function<void(std::int16_t)> Command3_Click;
    std::function<void(std::int16_t)> Command4_Click;
};

WindowLayout Form1Layout(const Form1Handlers& handlers);
WindowLayout Form2Layout(const Form2Handlers& handlers);

}  // namespace chgu
