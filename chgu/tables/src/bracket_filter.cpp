#include "chgu/bracket_filter.h"

namespace chgu {

namespace {

std::u16string_view Filtered(std::u16string_view ch, bool Check1, std::int16_t& InBracket) {
    if (!Check1) {
        return ch;
    }
    if (ch == u"【" || ch == u"〖") {
        InBracket = 1;
    } else if (ch == u"】" || ch == u"〗") {
        InBracket = 0;
    }
    return InBracket == 1 ? std::u16string_view(u" ") : ch;
}

}  // namespace

std::u16string Fg(std::u16string_view ch, bool Check1, std::int16_t& InBracket) {
    return std::u16string(Filtered(ch, Check1, InBracket));
}

}  // namespace chgu
