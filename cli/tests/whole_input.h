// A whole input already in memory, decoded as the tools' block reader must
// decode it from a file (ReadInputAsGbk, ReadInputAsUtf16): a malformed
// UTF-8 sequence becomes U+FFFD, a UTF-8 byte-order mark at the start is no
// part of the text, line breaks pass through as they are. The expectation
// of the reader's tests and the tools' input in the tests that run their
// parts in this process.
#pragma once

#include <string>
#include <string_view>

#include "cli/arguments.h"

namespace cli::test {

std::string DecodeAsGbk(std::string_view input, Encoding encoding);
std::u16string DecodeAsUtf16(std::string_view input, Encoding encoding);

}  // namespace cli::test
