// Reading the range boxes Edit1 (start) and Edit2 (end) for the 段数 buttons.
#pragma once

#include <string>
#include <string_view>

namespace kova {

// What one range box yields.
struct RangeValue {
    enum class Kind {
        kNumber,        // `number` is the value
        kNoNumber,      // a value the range cannot use: the click adds nothing
        kNotAnInteger,  // `text` is not an integer: the click ends with the conversion error
    };
    Kind kind = Kind::kNumber;
    int number = 0;
    std::u16string text;
};

// A box beginning with "0" is read by its second character alone (none is
// 0); any other text is read whole. A start below 0 cannot be used.
RangeValue ReadRangeStart(std::u16string_view edit1);
// As the start, except that the end is at most 49 and a whole text below 1
// cannot be used.
RangeValue ReadRangeEnd(std::u16string_view edit2);

// The conversion error's message for a text that is not an integer.
std::u16string ConversionErrorMessage(std::u16string_view text);

}  // namespace kova
