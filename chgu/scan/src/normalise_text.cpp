#include "chgu/scan.h"

namespace chgu {

namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

std::u16string NormaliseText(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= u'０' && c <= u'９') {
            result.push_back(static_cast<char16_t>(u'0' + (c - u'０')));
        } else if (IsLineBreak(c)) {
            // The first character of a run of line breaks becomes CR LF; the
            // rest of the run is dropped.
            if (i == 0 || !IsLineBreak(text[i - 1])) {
                result += u"\r\n";
            }
        } else {
            result.push_back(c);
        }
    }
    return result;
}

}  // namespace chgu
