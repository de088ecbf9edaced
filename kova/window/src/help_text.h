#pragma once

#include <string_view>

namespace kova {

// The text of the 帮助 message box.
std::u16string_view HelpText();

}  // namespace kova
