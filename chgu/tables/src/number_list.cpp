#include "chgu/number_list.h"

#include <bit>

namespace chgu {

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
