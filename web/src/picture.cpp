#include "picture.h"

#include "yeartables/numbers.h"

namespace web {

namespace {

using yeartables::kFirstNumber;
using yeartables::kLastNumber;

using emscripten::val;


val Picture(bool numbers, const std::vector<std::u16string>& labels,
            std::span<const std::int64_t> counts) {
    val picture = val::object();
    val label_array = val::array();
    val count_array = val::array();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        label_array.call<void>("push", labels[i]);
        // Counts stay far below 2^53, where a JavaScript number is exact.
        count_array.call<void>("push", static_cast<double>(counts[i]));
    }
    picture.set("numbers", numbers);
    picture.set("labels", label_array);
    picture.set("counts", count_array);
    return picture;
}

}  // namespace

val NumberPicture(std::span<const std::int64_t> counts) {
    std::vector<std::u16string> labels;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        labels.push_back(yeartables::TwoDigitText<char16_t>(number));
    }
    return Picture(true, labels, counts.subspan(1, kLastNumber));
}

val ClassPicture(const std::vector<std::u16string>& labels, std::span<const std::int64_t> counts) {
    return Picture(false, labels, counts);
}

}  // namespace web
