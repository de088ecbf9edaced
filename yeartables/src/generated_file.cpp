#include "platform/codepage.h"
#include "yeartables/standard_rules.h"
#include "yeartables/year_tables_file.h"

namespace yeartables {

namespace {

constexpr std::string_view kHeader[] = {
    "# 年份表：2011 年以后每年的生肖和五行号码，墨川统计器和澄观统计器都读它。",
    "# 每行一年：年份|01 号的生肖|金:号码|木:号码|水:号码|火:号码|土:号码",
    "# 年份从 2011 年起逐年连续；每个号码 01 到 49 正好在一个五行里。",
    "# 2003 到 2010 年用程序内置的表。要加一年，照同样的格式在最后加一行。",
    "# 以“#”开头的行和空行不算。",
};

}  // namespace

std::string GeneratedYearTables(int first, int last) {
    std::string text = "\xEF\xBB\xBF";
    for (std::string_view line : kHeader) {
        text.append(line).append("\r\n");
    }
    for (int year = first; year <= last; ++year) {
        text.append(platform::Utf16ToUtf8(FormatYearLine(StandardYearRow(year)))).append("\r\n");
    }
    return text;
}

}  // namespace yeartables
