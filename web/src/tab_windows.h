// The windows of one tab: a program's main window and, for program B, its
// number page beside it. What a user does reaches the window whose names it
// carries (see HostForm's prefix).
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "host_form.h"

namespace web {

class TabWindows {
  public:
    void Add(HostForm& window) { windows_.push_back(&window); }

    // Every window's rows, window after window.
    emscripten::val Rows() const;
    void Click(const std::string& name);
    void ClickArrow(const std::string& name, int step);
    void Pick(const std::string& name, const std::u16string& item);

  private:
    // The window of a name as the page knows it, and the name in that window.
    std::pair<HostForm*, std::string> WindowOf(const std::string& name) const;

    std::vector<HostForm*> windows_;
};

}  // namespace web
