// cp936-walk: every single byte 0x80..0xFF and every double-byte code of
// code page 936 with the character it decodes to.
//
//   cp936-walk [--system] [--source]
//
// --system  the operating system's converter (on Windows
//           MultiByteToWideChar with MB_ERR_INVALID_CHARS, the reference);
//           without it, the programs' own conversion.
// --source  the walk as the C++ source of platform/src/cp936_data.cpp;
//           without it, one line per code, "8140 4E02", "-" for a code that
//           is no character.
//
// On Windows, `cp936-walk --system --source > platform/src/cp936_data.cpp`
// writes the table that every build uses.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "../src/cp936_data.h"
#include "../src/cp936_system.h"
#include "platform/codepage.h"
#include "platform/command_line.h"

namespace {

using platform::detail::IsTrailByte;

struct Code {
    unsigned code;       // a byte, or lead << 8 | trail
    char16_t character;  // 0: not a character
};

char16_t OwnDecode(const unsigned char* bytes, int count) {
    const std::u16string text =
        platform::GbkToUtf16(std::string_view(reinterpret_cast<const char*>(bytes), count));
    return text.size() == 1 && text[0] != platform::kReplacementCharacter ? text[0] : 0;
}

std::vector<Code> Walk(bool system) {
    const auto decode = system ? platform::detail::SystemDecodeCp936 : OwnDecode;
    std::vector<Code> codes;
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        const unsigned char bytes[1] = {static_cast<unsigned char>(byte)};
        codes.push_back({byte, decode(bytes, 1)});
    }
    for (unsigned lead = platform::detail::kFirstLeadByte; lead <= platform::detail::kLastLeadByte;
         ++lead) {
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            if (IsTrailByte(trail)) {
                const unsigned char bytes[2] = {static_cast<unsigned char>(lead),
                                                static_cast<unsigned char>(trail)};
                codes.push_back({lead << 8 | trail, decode(bytes, 2)});
            }
        }
    }
    return codes;
}

std::string Hex(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string Listing(const std::vector<Code>& codes) {
    std::string out;
    for (const Code& code : codes) {
        out += Hex(code.code, 4) + ' ' + (code.character ? Hex(code.character, 4) : "-") + '\n';
    }
    return out;
}

constexpr std::string_view kSourceHead =
    "// Written by cp936-walk --system --source on Windows (see cp936_data.h):\n"
    "// MultiByteToWideChar(936, MB_ERR_INVALID_CHARS) of every code. Do not edit.\n"
    "#include \"cp936_data.h\"\n"
    "\n"
    "namespace platform::detail {\n"
    "\n"
    "// clang-format off\n";

constexpr std::size_t kValuesPerLine = 12;

// Characters as rows of hex values, every row in braces after a comment
// naming its first byte.
std::string SourceRows(const std::vector<Code>& codes, std::size_t row_length) {
    std::string out;
    for (std::size_t row = 0; row < codes.size(); row += row_length) {
        out += "    // " + Hex(codes[row].code > 0xFF ? codes[row].code >> 8 : codes[row].code, 2) +
               "\n    {";
        for (std::size_t i = 0; i < row_length; ++i) {
            if (i > 0) {
                out += i % kValuesPerLine == 0 ? ",\n     " : ", ";
            }
            out += "0x" + Hex(codes[row + i].character, 4);
        }
        out += "},\n";
    }
    return out;
}

std::string Source(const std::vector<Code>& codes) {
    const std::vector<Code> singles(codes.begin(), codes.begin() + 0x80);
    const std::vector<Code> pairs(codes.begin() + 0x80, codes.end());
    std::string out(kSourceHead);
    out += "const std::array<char16_t, 0x80> kCp936SingleBytes = {\n";
    out += SourceRows(singles, singles.size());
    out += "};\n\nconst Cp936DoubleBytes kCp936DoubleBytes = {{\n";
    out += SourceRows(pairs, platform::detail::kTrailsPerLead);
    out += "}};\n// clang-format on\n\n}  // namespace platform::detail\n";
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    bool system = false;
    bool source = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--system") {
            system = true;
        } else if (argument == "--source") {
            source = true;
        } else {
            std::fprintf(stderr, "usage: cp936-walk [--system] [--source]\n");
            return 2;
        }
    }
    platform::UseBinaryStandardStreams();
    const std::vector<Code> codes = Walk(system);
    const std::string out = source ? Source(codes) : Listing(codes);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "cp936-walk: cannot write standard output\n");
        return 2;
    }
    return 0;
}
