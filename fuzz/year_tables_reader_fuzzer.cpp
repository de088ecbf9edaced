// YearTables.txt of any bytes, as both programs read it. What the reader
// takes are years from 2011 on without gaps, an animal of the twelve and
// every number in one element list; written again and read back they are the
// same rows, and both programs build their tables from them. What it refuses
// is one message on one line, naming the file and a line of the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chgu/year_tables.h"
#include "fuzz_input.h"
#include "kova/year_tables.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "yeartables/year_tables_file.h"

namespace {

constexpr std::u16string_view kFaultStart = u"年份表文件“YearTables.txt”第 ";

// The lines the reader counts: a line ends at CR LF, a lone CR or a lone LF.
std::size_t LineCount(std::u16string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))) {
            ++lines;
        }
    }
    return lines;
}

void CheckFault(std::u16string_view message, std::u16string_view text) {
    FUZZ_CHECK(message.starts_with(kFaultStart) && message.ends_with(u"。"));
    FUZZ_CHECK(message.find_first_of(u"\r\n") == std::u16string_view::npos);
    std::size_t line = 0;
    for (std::size_t i = kFaultStart.size();
         i < message.size() && message[i] >= u'0' && message[i] <= u'9' && line <= text.size();
         ++i) {
        line = line * 10 + static_cast<std::size_t>(message[i] - u'0');
    }
    FUZZ_CHECK(line >= 1 && line <= LineCount(text));
}

void CheckYears(const yeartables::FileYears& years) {
    for (std::size_t i = 0; i < years.rows.size(); ++i) {
        const yeartables::YearRow& row = years.rows[i];
        FUZZ_CHECK(row.year == yeartables::kFirstFileYear + static_cast<int>(i));
        FUZZ_CHECK(row.animal < yeartables::kAnimalNames.size());
        FUZZ_CHECK(std::ranges::all_of(
            row.element, [](std::uint8_t e) { return e < yeartables::kElementNames.size(); }));
    }

    std::u16string again;
    for (const yeartables::YearRow& row : years.rows) {
        again.append(yeartables::FormatYearLine(row)).append(u"\r\n");
    }
    const yeartables::LoadResult reread = yeartables::ParseYearTables(again, u"YearTables.txt");
    FUZZ_CHECK(!reread.fault && reread.years.rows == years.rows);

    const kova::YearTables kova_tables(years);
    const chgu::YearTables chgu_tables(years);
    FUZZ_CHECK(kova_tables.LastYear() == years.LastYear());
    FUZZ_CHECK(chgu_tables.LastYear() == years.LastYear());
    for (const yeartables::YearRow& row : years.rows) {
        const std::u16string year = platform::Utf8ToUtf16(std::to_string(row.year));
        const chgu::TableColumn column = chgu_tables.ColumnOf(year);
        FUZZ_CHECK(column.has_value());
        for (int n = 1; n <= yeartables::kNumberCount; ++n) {
            const std::size_t element = row.element[static_cast<std::size_t>(n - 1)];
            FUZZ_CHECK(kova_tables.ElementOfNumber(n, row.year) == static_cast<int>(element) + 1);
            FUZZ_CHECK((chgu_tables.NumbersOfElement(element, column) & chgu::NumberBit(n)) != 0);
        }
        FUZZ_CHECK(kova_tables.AnimalOfYear(row.year) == row.animal + 1);
        FUZZ_CHECK((chgu_tables.NumbersOfAnimal(row.animal, column) & chgu::NumberBit(1)) != 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::FuzzInput input(data, size);
    const std::u16string text = platform::DecodeTextFile(input.Rest());
    const yeartables::LoadResult read = yeartables::ParseYearTables(text, u"YearTables.txt");
    if (read.fault) {
        FUZZ_CHECK(read.years.rows.empty());
        CheckFault(*read.fault, text);
    } else {
        CheckYears(read.years);
    }
    return 0;
}
