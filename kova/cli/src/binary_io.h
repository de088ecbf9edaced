// Whole-stream input and output in binary, so that CR LF and code page 936
// bytes pass unchanged on every platform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kova::cli {

// Puts standard input and output in binary mode (a no-op outside Windows).
void UseBinaryStandardStreams();

// The whole content of a file, or of standard input when path is absent.
// On failure returns nothing and sets error to a one-line reason.
std::optional<std::string> ReadWholeInput(const std::optional<std::string>& path,
                                          std::string& error);

// Writes bytes to standard output and flushes; false when that fails.
bool WriteStandardOutput(std::string_view bytes);

}  // namespace kova::cli
