// The names of the options both tools have, and of the words their
// command line gives a meaning.
#pragma once

#include <string_view>

namespace cli::detail {

inline constexpr std::string_view kFormat = "--format";
inline constexpr std::string_view kPretty = "--pretty";
inline constexpr std::string_view kTraditional = "--traditional";
inline constexpr std::string_view kEncoding = "--encoding";
inline constexpr std::string_view kYearTables = "--year-tables";
inline constexpr std::string_view kHelp = "--help";
inline constexpr std::string_view kVersion = "--version";
inline constexpr std::string_view kAll = "all";
inline constexpr std::string_view kEndOfOptions = "--";

}  // namespace cli::detail
