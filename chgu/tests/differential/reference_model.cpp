#include "reference_model.h"

#include <array>
#include <map>
#include <set>
#include <vector>

namespace chgu::reference {

namespace {

using String = std::u16string;

String Ascii(const std::string& s) {
    return String(s.begin(), s.end());
}
String TwoDigits(int n) {
    String digits = Ascii(std::to_string(n));
    if (n < 10) digits.insert(digits.begin(), u'0');
    return digits;
}
bool IsDigit(const String& s) {
    return s.size() == 1 && s[0] >= u'0' && s[0] <= u'9';
}
bool OneOf(const String& s, std::initializer_list<const char16_t*> words) {
    for (const char16_t* w : words) {
        if (s == w) return true;
    }
    return false;
}
int DigitSum(int n) {
    return n / 10 + n % 10;
}

template <typename Rule>
String ListWhere(Rule rule) {
    String list;
    for (int n = 1; n <= 49; ++n) {
        if (rule(n)) list += TwoDigits(n) + u",";
    }
    return list;
}

const std::set<int> kRed = {1, 2, 7, 8, 12, 13, 18, 19, 23, 24, 29, 30, 34, 35, 40, 45, 46};
const std::set<int> kGreen = {5, 6, 11, 16, 17, 21, 22, 27, 28, 32, 33, 38, 39, 43, 44, 49};
const std::set<int> kBlue = {3, 4, 9, 10, 14, 15, 20, 25, 26, 31, 36, 37, 41, 42, 47, 48};
const std::array<const char16_t*, 12> kAnimals = {u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇",
                                                  u"马", u"羊", u"猴", u"鸡", u"狗", u"猪"};
const std::array<const char16_t*, 5> kElements = {u"金", u"木", u"水", u"火", u"土"};

long ValOf(const String& s) {  // leading number, 0 when there is none
    size_t i = 0;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
    long v = 0;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9' && v < 100000)
        v = v * 10 + (s[i++] - u'0');
    return negative ? -v : v;
}

struct Form {
    Settings settings;
    int in_bracket = 0;

    int YearIndex() const {
        const long y = ValOf(settings.table_year) - 2005;
        return (y >= 0 && y <= 5) ? static_cast<int>(y) : -1;
    }
    const AddedYear* Added() const {
        const auto year = settings.added.find(ValOf(settings.table_year));
        return year == settings.added.end() ? nullptr : &year->second;
    }
    String Xiao(const String& w) const {
        const int y = YearIndex();
        if (y < 0 && !Added()) return u"";
        const int own = Added() ? Added()->animal : ((2005 + y - 2008) % 12 + 12) % 12;
        for (int a = 0; a < 12; ++a) {
            if (w == kAnimals[a]) {
                return ListWhere([&](int n) { return ((own - (n - 1)) % 12 + 12) % 12 == a; });
            }
        }
        return u"";
    }
    String WX(const String& w) const {
        if (const AddedYear* year = Added()) {
            for (int e = 0; e < 5; ++e) {
                if (w == kElements[e])
                    return ListWhere([&](int n) { return year->element[n] == e; });
            }
            return u"";
        }
        const int y = YearIndex();
        if (y < 0) return u"";
        // 2003's elements moved on one number a year; 01 takes the year's own.
        static const int k2003[49] = {1, 1, 0, 0, 4, 4, 2, 2, 3, 3, 0, 0, 4, 4, 1, 1, 3,
                                      3, 0, 0, 2, 2, 1, 1, 3, 3, 4, 4, 2, 2, 1, 1, 0, 0,
                                      4, 4, 2, 2, 3, 3, 0, 0, 4, 4, 1, 1, 3, 3, 0};
        static const std::map<int, int> kFirst = {{2004, 2}, {2005, 2}, {2006, 4}, {2007, 4},
                                                  {2008, 3}, {2009, 3}, {2010, 2}};
        std::array<int, 50> element{};
        for (int n = 1; n <= 49; ++n)
            element[n] = k2003[n - 1];
        for (int year = 2004; year <= 2005 + y; ++year) {
            for (int n = 49; n >= 2; --n)
                element[n] = element[n - 1];
            element[1] = kFirst.at(year);
        }
        for (int e = 0; e < 5; ++e) {
            if (w == kElements[e]) return ListWhere([&](int n) { return element[n] == e; });
        }
        return u"";
    }
    static String Tou(const String& w) {
        for (int d = 0; d <= 4; ++d) {
            if (w == TwoDigits(d).substr(1) + u"头")
                return ListWhere([&](int n) { return n / 10 == d; });
        }
        return u"";
    }
    static String Wei(const String& w) {
        for (int d = 0; d <= 9; ++d) {
            if (w == TwoDigits(d).substr(1) + u"尾")
                return ListWhere([&](int n) { return n % 10 == d; });
        }
        return u"";
    }
    static String Bo(const String& w) {
        if (w == u"红") return ListWhere([](int n) { return kRed.count(n) > 0; });
        if (w == u"绿") return ListWhere([](int n) { return kGreen.count(n) > 0; });
        if (w == u"蓝") return ListWhere([](int n) { return kBlue.count(n) > 0; });
        return u"";
    }
    static String He(const String& w) {
        for (int s = 1; s <= 13; ++s) {
            if (w == Ascii(std::to_string(s)) + u"合")
                return ListWhere([&](int n) { return DigitSum(n) == s; });
        }
        return u"";
    }
    static String Sd(const String& w) {
        if (w == u"单") return ListWhere([](int n) { return n % 2 == 1; });
        if (w == u"双") return ListWhere([](int n) { return n % 2 == 0; });
        return u"";
    }
    static String Bs(const String& w) {
        if (w == u"大") return ListWhere([](int n) { return n >= 25; });
        if (w == u"小") return ListWhere([](int n) { return n <= 24; });
        return u"";
    }
    static String Sz(const String& w) {
        const auto red = [](int n) { return kRed.count(n) > 0; };
        const auto green = [](int n) { return kGreen.count(n) > 0; };
        const auto blue = [](int n) { return kBlue.count(n) > 0; };
        const auto odd = [](int n) { return n % 2 == 1; };
        if (w == u"合单") return ListWhere([](int n) { return DigitSum(n) % 2 == 1; });
        if (w == u"合双") return ListWhere([](int n) { return DigitSum(n) % 2 == 0; });
        if (w == u"合大") return ListWhere([](int n) { return DigitSum(n) >= 7; });
        if (w == u"合小") return ListWhere([](int n) { return DigitSum(n) <= 6; });
        if (w == u"大单") return ListWhere([&](int n) { return n >= 25 && odd(n); });
        if (w == u"小单") return ListWhere([&](int n) { return n <= 24 && odd(n); });
        if (w == u"大双") return ListWhere([&](int n) { return n >= 25 && !odd(n); });
        if (w == u"小双") return ListWhere([&](int n) { return n <= 24 && !odd(n); });
        if (w == u"红单") return ListWhere([&](int n) { return red(n) && odd(n); });
        if (w == u"红双") return ListWhere([&](int n) { return red(n) && !odd(n); });
        if (w == u"绿单") return ListWhere([&](int n) { return green(n) && odd(n); });
        if (w == u"绿双") return ListWhere([&](int n) { return green(n) && !odd(n); });
        if (w == u"蓝单") return ListWhere([&](int n) { return blue(n) && odd(n); });
        if (w == u"蓝双") return ListWhere([&](int n) { return blue(n) && !odd(n); });
        return u"";
    }
    String Fg(const String& ch) {
        if (!settings.skip_brackets) return ch;
        if (ch == u"【" || ch == u"〖") in_bracket = 1;
        if (ch == u"】" || ch == u"〗") in_bracket = 0;
        return in_bracket == 1 ? u" " : ch;
    }
};

String CharAt(const String& text, long i) {  // 1-based; empty outside the text
    return (i < 1 || i > static_cast<long>(text.size()))
               ? u""
               : text.substr(static_cast<size_t>(i - 1), 1);
}
String Window(const String& text, long i, size_t k) {
    return i > static_cast<long>(text.size()) ? u"" : text.substr(static_cast<size_t>(i - 1), k);
}

struct Marker {
    long long weight = 1;
    long long digit_run = 0;
    bool on = false;
    void Step(const String& text, long i, const String& ch) {
        if (!on) return;
        if (ch == u"次" && digit_run > 0) {
            long long v = 0;
            for (long p = i - static_cast<long>(digit_run); p < i; ++p) {
                v = std::min<long long>(v * 10 + (text[static_cast<size_t>(p - 1)] - u'0'),
                                        2147483647);
            }
            weight = v;
        }
        digit_run = IsDigit(ch) ? digit_run + 1 : 0;
    }
};

String CollectNumbers(Form& form, const String& text) {
    String list, c, p1, p2;
    const long L = static_cast<long>(text.size());
    long long digit_run = 0;
    for (long i = 1; i <= L; ++i) {
        p2 = p1;
        p1 = c;
        c = form.Fg(CharAt(text, i));
        digit_run = IsDigit(c) ? digit_run + 1 : 0;
        const String w = p1 + c;
        if (OneOf(c, {u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗",
                      u"猪"}))
            list += form.Xiao(c);
        if (OneOf(c, {u"金", u"木", u"水", u"火", u"土"})) list += form.WX(c);
        if (i == L && OneOf(c, {u"红", u"绿", u"蓝"})) list += Form::Bo(c);
        if (OneOf(p1, {u"红", u"绿", u"蓝"}) && !OneOf(c, {u"单", u"双"})) list += Form::Bo(p1);
        if (OneOf(c, {u"单", u"双"}) && !OneOf(p1, {u"合", u"大", u"小", u"红", u"绿", u"蓝"}))
            list += Form::Sd(c);
        if (i == L && OneOf(c, {u"大", u"小"}) && p1 != u"合") list += Form::Bs(c);
        if (OneOf(p1, {u"大", u"小"}) && p2 != u"合" && !OneOf(c, {u"单", u"双"}))
            list += Form::Bs(p1);
        if (OneOf(w, {u"合单", u"合双", u"合大", u"合小", u"大单", u"小单", u"大双", u"小双",
                      u"红单", u"红双", u"绿单", u"绿双", u"蓝单", u"蓝双"})) {
            list += Form::Sz(w);
        }
        if (OneOf(w, {u"0头", u"1头", u"2头", u"3头", u"4头"})) list += Form::Tou(w);
        if (w.size() == 2 && IsDigit(w.substr(0, 1)) && w.substr(1) == u"尾") list += Form::Wei(w);
        const bool eleven = p2 == u"1" && OneOf(p1, {u"0", u"1", u"2", u"3"}) && c == u"合";
        if (eleven) list += Form::He(p2 + p1 + c);
        if (!eleven && w.size() == 2 && IsDigit(w.substr(0, 1)) && w.substr(1) == u"合")
            list += Form::He(w);

        if (OneOf(c, {u"次", u"期", u"码", u"头", u"尾", u"合"}) || digit_run >= 3) continue;
        String n = p2 + p1;
        if (L == 2) n = p1 + c;
        if (L == 1) n = u"0" + c;
        if (!p2.empty() && !IsDigit(p2) && !IsDigit(c)) n = u"0" + p1;
        if (i == L && !p1.empty()) {
            if (IsDigit(p1) && IsDigit(c))
                n = p1 + c;
            else if (!IsDigit(p1))
                n = u"0" + c;
        }
        if (i == 2 && !IsDigit(c)) n = u"0" + p1;
        for (int k = 1; k <= 49; ++k) {
            if (n == TwoDigits(k)) list += n + u",";
        }
    }
    return list;
}

String NumberReport(const std::vector<long long>& counts, bool long_lines) {
    std::set<long long> levels(counts.begin() + 1, counts.begin() + 50);
    String out;
    for (long long k : levels) {
        String body = (k < 10 ? u"共0" : u"共") + Ascii(std::to_string(k)) + u"次:";
        int n = 0;
        for (int j = 1; j <= 49; ++j) {
            if (counts[j] == k) {
                body += TwoDigits(j) + u",";
                ++n;
            }
        }
        String line;
        if (long_lines) {
            line = body;
        } else {
            std::vector<String> slices = {body.substr(0, 35)};
            size_t at = 35;
            while (at < body.size()) {
                const size_t take = slices.size() == 4 ? String::npos : 30;
                slices.push_back(body.substr(at, take));
                at = take == String::npos ? body.size() : at + 30;
            }
            line = slices[0];
            for (size_t s = 1; s < slices.size(); ++s)
                line += u"\r\n       " + slices[s];
        }
        out += line + u"（" + Ascii(std::to_string(n)) + u"码）\r\n";
    }
    return out;
}

String AttributeReport(const std::vector<long long>& counts, const String& heading,
                       const std::vector<std::pair<int, String>>& classes) {
    std::set<long long> levels;
    for (const auto& [slot, name] : classes)
        levels.insert(counts[slot]);
    String out = heading + u"\r\n";
    for (long long k : levels) {
        out += (k < 10 ? u"【共0" : u"【共") + Ascii(std::to_string(k)) + u"次】：";
        for (const auto& [slot, name] : classes) {
            if (counts[slot] == k) out += name + u",";
        }
        out += u"\r\n";
    }
    return out;
}

std::vector<std::pair<int, String>> Classes(std::initializer_list<const char16_t*> names,
                                            int first_slot) {
    std::vector<std::pair<int, String>> out;
    int slot = first_slot;
    for (const char16_t* n : names)
        out.emplace_back(slot++, n);
    return out;
}

}  // namespace

String Press(int index, const String& text, const Settings& settings) {
    Form form{settings, 0};
    const long L = static_cast<long>(text.size());
    std::vector<long long> counts(51, 0);
    Marker marker;
    marker.on = settings.cumulative;
    marker.weight = settings.cumulative ? 0 : 1;

    if (index == 11) {
        String out;
        for (long i = 1; i <= L; ++i) {
            const char16_t ch = text[static_cast<size_t>(i - 1)];
            if (ch >= 0xFF10 && ch <= 0xFF19) {
                out += static_cast<char16_t>(u'0' + (ch - 0xFF10));
            } else if (ch == u'\r' || ch == u'\n') {
                const String before = CharAt(text, i - 1);
                if (before != u"\r" && before != u"\n") out += u"\r\n";
            } else {
                out += ch;
            }
        }
        return out;
    }
    if (index == 0) {
        const String list = CollectNumbers(form, text);
        if (settings.cumulative) {
            counts.assign(51, 0);
            if (L > 0) {
                for (long i = 1; i <= L - 1; ++i) {
                    marker.Step(text, i, CharAt(text, i));
                    for (int j = 1; j <= 49; ++j) {
                        if (Window(text, i, 3) == TwoDigits(j) + u",") counts[j] += marker.weight;
                    }
                }
            }
        } else {
            for (size_t at = 0; at + 3 <= list.size(); at += 3) {
                ++counts[(list[at] - u'0') * 10 + (list[at + 1] - u'0')];
            }
        }
        return NumberReport(counts, settings.long_lines);
    }

    String c, p1, p2;
    const auto shift = [&](long i) {
        p2 = p1;
        p1 = c;
        c = form.Fg(CharAt(text, i));
    };
    const auto two_char_scan = [&](const std::vector<std::pair<int, String>>& classes,
                                   size_t width) {
        for (long i = 1; i <= L; ++i) {
            marker.Step(text, i, CharAt(text, i));
            if (form.Fg(CharAt(text, i)) == u" ") continue;
            const String w = Window(text, i, width);
            for (const auto& [slot, name] : classes) {
                if (w == name) counts[slot] += marker.weight;
            }
        }
    };
    const auto one_char_scan = [&](auto classify) {
        for (long i = 1; i <= L; ++i) {
            shift(i);
            marker.Step(text, i, index == 1 ? c : CharAt(text, i));
            classify(i);
        }
    };
    const auto add_if = [&](const String& ch, const std::vector<std::pair<int, String>>& classes) {
        for (const auto& [slot, name] : classes) {
            if (ch == name) counts[slot] += marker.weight;
        }
    };

    const auto zodiac = Classes(
        {u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗", u"猪"}, 1);
    const auto heads = Classes({u"0头", u"1头", u"2头", u"3头", u"4头"}, 0);
    const auto tails = Classes(
        {u"0尾", u"1尾", u"2尾", u"3尾", u"4尾", u"5尾", u"6尾", u"7尾", u"8尾", u"9尾"}, 0);
    const auto elements = Classes({u"金", u"木", u"水", u"火", u"土"}, 1);
    const auto sums = Classes({u"1合", u"2合", u"3合", u"4合", u"5合", u"6合", u"7合", u"8合",
                               u"9合", u"10合", u"11合", u"12合", u"13合"},
                              1);
    const auto waves = Classes({u"红", u"绿", u"蓝"}, 1);
    const auto sizes = Classes({u"大", u"小"}, 1);
    const auto parities = Classes({u"单", u"双"}, 1);
    const auto sum_parities = Classes({u"合单", u"合双"}, 1);
    const auto half_waves = Classes({u"红单", u"红双", u"绿单", u"绿双", u"蓝单", u"蓝双"}, 1);

    switch (index) {
        case 1:
            one_char_scan([&](long) { add_if(c, zodiac); });
            return AttributeReport(counts, u" 生肖统计结果：", zodiac);
        case 2:
            two_char_scan(heads, 2);
            return AttributeReport(counts, u" 头数统计结果：", heads);
        case 3:
            two_char_scan(tails, 2);
            return AttributeReport(counts, u" 尾数统计结果：", tails);
        case 4:
            one_char_scan([&](long) { add_if(c, elements); });
            return AttributeReport(counts, u" 五行统计结果：", elements);
        case 5:
            for (long i = 1; i <= L; ++i) {
                marker.Step(text, i, CharAt(text, i));
                if (form.Fg(CharAt(text, i)) == u" ") continue;
                const String w = Window(text, i, 2);
                if (w.empty() || w.back() != u'合') continue;
                const String token =
                    (CharAt(text, i - 1) == u"1" && CharAt(text, i) != u"合") ? u"1" + w : w;
                add_if(token, sums);
            }
            return AttributeReport(counts, u" 合数统计结果：", sums);
        case 6:
            one_char_scan([&](long i) {
                if (OneOf(p1, {u"红", u"绿", u"蓝"}) && !OneOf(c, {u"单", u"双"}))
                    add_if(p1, waves);
                if (i == L && OneOf(c, {u"红", u"绿", u"蓝"})) add_if(c, waves);
            });
            return AttributeReport(counts, u" 波色统计结果：", waves);
        case 7:
            one_char_scan([&](long i) {
                if (OneOf(p1, {u"大", u"小"}) && p2 != u"合" && !OneOf(c, {u"单", u"双"}))
                    add_if(p1, sizes);
                if (i == L && OneOf(c, {u"大", u"小"}) && p1 != u"合") add_if(c, sizes);
            });
            return AttributeReport(counts, u" 大小统计结果：", sizes);
        case 8:
            one_char_scan([&](long) {
                if (!OneOf(p1, {u"合", u"大", u"小", u"红", u"绿", u"蓝"})) add_if(c, parities);
            });
            return AttributeReport(counts, u" 单双统计结果：", parities);
        case 9:
            two_char_scan(sum_parities, 2);
            for (long i = 1; i <= L; ++i) {
                if (Window(text, i, 3) == u"合数单") counts[1] += 1;
                if (Window(text, i, 3) == u"合数双") counts[2] += 1;
            }
            return AttributeReport(counts, u" 合单双统计结果：", sum_parities);
        case 10:
            two_char_scan(half_waves, 2);
            return AttributeReport(counts, u" 半波统计结果：", half_waves);
        default:
            return u"";
    }
}

std::u16string Simplified(const std::u16string& text) {
    const std::u16string traditional = u"龍馬雞鷄豬頭紅綠藍單雙號碼數";
    const std::u16string simplified = u"龙马鸡鸡猪头红绿蓝单双号码数";
    std::u16string out;
    for (const char16_t c : text) {
        const std::size_t at = traditional.find(c);
        out += at == std::u16string::npos ? c : simplified[at];
    }
    return out;
}

}  // namespace chgu::reference
