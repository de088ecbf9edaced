#include "table_year_choice.h"

#include "platform/codepage.h"

namespace chgu::cli {

std::u16string ChooseTableYear(const CliOptions& options, const ChangeDateStore& store,
                               CivilDate today) {
    if (options.table_year) {
        return platform::Utf8ToUtf16(*options.table_year);
    }
    const std::u16string stored = ReadChangeDate(store);
    return TableYearFromChangeDate(stored.empty() ? kDesignChangeDate : stored, today);
}

}  // namespace chgu::cli
