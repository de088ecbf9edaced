#include "chgu/scan.h"

namespace chgu {

namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

bool IsFullWidthDigit(char16_t c) {
    return c >= u'０' && c <= u'９';
}

// Whether the conversion touches c; everything else is copied unchanged.
bool IsConverted(char16_t c) {
    return IsLineBreak(c) || IsFullWidthDigit(c);
}

}  // namespace

std::u16string NormaliseText(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size() + text.size() / 8);
    std::size_t i = 0;
    while (i < text.size()) {
        // The characters up to the next one to convert are copied in one go:
        // a text is mostly such runs.
        std::size_t end = i;
        while (end < text.size() && !IsConverted(text[end])) {
            ++end;
        }
        result.append(text.substr(i, end - i));
        if (end == text.size()) {
            break;
        }
        const char16_t c = text[end];
        if (IsFullWidthDigit(c)) {
            result.push_back(static_cast<char16_t>(u'0' + (c - u'０')));
        } else if (end == 0 || !IsLineBreak(text[end - 1])) {
            // The first character of a run of line breaks becomes CR LF; the
            // rest of the run is dropped.
            result += u"\r\n";
        }
        i = end + 1;
    }
    return result;
}

}  // namespace chgu
