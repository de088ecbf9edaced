// "全转半" on any UTF-16 text: full-width digits become ASCII, every run of
// CR and LF becomes one CR LF, and nothing else changes. Applying it twice
// changes nothing more.
#include <cstddef>
#include <cstdint>
#include <string>

#include "chgu/scan.h"
#include "fuzz_input.h"

namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// The text without line breaks and with full-width digits as ASCII: what
// both the input and the output must reduce to.
std::u16string Reduced(std::u16string_view text) {
    std::u16string reduced;
    for (const char16_t c : text) {
        if (c >= u'０' && c <= u'９') {
            reduced.push_back(static_cast<char16_t>(u'0' + (c - u'０')));
        } else if (!IsLineBreak(c)) {
            reduced.push_back(c);
        }
    }
    return reduced;
}

std::size_t LineBreakRuns(std::u16string_view text) {
    std::size_t runs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        runs += IsLineBreak(text[i]) && (i == 0 || !IsLineBreak(text[i - 1]));
    }
    return runs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = fuzz::FuzzInput(data, size).RestAsUtf16();
    const std::u16string normal = chgu::NormaliseText(text);

    FUZZ_CHECK(Reduced(normal) == Reduced(text));
    FUZZ_CHECK(normal.find_first_of(u"０１２３４５６７８９") == std::u16string::npos);
    // Every line break is one CR LF, and there are as many as runs before.
    FUZZ_CHECK(LineBreakRuns(normal) == LineBreakRuns(text));
    for (std::size_t i = 0; i < normal.size(); ++i) {
        if (normal[i] == u'\r') {
            FUZZ_CHECK(i + 1 < normal.size() && normal[i + 1] == u'\n');
            FUZZ_CHECK(i + 2 >= normal.size() || !IsLineBreak(normal[i + 2]));
        } else if (normal[i] == u'\n') {
            FUZZ_CHECK(i > 0 && normal[i - 1] == u'\r');
        }
    }
    FUZZ_CHECK(chgu::NormaliseText(normal) == normal);
    return 0;
}
