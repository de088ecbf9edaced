#include "table_year_choice.h"

#include <algorithm>

#include "platform/codepage.h"
#include "statistic_choice.h"

namespace chgu::cli {

TableYearChoice ChooseTableYear(const CliOptions& options, const YearTables& tables,
                                const ChangeDateStore& store, platform::LocalDate today) {
    if (options.table_year) {
        return {platform::Utf8ToUtf16(*options.table_year), {}};
    }
    const std::u16string change_date =
        options.change_date ? platform::Utf8ToUtf16(*options.change_date) : ReadChangeDate(store);
    const bool none_stored = !options.change_date && change_date.empty();
    TableYearChoice choice{
        TableYearFromChangeDate(none_stored ? kDesignChangeDate : change_date, today), {}};
    const bool reads_tables = std::any_of(options.statistics.begin(), options.statistics.end(),
                                          [&options](std::size_t statistic) {
                                              return ReadsTheTables(statistic, options.cumulative);
                                          });
    const std::string year = platform::Utf16ToUtf8(choice.TableYear);
    if (reads_tables && none_stored) {
        choice.notice = "no change date stored: counting with table year " + year + " of " +
                        platform::Utf16ToUtf8(kDesignChangeDate) +
                        " (see --change-date and --save-change-date)";
    } else if (reads_tables && !tables.ColumnOf(choice.TableYear)) {
        choice.notice = "no zodiac and element tables for table year " + year +
                        ": animals and elements name no number (see --table-year and "
                        "--year-tables)";
    }
    return choice;
}

bool SaveChangeDate(const CliOptions& options, ChangeDateStore& store) {
    return !options.save_change_date ||
           WriteChangeDate(store, platform::Utf8ToUtf16(*options.save_change_date));
}

}  // namespace chgu::cli
