// What both command-line tools do around their statistics: input and
// output in binary, so that CR LF and code page 936 bytes pass
// unchanged on every platform, and errors as one line on standard error.
#pragma once

#include <cstddef>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/arguments.h"

namespace cli {

// The exit status of every usage and I/O error.
inline constexpr int kUsageError = 2;

// The input read in blocks of `block_bytes` and converted as it comes, so
// that a large file is never held twice: as code page 936 for program A, as
// UTF-16 for program B; standard input when path is absent. A UTF-8 input
// loses its byte-order mark; an input that starts with a UTF-16 byte-order
// mark, or any with Encoding::kUtf16, is read as UTF-16. When the input
// cannot be read, nothing, and error is set to a one-line reason: "cannot
// open 'f': reason", "cannot read 'f': reason" or "cannot read standard
// input: reason". A text that holds a NUL character is such an input: no
// tip text holds one, and a window's box could not, while UTF-16 without a
// byte-order mark read as UTF-8 holds one after every ASCII character.
inline constexpr std::size_t kInputBlockBytes = std::size_t{1} << 20;
std::optional<std::string> ReadInputAsGbk(const std::optional<std::string>& path, Encoding encoding,
                                          std::string& error,
                                          std::size_t block_bytes = kInputBlockBytes);
std::optional<std::u16string> ReadInputAsUtf16(const std::optional<std::string>& path,
                                               Encoding encoding, std::string& error,
                                               std::size_t block_bytes = kInputBlockBytes);

// Writes bytes to standard output and flushes; false when that fails.
bool WriteStandardOutput(std::string_view bytes);

// Prints "tool: message" on standard error: a notice that leaves the run
// as it is.
void Notify(std::string_view tool, std::string_view message);

// Prints "tool: message" on standard error and gives kUsageError.
int Fail(std::string_view tool, std::string_view message);

// Prints "tool: out of memory" on standard error without asking for memory,
// and gives kUsageError.
int FailOutOfMemory(std::string_view tool);

// A tool's run: steps() gives the exit status. Memory that runs out
// (std::bad_alloc) or a resource of the system that cannot be had
// (std::system_error) ends the run with one line on standard error and
// kUsageError; the steps print their output last, so nothing stands on
// standard output then.
template <typename Steps>
int RunCatchingExhaustion(std::string_view tool, Steps steps) {
    try {
        return steps();
    } catch (const std::bad_alloc&) {
        return FailOutOfMemory(tool);
    } catch (const std::system_error& error) {
        return Fail(tool, error.what());
    }
}

// Writes text to standard output; a failed write is the error "cannot write
// standard output". A notice for standard error follows a text written, so
// that an error stays the one line of a failed run. Gives the exit status.
int Print(std::string_view tool, std::string_view text,
          const std::optional<std::string>& notice = std::nullopt);

}  // namespace cli
