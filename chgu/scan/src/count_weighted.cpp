#include "chgu/class_words.h"
#include "chgu/scan.h"
#include "weight_marker.h"

namespace chgu {

void CountWeighted(std::u16string_view text, Counts& counts) {
    detail::WeightMarker marker(true);
    // The last position is not visited: no number and comma can start there.
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        marker.Step(text[i]);
        if (i + 2 < text.size() && IsDigit(text[i]) && IsDigit(text[i + 1]) &&
            text[i + 2] == u',') {
            const int number = DigitValue(text[i]) * 10 + DigitValue(text[i + 1]);
            if (number >= kFirstNumber && number <= kLastNumber) {
                counts[static_cast<std::size_t>(number)] += marker.Weight;
            }
        }
    }
}

}  // namespace chgu
