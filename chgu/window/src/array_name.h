// The names of a control array's members in the control tables, as the form
// design writes them: "Command1(8)".
#pragma once

#include <string>
#include <string_view>

namespace chgu {

inline std::string ArrayName(std::string_view array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

}  // namespace chgu
