// The control tables of program B's two windows, which the shared window
// builder turns into Win32 windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/control_table.h"

namespace chgu {

inline constexpr platform::Colour kTeal = platform::Colour::Rgb(0, 128, 128);
inline constexpr platform::Colour kCyan = platform::Colour::Rgb(0, 192, 192);
inline constexpr platform::Colour kLightGrey = platform::Colour::Rgb(224, 224, 224);

struct Form1Handlers {
    std::function<void(std::int16_t)> Command1_Click;
    std::function<void(std::int16_t)> Command2_Click;
    std::function<void()> Command3_Click;  // 更改
    std::function<void()> Command4_Click;  // 帮助
    std::function<void(std::u16string_view)> Combo1_Click;  // a custom attribute picked
};

struct Form2Handlers {
    std::function<void(std::int16_t)> Command1_Click;
    std::function<void()> Command2_Click;
    std::function<void(std::int16_t)> Command3_Click;
    std::function<void(std::int16_t)> Command4_Click;
};

platform::FormLayout Form1Layout(const Form1Handlers& handlers);
platform::FormLayout Form2Layout(const Form2Handlers& handlers);

}  // namespace chgu
