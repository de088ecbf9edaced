// Colours of controls: the brushes their parent hands out and the buttons
// whose captions it draws itself.
#pragma once

#include <windows.h>

#include <map>

#include "platform/control_table.h"

namespace platform::win32 {

COLORREF ColourRef(Colour colour);

// Solid brushes, one per colour, alive as long as the cache.
class BrushCache {
  public:
    BrushCache() = default;
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;
    ~BrushCache();

    HBRUSH Of(COLORREF colour);

  private:
    std::map<COLORREF, HBRUSH> brushes_;
};

// Draws a push button with its caption in the given colour: on one line, or
// when it wraps and does not fit on one line, on as many as it needs.
void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF text_colour, bool wraps);

}  // namespace platform::win32
