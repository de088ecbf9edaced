// What the handlers of the main window Form1 see of it beyond the controls
// the engine's handlers use: the range box Text5, the clipboard and the
// number page. The real window implements it over Win32 controls; the tests
// over values in memory.
#pragma once

#include <string>
#include <string_view>

#include "chgu/form1_controls.h"

namespace chgu {

class MainWindow : public Form1Controls {
  public:
    // The range box beside "段".
    virtual std::u16string Text5() const = 0;
    virtual void FocusText5() = 0;

    // Empties the clipboard, then puts text on it as Unicode text.
    virtual void PutOnClipboard(std::u16string_view text) = 0;

    // Creates the number page Form2 if it is not open, shows it and brings it
    // to the front.
    virtual void ShowNumberPage() = 0;
};

}  // namespace chgu
