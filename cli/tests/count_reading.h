// Reads back what the command-line tools print, independently of the code
// that writes it: CSV by RFC 4180, JSON by its grammar, and the counts a
// report text states.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli::test {

// The rows of RFC 4180 text with LF line ends (the last line ending in
// one); std::runtime_error when it is not such text.
std::vector<std::vector<std::string>> ReadCsv(std::string_view text);

struct JsonValue {
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
    Kind kind = Kind::kNull;
    bool boolean = false;
    std::int64_t number = 0;
    std::string string;  // UTF-8
    std::vector<JsonValue> elements;
    std::vector<std::pair<std::string, JsonValue>> members;  // in their order

    // The member of that name; std::out_of_range when there is none.
    const JsonValue& operator[](std::string_view name) const;
    std::vector<std::string> MemberNames() const;
};

// One JSON value with nothing but white space around it (integers only for
// numbers); std::runtime_error otherwise.
JsonValue ReadJson(std::string_view text);

// (item, count) in order.
using ItemCounts = std::vector<std::pair<std::string, std::int64_t>>;

// The "counts" of one JSON object as the tools write it.
ItemCounts CountsOfJson(const JsonValue& object);

// What a report text (UTF-8, either program's) says: for every item, the
// count of the group it stands in. Title lines are skipped; a continuation
// line belongs to the group above.
std::map<std::string, std::int64_t> ReadReportText(std::string_view text);

}  // namespace cli::test
