// The conversions between UTF-8, UTF-16 and code page 936 on any input. None
// fails; every output is well formed in its own encoding, so that converting
// it on and back again changes nothing, and well-formed input passes whole.
// Each conversion gives, byte for byte, what the converters first written one
// character at a time give, and what the system's own converter (iconv)
// gives wherever it converts the input without a fault: iconv refuses what
// is malformed, and code page 936 codes that it has no character for, where
// the literal model alone decides.
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "codepage_reference.h"
#include "fuzz_input.h"
#include "platform/codepage.h"

namespace {

bool HasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

// The encodings as iconv names them; UTF-16 as the bytes of its units.
enum class Encoding { kUtf8, kUtf16, kCp936 };

const char* IconvName(Encoding encoding) {
    switch (encoding) {
        case Encoding::kUtf8:
            return "UTF-8";
        case Encoding::kUtf16:
            return "UTF-16LE";
        case Encoding::kCp936:
            return "CP936";
    }
    return "";
}

std::string BytesOf(std::u16string_view units) {
    std::string bytes;
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::u16string UnitsOf(std::string_view bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return units;
}

// What iconv makes of the input, or nothing where it refuses any of it.
std::optional<std::string> SystemConversion(Encoding from, Encoding to, std::string_view input) {
    static iconv_t converters[3][3] = {};
    iconv_t& converter = converters[static_cast<int>(from)][static_cast<int>(to)];
    if (converter == nullptr) {
        converter = iconv_open(IconvName(to), IconvName(from));
        FUZZ_CHECK(converter != reinterpret_cast<iconv_t>(-1));
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string output(4 * input.size() + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    const bool converted =
        iconv(converter, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1) &&
        iconv(converter, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1);
    if (!converted) {
        return std::nullopt;
    }
    output.resize(output.size() - out_left);
    return output;
}

// The fast conversion against the literal model, and against iconv where
// iconv converts.
template <typename Fast, typename Model>
void CheckConversion(Encoding from, Encoding to, std::string_view input_bytes, Fast fast,
                     Model model) {
    const auto converted = fast();
    FUZZ_CHECK(converted == model());
    if (const auto system = SystemConversion(from, to, input_bytes)) {
        if constexpr (std::is_same_v<decltype(converted), const std::u16string>) {
            FUZZ_CHECK(converted == UnitsOf(*system));
        } else {
            FUZZ_CHECK(converted == *system);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace reference = platform::reference;
    const fuzz::FuzzInput input(data, size);
    const std::string_view bytes = input.Rest();
    const std::u16string units = input.RestAsUtf16();
    const std::string unit_bytes = BytesOf(units);

    CheckConversion(
        Encoding::kUtf8, Encoding::kUtf16, bytes, [&] { return platform::Utf8ToUtf16(bytes); },
        [&] { return reference::Utf8ToUtf16(bytes); });
    CheckConversion(
        Encoding::kUtf16, Encoding::kUtf8, unit_bytes, [&] { return platform::Utf16ToUtf8(units); },
        [&] { return reference::Utf16ToUtf8(units); });
    CheckConversion(
        Encoding::kCp936, Encoding::kUtf16, bytes, [&] { return platform::GbkToUtf16(bytes); },
        [&] { return reference::GbkToUtf16(bytes); });
    CheckConversion(
        Encoding::kUtf16, Encoding::kCp936, unit_bytes, [&] { return platform::Utf16ToGbk(units); },
        [&] { return reference::Utf16ToGbk(units); });
    CheckConversion(
        Encoding::kUtf8, Encoding::kCp936, bytes, [&] { return platform::Utf8ToGbk(bytes); },
        [&] { return reference::Utf8ToGbk(bytes); });
    CheckConversion(
        Encoding::kCp936, Encoding::kUtf8, bytes, [&] { return platform::GbkToUtf8(bytes); },
        [&] { return reference::GbkToUtf8(bytes); });

    // UTF-16 to UTF-8 and back keeps every well-formed text whole.
    const std::string utf8 = platform::Utf16ToUtf8(units);
    const std::u16string back = platform::Utf8ToUtf16(utf8);
    FUZZ_CHECK(HasLoneSurrogate(units) || back == units);
    FUZZ_CHECK(!HasLoneSurrogate(back) && platform::Utf16ToUtf8(back) == utf8);

    // Bytes read as UTF-8: the result is well formed, and valid UTF-8 passes.
    const std::u16string from_utf8 = platform::Utf8ToUtf16(bytes);
    FUZZ_CHECK(!HasLoneSurrogate(from_utf8));
    FUZZ_CHECK(platform::Utf8ToUtf16(platform::Utf16ToUtf8(from_utf8)) == from_utf8);
    FUZZ_CHECK(from_utf8.size() <= bytes.size());

    // Bytes read as code page 936: one character for at most two bytes, and
    // writing it back gives bytes that read as the same characters, apart
    // from replacement characters, which have no code page 936 form.
    const std::u16string from_gbk = platform::GbkToUtf16(bytes);
    FUZZ_CHECK(from_gbk.size() <= bytes.size() && 2 * from_gbk.size() >= bytes.size());
    const std::string gbk = platform::Utf16ToGbk(from_gbk);
    const std::u16string reread = platform::GbkToUtf16(gbk);
    FUZZ_CHECK(reread.size() == from_gbk.size());
    for (std::size_t i = 0; i < reread.size(); ++i) {
        FUZZ_CHECK(reread[i] == from_gbk[i] ||
                   (from_gbk[i] == platform::kReplacementCharacter && reread[i] == u'?'));
    }
    FUZZ_CHECK(platform::Utf16ToGbk(reread) == gbk);

    // Any UTF-16 to code page 936: a character with no form becomes one "?".
    const std::string units_gbk = platform::Utf16ToGbk(units);
    FUZZ_CHECK(platform::Utf16ToGbk(platform::GbkToUtf16(units_gbk)) == units_gbk);
    FUZZ_CHECK(platform::GbkToUtf16(units_gbk).size() <= units.size());

    // The UTF-8 shortcuts agree with the two steps.
    FUZZ_CHECK(platform::Utf8ToGbk(bytes) == platform::Utf16ToGbk(from_utf8));
    FUZZ_CHECK(platform::GbkToUtf8(bytes) == platform::Utf16ToUtf8(from_gbk));
    return 0;
}
