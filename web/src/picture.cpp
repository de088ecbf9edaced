#include "picture.h"

namespace web {

using emscripten::val;

val LabelledPicture(bool numbers, const std::vector<std::u16string>& labels,
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

}  // namespace web
