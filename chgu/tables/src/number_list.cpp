#include "chgu/number_list.h"

#include <bit>

namespace chgu {

void AppendTwoDigits(std::u16string& out, int number) {
    out.push_back(static_cast<char16_t>(u'0' + number / 10));
    out.push_back(static_cast<char16_t>(u'0' + number % 10));
}

void AppendNumberList(std::u16string& out, NumberSet set) {
    while (set != 0) {
        AppendTwoDigits(out, std::countr_zero(set));
        out.push_back(u',');
        set &= set - 1;
    }
}

std::u16string NumberListText(NumberSet set) {
    std::u16string out;
    AppendNumberList(out, set);
    return out;
}

}  // namespace chgu
