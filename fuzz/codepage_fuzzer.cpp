// The conversions between UTF-8, UTF-16 and code page 936 on any input. None
// fails; every output is well formed in its own encoding, so that converting
// it on and back again changes nothing, and well-formed input passes whole.
#include <cstddef>
#include <cstdint>
#include <string>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::FuzzInput input(data, size);
    const std::string_view bytes = input.Rest();
    const std::u16string units = input.RestAsUtf16();

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
