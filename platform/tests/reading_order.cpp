#include "reading_order.h"

#include <string>

namespace platform::test {

::testing::AssertionResult WalksInReadingOrder(const FormLayout& form,
                                               const std::vector<std::size_t>& walk) {
    // Each tab stop of the table, an option group by its first row.
    std::vector<int> times_walked(form.controls.size(), 0);
    for (const std::size_t row : walk) {
        ++times_walked.at(row);
    }
    for (std::size_t row = 0; row < form.controls.size(); ++row) {
        const ControlLayout& control = form.controls[row];
        const bool stop = IsTabStop(control) && (control.kind != ControlKind::kOption ||
                                                 OptionGroup(form, row).first == row);
        if (times_walked[row] != (stop ? 1 : 0)) {
            return ::testing::AssertionFailure()
                   << control.name << " is walked " << times_walked[row] << " times";
        }
    }
    for (std::size_t i = 1; i < walk.size(); ++i) {
        const ControlLayout& from = form.controls[walk[i - 1]];
        const ControlLayout& to = form.controls[walk[i]];
        const Bounds a = ClientBounds(form, from);
        const Bounds b = ClientBounds(form, to);
        const bool further_down = b.top > a.top;
        const bool right_on_the_line = b.left > a.left && b.top > a.top - kLineSpan;
        if (!further_down && !right_on_the_line) {
            return ::testing::AssertionFailure()
                   << "Tab goes back from " << from.name << " (" << a.left << ", " << a.top
                   << ") to " << to.name << " (" << b.left << ", " << b.top << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace platform::test
