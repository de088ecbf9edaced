// Code page 936 walked code by code against the system's own converter. On
// Windows (and Wine, which stands in for it here) the programs' table is the
// system's exactly, in both directions; glibc's iconv has no character for
// the codes of the user-defined areas, where the table keeps the private-use
// characters Windows gives them.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "cp936_data.h"
#include "cp936_system.h"
#include "platform/codepage.h"

namespace {

using platform::detail::SystemDecodeCp936;
using platform::detail::SystemEncodeCp936;

struct Code {
    unsigned code;  // a byte, or lead << 8 | trail
    std::string bytes;
};

std::vector<Code> EveryCode() {
    std::vector<Code> codes;
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        codes.push_back({byte, std::string(1, static_cast<char>(byte))});
    }
    for (unsigned lead = platform::detail::kFirstLeadByte; lead <= platform::detail::kLastLeadByte;
         ++lead) {
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            if (platform::detail::IsTrailByte(trail)) {
                codes.push_back(
                    {lead << 8 | trail, {static_cast<char>(lead), static_cast<char>(trail)}});
            }
        }
    }
    return codes;
}

// The character the programs read for a code; 0 when it is none.
char16_t OwnDecode(const std::string& bytes) {
    const std::u16string text = platform::GbkToUtf16(bytes);
    return text.size() == 1 && text[0] != platform::kReplacementCharacter ? text[0] : 0;
}

// The code the programs write for a character; 0 when it has none ("?").
unsigned OwnEncode(char16_t c) {
    const std::string bytes = platform::Utf16ToGbk(std::u16string(1, c));
    if (bytes == "?" && c != u'?') {
        return 0;
    }
    unsigned code = 0;
    for (const char b : bytes) {
        code = code << 8 | static_cast<unsigned char>(b);
    }
    return code;
}

bool IsPrivateUse(char16_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
}

#ifdef _WIN32
constexpr bool kSystemIsTheReference = true;
// WideCharToMultiByte writes U+F8F5 as the byte 0xFF, which
// MultiByteToWideChar refuses to read back: the programs write it as "?".
constexpr char16_t kWrittenButNeverRead = 0xF8F5;
#else
constexpr bool kSystemIsTheReference = false;
constexpr char16_t kWrittenButNeverRead = 0;
#endif

}  // namespace

TEST(Cp936Table, EveryCodeReadsAsTheSystemReadsIt) {
    int private_use_where_the_system_has_none = 0;
    for (const Code& code : EveryCode()) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(code.bytes.data());
        const char16_t system = SystemDecodeCp936(bytes, static_cast<int>(code.bytes.size()));
        const char16_t own = OwnDecode(code.bytes);
        if (system != 0 || code.bytes.size() == 1) {
            EXPECT_EQ(own, system) << std::hex << code.code;
        } else {
            EXPECT_TRUE(IsPrivateUse(own)) << std::hex << code.code << " reads as " << +own;
            ++private_use_where_the_system_has_none;
        }
    }
    if (kSystemIsTheReference) {
        EXPECT_EQ(private_use_where_the_system_has_none, 0);
    }
}

TEST(Cp936Table, EveryCharacterWritesAsTheSystemWritesIt) {
    std::set<unsigned> codes_written;
    for (const Code& code : EveryCode()) {
        if (const char16_t c = OwnDecode(code.bytes); c != 0) {
            EXPECT_EQ(OwnEncode(c), code.code) << std::hex << +c;
            codes_written.insert(code.code);
        }
    }
    for (unsigned c = 1; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        const auto character = static_cast<char16_t>(c);
        const unsigned system = SystemEncodeCp936(character);
        const unsigned own = OwnEncode(character);
        if (character == kWrittenButNeverRead) {
            EXPECT_EQ(own, 0u);
        } else if (system != 0 || kSystemIsTheReference || !IsPrivateUse(character)) {
            EXPECT_EQ(own, system) << std::hex << c;
        } else {
            EXPECT_TRUE(own == 0 || codes_written.contains(own)) << std::hex << c;
        }
    }
}
