#include "character_class.h"
#include "chgu/class_words.h"
#include "chgu/scan.h"
#include "weight_marker.h"

namespace chgu {

void CountWeighted(std::u16string_view text, Counts& counts) {
    detail::WeightMarker marker(true);
    const detail::ClassTable& classes = detail::CharacterClasses();
    // The last position is not visited: no number and comma can start there.
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const detail::CharacterClass ch = classes[text[i]];
        marker.Step(ch);
        // The comma is the rarest of the three characters, so it is tested
        // first.
        if (i + 2 < text.size() && text[i + 2] == u',' && ch.Is(detail::Family::Digit) &&
            IsDigit(text[i + 1])) {
            const int number = ch.index * 10 + DigitValue(text[i + 1]);
            if (number >= kFirstNumber && number <= kLastNumber) {
                counts[static_cast<std::size_t>(number)] += marker.Weight;
            }
        }
    }
}

}  // namespace chgu
