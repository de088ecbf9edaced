#include "platform/control_table.h"

#include <algorithm>

namespace platform {

Bounds ClientBounds(const FormLayout& form, const ControlLayout& control) {
    Bounds bounds = control.bounds;
    if (!control.within.empty()) {
        const auto frame =
            std::find_if(form.controls.begin(), form.controls.end(),
                         [&](const ControlLayout& c) { return c.name == control.within; });
        if (frame != form.controls.end()) {
            const Bounds origin = ClientBounds(form, *frame);
            bounds.left += origin.left;
            bounds.top += origin.top;
        }
    }
    return bounds;
}

}  // namespace platform
