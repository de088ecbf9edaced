// The controls of a window by the names its control table gives them: one
// lookup for every kind of window (the Win32 window, the in-memory window of
// the tests, the page's). A name the table lacks is a programming error, and
// asking for one stops the program.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace platform {

// Says which name was asked for and stops the program.
[[noreturn]] void NoControlNamed(std::string_view name);

template <typename ControlType>
class ControlsByName {
  public:
    // control stays where it is for the life of this map.
    void Add(std::string_view name, ControlType& control) {
        by_name_.emplace(std::string(name), &control);
    }

    ControlType& Get(std::string_view name) const {
        const auto found = by_name_.find(name);
        if (found == by_name_.end()) {
            NoControlNamed(name);
        }
        return *found->second;
    }

  private:
    std::map<std::string, ControlType*, std::less<>> by_name_;
};

}  // namespace platform
