#include "yeartables/year_tables_file.h"

#include <system_error>

#include "platform/codepage.h"
#include "platform/command_line.h"
#include "platform/text_file.h"
#include "year_line.h"

namespace yeartables {

namespace {

using detail::Joined;

LoadResult Fault(std::u16string message) {
    return {FileYears{}, std::move(message)};
}

}  // namespace

LoadResult ParseYearTables(std::u16string_view text, std::u16string_view file_name) {
    LoadResult result;
    std::size_t start = 0;
    for (long long line_number = 1; start < text.size(); ++line_number) {
        // A line ends at CR LF, a lone CR or a lone LF.
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            end = text.size();
        }
        const std::u16string_view line = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
        if (detail::IsIgnoredLine(line)) {
            continue;
        }
        auto row = detail::ReadYearLine(line, result.years.LastYear() + 1);
        if (auto* what = std::get_if<std::u16string>(&row)) {
            return Fault(Joined({u"年份表文件“", file_name, u"”第 ", DecimalText(line_number),
                                 u" 行有错：", *what, u"。"}));
        }
        result.years.rows.push_back(std::get<YearRow>(row));
    }
    return result;
}

LoadResult ReadYearTablesFile(const std::filesystem::path& file) {
    const std::u16string name = platform::PathText(file);
    std::error_code error;
    const platform::HandWrittenFile read = std::filesystem::is_directory(file, error)
                                               ? platform::HandWrittenFile{}
                                               : platform::ReadHandWrittenFile(file);
    if (read.too_large) {
        return Fault(platform::TooLargeFileMessage(name));
    }
    if (!read.bytes) {
        return Fault(Joined({u"无法读取年份表文件“", name, u"”。"}));
    }
    return ParseYearTables(platform::DecodeTextFile(*read.bytes), name);
}

LoadResult LoadYearTablesBeside(const std::filesystem::path& folder) {
    // A program that cannot tell its own folder reads nothing rather than
    // whatever file of that name the current folder holds.
    if (folder.empty()) {
        return {};
    }
    const std::filesystem::path file = folder / kYearTablesFileName;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return {};
    }
    return ReadYearTablesFile(file);
}

}  // namespace yeartables
