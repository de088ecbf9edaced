// The check boxes and the drop-down list of program B's windows, which the
// shared window builder does not make: created here as children of a built
// window and laid out at its DPI like the rest of its controls.
#pragma once

#include <windows.h>

#include <vector>

#include "chgu/window/layouts.h"

namespace chgu::win32 {

struct AddedWindow {
    AddedControl row;
    HWND handle = nullptr;
};

// Creates the controls hidden; nullptr handles when Windows refuses.
std::vector<AddedWindow> CreateAddedControls(HWND parent, HINSTANCE instance,
                                             const std::vector<AddedControl>& rows);

// Places, sizes and shows them at the window's DPI, in the font of its other
// controls, above the frames they stand on.
void LayOutAddedControls(HWND parent, const std::vector<AddedWindow>& controls, HFONT font);

}  // namespace chgu::win32
