#include "picture.h"

namespace web {

namespace {

using emscripten::val;

constexpr int kHighestNumber = 49;

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
    for (int number = 1; number <= kHighestNumber; ++number) {
        labels.push_back({static_cast<char16_t>(u'0' + number / 10),
                          static_cast<char16_t>(u'0' + number % 10)});
    }
    return Picture(true, labels, counts.subspan(1, kHighestNumber));
}

val ClassPicture(const std::vector<std::u16string>& labels, std::span<const std::int64_t> counts) {
    return Picture(false, labels, counts);
}

}  // namespace web
