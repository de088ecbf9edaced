#include "chgu/class_words.h"
#include "chgu/scan.h"
#include "unit_masks.h"
#include "weight_marker.h"

namespace chgu {

// Only two characters act here: 次 after digits sets the weight, and ","
// after two digits adds it to their number. The scan passes over every
// other character, most of a tip text, sixteen at a time.
void CountWeighted(std::u16string_view text, Counts& counts) {
    detail::WeightMarker marker(true);
    detail::ForEachUnitEqualTo(text, u',', u'次', [&](std::size_t i) {
        if (text[i] == u'次') {
            marker.MarkAt(text, i);
        } else if (i >= 2 && IsDigit(text[i - 2]) && IsDigit(text[i - 1])) {
            const int number = DigitValue(text[i - 2]) * 10 + DigitValue(text[i - 1]);
            if (number >= kFirstNumber && number <= kLastNumber) {
                counts[static_cast<std::size_t>(number)] += marker.Weight;
            }
        }
    });
}

}  // namespace chgu
