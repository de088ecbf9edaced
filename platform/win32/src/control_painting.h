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

// Draws a push button with its caption in the given colour.
void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF text_colour);

}  // namespace platform::win32
