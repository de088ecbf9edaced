#include "cli_run.h"

#include "chgu/command2.h"
#include "platform/codepage.h"
#include "platform/command_line.h"

namespace chgu::cli {

std::u16string DecodeInput(std::string_view bytes, Encoding encoding) {
    return encoding == Encoding::Gbk ? platform::GbkToUtf16(bytes) : platform::Utf8ToUtf16(bytes);
}

std::string EncodeOutput(std::u16string_view text, Encoding encoding) {
    return encoding == Encoding::Gbk ? platform::Utf16ToGbk(text) : platform::Utf16ToUtf8(text);
}

std::u16string TableYearOf(const Options& options, const ChangeDateStore& store, CivilDate today) {
    if (options.table_year) {
        return platform::Utf8ToUtf16(*options.table_year);
    }
    const std::u16string stored = ReadChangeDate(store);
    return TableYearFromChangeDate(stored.empty() ? kDesignChangeDate : stored, today);
}

yeartables::LoadResult ReadYearTables(const Options& options) {
    if (!options.year_tables) {
        return {};
    }
    return yeartables::ReadYearTablesFile(platform::PathFromArgument(*options.year_tables));
}

std::u16string OutputText(const Options& options, std::u16string_view text,
                          std::u16string_view TableYear) {
    return OutputText(options, text, TableYear, YearTables::BuiltIn());
}

std::u16string OutputText(const Options& options, std::u16string_view text,
                          std::u16string_view TableYear, const YearTables& tables) {
    const PressSettings settings{{TableYear, options.skip_brackets, options.cumulative, &tables},
                                 options.long_lines};
    std::int16_t InBracket = 0;
    return Text2AfterPress(options.Index, text, settings, InBracket).value_or(std::u16string());
}

}  // namespace chgu::cli
