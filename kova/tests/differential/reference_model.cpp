#include "reference_model.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "platform/codepage.h"

namespace kova::reference {

namespace {

std::string G(const char* utf8) {
    return platform::Utf8ToGbk(utf8);
}

using NumberSet = std::vector<int>;

// The working text with the reading rules of the scan: positions from 1,
// bytes outside the text read as 0, a copy from before the start begins at 1.
struct WorkingText {
    std::string s;

    unsigned char At(long p) const {
        return (p < 1 || p > static_cast<long>(s.size())) ? 0
                                                          : static_cast<unsigned char>(s[p - 1]);
    }
    std::string Copy(long p, size_t k) const {
        if (p < 1) p = 1;
        if (static_cast<size_t>(p - 1) >= s.size()) return {};
        return s.substr(static_cast<size_t>(p - 1), k);
    }
    void DeleteIfAt(long f, const std::string& word) {
        if (Copy(f, word.size()) == word) s.erase(static_cast<size_t>(f - 1), word.size());
    }
    void DeleteMarks(long f) {
        DeleteIfAt(f, G("九"));
        DeleteIfAt(f, G("号"));
        DeleteIfAt(f, G("："));
    }
};

// The working text starts and ends with an added space.
std::string Padded(std::string_view text) {
    std::string padded(text.size() + 2, ' ');
    padded.replace(1, text.size(), text);
    return padded;
}

int DigitSum(int n) {
    return n / 10 + n % 10;
}

NumberSet Where(bool (*rule)(int, int), int arg) {
    NumberSet set;
    for (int n = 1; n <= 49; ++n) {
        if (rule(n, arg)) set.push_back(n);
    }
    return set;
}

const std::array<const char*, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                              "马", "羊", "猴", "鸡", "狗", "猪"};
const std::array<const char*, 5> kElements = {"金", "木", "水", "火", "土"};

// The year's own animal (index into kAnimals) counts back one place per number.
NumberSet AnimalNumbers(int animal, int year, const AddedYears& added) {
    const auto file_year = added.find(year);
    const int own = file_year != added.end() ? file_year->second.animal
                                             : ((year - 2008) % 12 + 12) % 12;  // 2008 is 鼠
    NumberSet set;
    for (int n = 1; n <= 49; ++n) {
        if (((own - (n - 1)) % 12 + 12) % 12 == animal) set.push_back(n);
    }
    return set;
}

// 2003's row as printed, moved on one number a year; 01 takes the element
// printed for it. A year of the file is as the file says.
NumberSet ElementNumbers(int element, int year, const AddedYears& added) {
    if (const auto file_year = added.find(year); file_year != added.end()) {
        NumberSet set;
        for (int n = 1; n <= 49; ++n) {
            if (file_year->second.element[n] == element) set.push_back(n);
        }
        return set;
    }
    static const std::map<int, int> kFirstOfYear = {{2003, 1}, {2004, 2}, {2005, 2}, {2006, 4},
                                                    {2007, 4}, {2008, 3}, {2009, 3}, {2010, 2}};
    static const int k2003[49] = {1, 1, 0, 0, 4, 4, 2, 2, 3, 3, 0, 0, 4, 4, 1, 1, 3,
                                  3, 0, 0, 2, 2, 1, 1, 3, 3, 4, 4, 2, 2, 1, 1, 0, 0,
                                  4, 4, 2, 2, 3, 3, 0, 0, 4, 4, 1, 1, 3, 3, 0};
    std::array<int, 50> element_of{};
    for (int n = 1; n <= 49; ++n)
        element_of[n] = k2003[n - 1];
    for (int y = 2004; y <= year; ++y) {
        for (int n = 49; n >= 2; --n)
            element_of[n] = element_of[n - 1];
        element_of[1] = kFirstOfYear.at(y);
    }
    NumberSet set;
    for (int n = 1; n <= 49; ++n) {
        if (element_of[n] == element) set.push_back(n);
    }
    return set;
}

NumberSet Red() {
    return {1, 2, 7, 8, 12, 13, 18, 19, 23, 24, 29, 30, 34, 35, 40, 45, 46};
}
NumberSet Green() {
    return {5, 6, 11, 16, 17, 21, 22, 27, 28, 32, 33, 38, 39, 43, 44, 49};
}
NumberSet Blue() {
    return {3, 4, 9, 10, 14, 15, 20, 25, 26, 31, 36, 37, 41, 42, 47, 48};
}

std::string TwoDigits(long long n) {
    std::string digits = std::to_string(n);
    if (n < 10) digits.insert(digits.begin(), '0');
    return digits;
}

bool IsDigit(unsigned char b) {
    return b >= '0' && b <= '9';
}

}  // namespace

std::string NumberReport(std::string_view gbk_text, int year, bool wrapped,
                         const AddedYears& added) {
    WorkingText t{Padded(gbk_text)};
    const long length = static_cast<long>(t.s.size());
    std::array<long long, 50> count{};
    const auto add = [&](const NumberSet& set) {
        for (int n : set)
            ++count[n];
    };
    const auto stops_after = [](unsigned char b) {
        return b == 0 || IsDigit(b) || b == 0xB4 || b == 0xBA || b == 0xC2 || b == 0xCD ||
               b == 0xCE;
    };
    const std::string he = G("合");
    for (long f = 1; f <= length; ++f) {
        const unsigned char before = t.At(f - 1), here = t.At(f), after = t.At(f + 1);
        if (!(before == 0 || IsDigit(before) || before == 0xB9) && !stops_after(after) &&
            here >= '1' && here <= '9') {
            ++count[here - '0'];
        }
        if (!stops_after(after)) {
            const std::string pair = t.Copy(f - 1, 2);
            if (pair.size() == 2 && IsDigit(pair[0]) && IsDigit(pair[1])) {
                const int n = (pair[0] - '0') * 10 + (pair[1] - '0');
                if (n >= 1 && n <= 49) ++count[n];
            }
        }
        t.DeleteMarks(f);
        for (int a = 0; a < 12; ++a) {
            if (t.Copy(f, 2) == G(kAnimals[a])) add(AnimalNumbers(a, year, added));
        }
        for (int h = 0; h <= 4; ++h) {
            if (t.Copy(f, 3) == std::to_string(h) + G("头")) {
                add(Where([](int n, int d) { return n / 10 == d; }, h));
            }
        }
        if (t.Copy(f, 2) == G("红")) add(Red());
        if (t.Copy(f, 2) == G("绿")) add(Green());
        if (t.Copy(f, 2) == G("兰") || t.Copy(f, 2) == G("蓝")) add(Blue());
        for (int d = 0; d <= 9; ++d) {
            if (t.Copy(f, 3) == std::to_string(d) + G("尾")) {
                add(Where([](int n, int digit) { return n % 10 == digit; }, d));
            }
        }
        const bool after_he = t.Copy(f - 2, 2) == he;
        if (t.Copy(f, 2) == G("大")) {
            add(after_he ? Where([](int n, int) { return DigitSum(n) >= 7; }, 0)
                         : Where([](int n, int) { return n >= 25; }, 0));
        }
        if (t.Copy(f, 2) == G("小")) {
            add(after_he ? Where([](int n, int) { return DigitSum(n) <= 6; }, 0)
                         : Where([](int n, int) { return n <= 24; }, 0));
        }
        if (t.Copy(f, 2) == G("单")) {
            add(after_he ? Where([](int n, int) { return DigitSum(n) % 2 == 1; }, 0)
                         : Where([](int n, int) { return n % 2 == 1; }, 0));
        }
        if (t.Copy(f, 2) == G("双")) {
            add(after_he ? Where([](int n, int) { return DigitSum(n) % 2 == 0; }, 0)
                         : Where([](int n, int) { return n % 2 == 0; }, 0));
        }
        for (int e = 0; e < 5; ++e) {
            if (t.Copy(f, 2) == G(kElements[e])) add(ElementNumbers(e, year, added));
        }
        const auto sum_of = [](int n, int s) { return DigitSum(n) == s; };
        for (int s = 1; s <= 3; ++s) {
            if (t.Copy(f, 3) == std::to_string(s) + he) {
                add(Where(sum_of, t.At(f - 1) == '1' ? 10 + s : s));
            }
        }
        for (int s = 4; s <= 9; ++s) {
            if (t.Copy(f, 3) == std::to_string(s) + he) add(Where(sum_of, s));
        }
        if (t.Copy(f, 4) == "10" + he) add(Where(sum_of, 10));
    }

    std::vector<int> order(49);
    for (int n = 1; n <= 49; ++n)
        order[n - 1] = n;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return count[a] < count[b]; });
    std::vector<std::string> lines;
    long long group = -1;
    for (int n : order) {
        if (count[n] != group) {
            group = count[n];
            lines.push_back(G("共") + TwoDigits(group) + G("次："));
        }
        if (wrapped && lines.back().size() > 36) {
            lines.push_back(std::string(8, ' ') + TwoDigits(n) + ",");
        } else {
            lines.back() += TwoDigits(n) + ",";
        }
    }
    std::string report;
    for (const std::string& line : lines) {
        const auto commas = std::count(line.begin(), line.end(), ',');
        report += line + G("（") + std::to_string(commas) + G("码）") + "\r\n";
    }
    return report;
}

std::string AttributeReport(std::string_view gbk_text, Family family) {
    struct Description {
        std::vector<std::string> words;
        const char* title;
    };
    const auto words = [](std::initializer_list<const char*> list) {
        std::vector<std::string> out;
        for (const char* w : list)
            out.push_back(G(w));
        return out;
    };
    Description d;
    switch (family) {
        case Family::kZodiac:
            d = {words({"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"}),
                 " 生肖统计结果："};
            break;
        case Family::kHead:
            d = {words({"0头", "1头", "2头", "3头", "4头"}), " 头数统计结果："};
            break;
        case Family::kTail:
            d = {words({"0尾", "1尾", "2尾", "3尾", "4尾", "5尾", "6尾", "7尾", "8尾", "9尾"}),
                 " 尾数统计结果："};
            break;
        case Family::kElement:
            d = {words({"金", "木", "水", "火", "土"}), " 行数统计结果："};
            break;
        case Family::kDigitSum:
            d = {words({"1合", "2合", "3合", "4合", "5合", "6合", "7合", "8合", "9合", "10合",
                        "11合", "12合", "13合"}),
                 " 合数统计结果："};
            break;
        case Family::kWave:
            d = {words({"红", "绿", "蓝"}), " 波色统计结果："};
            break;
        case Family::kBigSmall:
            d = {words({"大", "小"}), " 大小统计结果："};
            break;
        case Family::kOddEven:
            d = {words({"单", "双"}), " 单双统计结果："};
            break;
        case Family::kSumOddEven:
            d = {words({"合单", "合双"}), " 合单双统计结果："};
            break;
        case Family::kSegment:
            d = {words({"一段", "二段", "三段", "四段", "五段", "六段", "七段"}),
                 " 段数统计结果："};
            break;
    }
    WorkingText t{Padded(gbk_text)};
    const long length = static_cast<long>(t.s.size());
    std::vector<long long> count(d.words.size(), 0);
    for (long f = 1; f <= length; ++f) {
        if (family == Family::kZodiac) t.DeleteMarks(f);
        for (size_t i = 0; i < d.words.size(); ++i) {
            if (family == Family::kDigitSum && i >= 10)
                continue;  // 11合..13合: only by a "1" before 1合..3合
            if (t.Copy(f, d.words[i].size()) != d.words[i]) continue;
            if (family == Family::kDigitSum && i < 3 && t.At(f - 1) == '1') {
                ++count[i + 10];
                continue;
            }
            if ((family == Family::kBigSmall || family == Family::kOddEven) &&
                t.Copy(f - 2, 2) == G("合")) {
                continue;
            }
            ++count[i];
        }
    }
    std::vector<size_t> order(d.words.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return count[a] < count[b]; });
    std::vector<std::string> lines = {G(d.title)};
    long long group = -1;
    for (size_t i : order) {
        if (count[i] != group) {
            group = count[i];
            lines.push_back(G("【共") + TwoDigits(group) + G("次】："));
        }
        if (family == Family::kDigitSum && lines.back().size() > 54) {
            lines.push_back(std::string(12, ' ') + d.words[i] + ",");
        } else {
            lines.back() += d.words[i] + ",";
        }
    }
    std::string report;
    for (const std::string& line : lines)
        report += line + "\r\n";
    return report;
}

std::string Simplified(std::string_view gbk_text) {
    std::map<std::string, std::string> simplified;
    for (const auto& [traditional, simple] :
         std::initializer_list<std::pair<const char*, const char*>>{{"龍", "龙"},
                                                                    {"馬", "马"},
                                                                    {"雞", "鸡"},
                                                                    {"鷄", "鸡"},
                                                                    {"豬", "猪"},
                                                                    {"頭", "头"},
                                                                    {"紅", "红"},
                                                                    {"綠", "绿"},
                                                                    {"藍", "蓝"},
                                                                    {"單", "单"},
                                                                    {"雙", "双"},
                                                                    {"號", "号"},
                                                                    {"碼", "码"},
                                                                    {"數", "数"}}) {
        simplified[G(traditional)] = G(simple);
    }
    std::string out;
    for (std::size_t i = 0; i < gbk_text.size();) {
        const auto lead = static_cast<unsigned char>(gbk_text[i]);
        const auto trail =
            i + 1 < gbk_text.size() ? static_cast<unsigned char>(gbk_text[i + 1]) : 0;
        const bool pair =
            lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
        const std::string character(gbk_text.substr(i, pair ? 2 : 1));
        const auto found = simplified.find(character);
        out += found == simplified.end() ? character : found->second;
        i += character.size();
    }
    return out;
}

}  // namespace kova::reference
