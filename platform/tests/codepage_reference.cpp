#include "codepage_reference.h"

#include <cstdint>

#include "cp936_table.h"
#include "platform/codepage.h"

namespace platform::reference {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Reads one code point from UTF-8 at pos and advances pos. An invalid
// sequence yields U+FFFD and consumes its maximal valid prefix (at least one
// byte), so the bytes after it are read as they are.
char32_t NextUtf8(std::string_view s, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int length = 0;
    char32_t cp = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        cp = b0 & 0x0F;
        if (b0 == 0xE0) low = 0xA0;   // overlong
        if (b0 == 0xED) high = 0x9F;  // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        cp = b0 & 0x07;
        if (b0 == 0xF0) low = 0x90;   // overlong
        if (b0 == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        ++pos;
        return kReplacement;
    }
    ++pos;
    for (int i = 1; i < length; ++i) {
        if (pos >= s.size()) {
            return kReplacement;
        }
        const unsigned char b = byte(pos);
        if (b < low || b > high) {
            return kReplacement;
        }
        low = 0x80;
        high = 0xBF;
        cp = (cp << 6) | (b & 0x3F);
        ++pos;
    }
    return cp;
}

// Reads one code point from UTF-16; an unpaired surrogate yields U+FFFD.
char32_t NextUtf16(std::u16string_view s, size_t& pos) {
    const char16_t c = s[pos++];
    if (c < 0xD800 || c > 0xDFFF) {
        return c;
    }
    if (c <= 0xDBFF && pos < s.size() && s[pos] >= 0xDC00 && s[pos] <= 0xDFFF) {
        const char16_t low = s[pos++];
        return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (low - 0xDC00);
    }
    return kReplacement;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

void AppendGbk(std::string& out, const detail::Cp936Table& table, char32_t cp) {
    if (cp == 0) {
        out.push_back('\0');
        return;
    }
    const std::uint16_t code = cp < 0x10000 ? table.encode[cp] : 0;
    if (code == 0) {
        out.push_back('?');
    } else if (code < 0x100) {
        out.push_back(static_cast<char>(code));
    } else {
        out.push_back(static_cast<char>(code >> 8));
        out.push_back(static_cast<char>(code & 0xFF));
    }
}

// Reads one character of code page 936 text. A lead byte whose pair is not a
// character yields U+FFFD; it takes its second byte with it only when that
// byte could not start a character of its own (so an ASCII byte after a
// stray lead byte survives).
char16_t NextGbk(std::string_view s, size_t& pos, const detail::Cp936Table& table) {
    const unsigned char b0 = static_cast<unsigned char>(s[pos++]);
    if (b0 < 0x80) {
        return b0;
    }
    if (const char16_t single = table.single[b0 - 0x80]; single != 0) {
        return single;
    }
    if (b0 == 0xFF || pos >= s.size()) {
        return kReplacementCharacter;
    }
    const unsigned char b1 = static_cast<unsigned char>(s[pos]);
    if (b1 < 0x40 || b1 == 0x7F || b1 == 0xFF) {
        return kReplacementCharacter;
    }
    ++pos;
    const char16_t c = table.pair[((b0 - 0x80) << 8) | b1];
    return c != 0 ? c : kReplacementCharacter;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        AppendUtf16(out, NextUtf8(utf8, pos));
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3 / 2);
    for (size_t pos = 0; pos < utf16.size();) {
        AppendUtf8(out, NextUtf16(utf16, pos));
    }
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    const auto& table = detail::TheCp936Table();
    std::string out;
    out.reserve(utf16.size() * 2);
    for (size_t pos = 0; pos < utf16.size();) {
        AppendGbk(out, table, NextUtf16(utf16, pos));
    }
    return out;
}

std::u16string GbkToUtf16(std::string_view gbk) {
    const auto& table = detail::TheCp936Table();
    std::u16string out;
    out.reserve(gbk.size());
    for (size_t pos = 0; pos < gbk.size();) {
        out.push_back(NextGbk(gbk, pos, table));
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    const auto& table = detail::TheCp936Table();
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        AppendGbk(out, table, NextUtf8(utf8, pos));
    }
    return out;
}

std::string GbkToUtf8(std::string_view gbk) {
    const auto& table = detail::TheCp936Table();
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (size_t pos = 0; pos < gbk.size();) {
        AppendUtf8(out, NextGbk(gbk, pos, table));
    }
    return out;
}

}  // namespace platform::reference
