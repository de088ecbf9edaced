// What both command-line tools do around their statistics: whole-stream
// input and output in binary, so that CR LF and code page 936 bytes pass
// unchanged on every platform, and errors as one line on standard error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The exit status of every usage and I/O error.
inline constexpr int kUsageError = 2;

// Puts standard input and output in binary mode (a no-op outside Windows).
void UseBinaryStandardStreams();

// The whole content of a file, or of standard input when path is absent.
// On failure returns nothing and sets error to a one-line reason:
// "cannot open 'f': reason", "cannot read 'f': reason" or
// "cannot read standard input: reason".
std::optional<std::string> ReadWholeInput(const std::optional<std::string>& path,
                                          std::string& error);

// A UTF-8 byte-order mark at the start is no part of the text.
std::string_view WithoutByteOrderMark(std::string_view utf8);

// Writes bytes to standard output and flushes; false when that fails.
bool WriteStandardOutput(std::string_view bytes);

// Prints "tool: message" on standard error: a notice that leaves the run
// as it is.
void Notify(std::string_view tool, std::string_view message);

// Prints "tool: message" on standard error and gives kUsageError.
int Fail(std::string_view tool, std::string_view message);

// Writes text to standard output; a failed write is the error "cannot write
// standard output". A notice for standard error follows a text written, so
// that an error stays the one line of a failed run. Gives the exit status.
int Print(std::string_view tool, std::string_view text,
          const std::optional<std::string>& notice = std::nullopt);

}  // namespace cli
