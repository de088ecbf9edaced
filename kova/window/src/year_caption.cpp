#include "year_caption.h"

#include <string>

#include "kova/tables.h"
#include "platform/codepage.h"

namespace kova {

std::optional<std::u16string> YearCaption(int year, const YearTables& tables) {
    if (year < tables.FirstYear() || year > tables.LastYear()) {
        return std::nullopt;
    }
    const std::string_view animal =
        ZodiacNames[static_cast<std::size_t>(tables.AnimalOfYear(year) - 1)];
    const std::string digits = std::to_string(year);
    std::u16string caption = u" ";
    caption.append(digits.begin(), digits.end());
    caption.append(u"(").append(platform::GbkToUtf16(animal)).append(u")年");
    return caption;
}

}  // namespace kova
