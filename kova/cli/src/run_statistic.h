#pragma once

#include <string>
#include <string_view>

#include "cli_options.h"

namespace kova::cli {

// The bytes kova-cli prints for an input: the text of the output box in the
// chosen encoding. With UTF-8 the input is decoded and converted to code
// page 936 first; a leading byte order mark is not part of the text.
std::string RunStatistic(const CliOptions& options, std::string_view input);

}  // namespace kova::cli
