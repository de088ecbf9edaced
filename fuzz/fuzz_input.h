// What every fuzz target shares: reading settings and text out of the
// fuzzer's bytes, and a check that stops the run with a readable reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// A failed invariant is a finding: print it and abort, so that libFuzzer
// keeps the input as a crash.
[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition)                             \
    do {                                                  \
        if (!(condition)) {                               \
            ::fuzz::Fail(#condition, __FILE__, __LINE__); \
        }                                                 \
    } while (false)

// Takes setting bytes from the front of the input; the rest is the text.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    // The next byte, or 0 once the input is used up.
    std::uint8_t TakeByte() {
        if (bytes_.empty()) {
            return 0;
        }
        const auto byte = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return byte;
    }

    // Up to count bytes as they stand.
    std::string_view TakeBytes(std::size_t count) {
        const std::string_view taken = bytes_.substr(0, count);
        bytes_.remove_prefix(taken.size());
        return taken;
    }

    std::string_view Rest() const { return bytes_; }

    // The rest as UTF-16 code units, little-endian pairs; any unit goes,
    // unpaired surrogates included. An odd last byte is dropped.
    std::u16string RestAsUtf16() const {
        std::u16string units(bytes_.size() / 2, u'\0');
        for (std::size_t i = 0; i < units.size(); ++i) {
            units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes_[2 * i]) |
                                             static_cast<std::uint8_t>(bytes_[2 * i + 1]) << 8);
        }
        return units;
    }

  private:
    std::string_view bytes_;
};

}  // namespace fuzz
