// The folder the page's two programs read their files from, as kova.exe
// and chgu.exe read theirs beside them: YearTables.txt, the user's own or
// the tables of 2011..2040 that the build generated, and Define.txt when
// the user has given one. It lives in the module's memory; the page keeps
// the user's files in the browser's storage and puts them back at every
// start.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace web {

std::filesystem::path ProgramFolder();

// The first and last year of the tables the page has without a file of the
// user's: the built-in years and those the build generated.
struct YearSpan {
    int first = 0, last = 0;
};
YearSpan BuiltInYears();

// A file the user gave (YearTables.txt or Define.txt, as bytes), in place
// of the folder's own; false when it cannot be written.
bool PutUserFile(std::string_view name, std::string_view bytes);
// Back to the folder's own file: the generated YearTables.txt, no
// Define.txt.
void RemoveUserFile(std::string_view name);

// The message of a year-tables file that cannot be used, naming it as
// file_name, as the programs give it for theirs; nothing when it is sound.
std::optional<std::u16string> YearTablesFault(std::string_view bytes,
                                              std::u16string_view file_name);

}  // namespace web
