// Tip texts with some of their characters written in traditional forms, for
// the differential tests of both programs: each character of the vocabulary
// that has a traditional form is written in it with probability `share` (鸡
// as 雞 or 鷄). Written out here, not taken from the code under test.
#pragma once

#include <random>
#include <string>

namespace platform::test {

inline std::u16string WithTraditionalForms(std::u16string text, double share,
                                           std::mt19937& random) {
    const std::u16string simplified = u"龙马鸡猪头红绿蓝单双号码数";
    const std::u16string traditional = u"龍馬雞豬頭紅綠藍單雙號碼數";
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    for (char16_t& c : text) {
        const std::size_t at = simplified.find(c);
        if (at != std::u16string::npos && chance(random) < share) {
            c = c == u'鸡' && random() % 2 == 0 ? u'鷄' : traditional[at];
        }
    }
    return text;
}

}  // namespace platform::test
