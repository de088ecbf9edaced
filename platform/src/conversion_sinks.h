// Where a reader puts the characters it decodes: as UTF-16 units, or at once
// as their UTF-8 or code page 936 bytes, so that every conversion is one
// pass over its input. A sink writes at `out` and moves it past what it
// wrote; it may store kOutSlack units beyond. The readers' inner loops work
// on a copy of their sink: `out` then stays in a register, where the sink
// itself, which the bytes written could alias, would be read and written
// in memory for every character.
//
// The UTF-8 and code page 936 sinks look each unit's bytes up in a table
// that holds them as they lie in the output, with their count, and store
// them whole: one load and one store, and no branch on the unit's kind,
// which in a tip text alternates too irregularly for prediction.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>

#include "cp936_steps.h"

namespace platform::detail {

struct Utf16Sink {
    using Unit = char16_t;
    // Units written per character, at most.
    static constexpr std::size_t kMostPerCharacter = 2;

    char16_t* out;

    void Put(char16_t c) { *out++ = c; }
    // A character past the BMP.
    void PutBeyond(char32_t cp) {
        cp -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
    template <typename Ascii>
    void PutAscii(const Ascii* ascii, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k)
            out[k] = static_cast<char16_t>(ascii[k]);
        out += count;
    }
};

// What the sinks of bytes share: ASCII, from either kind of text, is copied.
struct ByteSink {
    using Unit = char;

    char* out;

    template <typename Ascii>
    void PutAscii(const Ascii* ascii, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k)
            out[k] = static_cast<char>(ascii[k]);
        out += count;
    }
};

// Each BMP unit's UTF-8 bytes in order, and their count last.
using Utf8Form = std::array<char, 4>;
using Utf8Forms = std::array<Utf8Form, 0x10000>;
const Utf8Forms& TheUtf8Forms();

struct Utf8Sink : ByteSink {
    static constexpr std::size_t kMostPerCharacter = 4;

    const Utf8Forms& forms = TheUtf8Forms();

    void Put(char16_t c) {
        const Utf8Form& form = forms[c];
        std::memcpy(out, form.data(), form.size());
        out += form[3];
    }
    void PutBeyond(char32_t cp) {
        out[0] = static_cast<char>(0xF0 | cp >> 18);
        out[1] = static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out[3] = static_cast<char>(0x80 | (cp & 0x3F));
        out += 4;
    }
};

struct Cp936Sink : ByteSink {
    static constexpr std::size_t kMostPerCharacter = 2;

    const Cp936Steps& steps = TheCp936Steps();

    void Put(char16_t c) {
        const std::array<char, 2>& form = steps.form_of[c];
        std::memcpy(out, form.data(), form.size());
        // 1 for a trail byte, which is never zero: arithmetic, which
        // compilers do not turn into a branch as they would a comparison.
        out += 1 + ((static_cast<unsigned char>(form[1]) + 0xFFu) >> 8);
    }
    // No character past the BMP has a code page 936 form.
    void PutBeyond(char32_t) { *out++ = '?'; }
};

}  // namespace platform::detail
