#include "year_line.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace yeartables::detail {

namespace {

using Fault = std::u16string;

constexpr std::u16string_view kFieldSeparators = u"|｜";
constexpr std::u16string_view kColons = u":：";
constexpr std::u16string_view kNumberSeparators = u" \t\u3000\uFEFF,，、";
constexpr std::size_t kFieldCount = 2 + kElementNames.size();
constexpr std::size_t kLongestQuote = 12;
constexpr int kNoElement = -1;

// A piece of the user's line inside “”: cut short, control characters shown
// as "?", so that the message stays one readable line.
std::u16string Quoted(std::u16string_view text) {
    std::u16string quoted(u"“");
    for (const char16_t c : text.substr(0, kLongestQuote)) {
        quoted += c < u' ' || c == u'\u007F' ? u'?' : c;
    }
    if (text.size() > kLongestQuote) {
        quoted.append(u"…");
    }
    quoted.append(u"”");
    return quoted;
}

template <std::size_t N>
std::optional<std::uint8_t> IndexOf(const std::array<std::u16string_view, N>& names,
                                    std::u16string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(found - names.begin());
}

std::vector<std::u16string_view> Split(std::u16string_view text, std::u16string_view separators) {
    std::vector<std::u16string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of(separators, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::u16string_view::npos) {
            return pieces;
        }
        start = end + 1;
    }
}

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// One or two ASCII digits making 1..49.
std::optional<int> NumberOf(std::u16string_view token) {
    if (token.empty() || token.size() > 2 ||
        !std::all_of(token.begin(), token.end(), IsAsciiDigit)) {
        return std::nullopt;
    }
    int value = 0;
    for (const char16_t c : token) {
        value = value * 10 + (c - u'0');
    }
    if (value < 1 || value > kNumberCount) {
        return std::nullopt;
    }
    return value;
}

std::optional<Fault> ReadYear(std::u16string_view field, int expected_year, YearRow& row) {
    if (field.size() != 4 || !std::all_of(field.begin(), field.end(), IsAsciiDigit)) {
        return Joined({u"年份", Quoted(field), u"不是四位数字"});
    }
    row.year = 0;
    for (const char16_t c : field) {
        row.year = row.year * 10 + (c - u'0');
    }
    if (row.year <= kLastBuiltInYear) {
        return Joined({DecimalText(kLastBuiltInYear),
                       u" 年及以前的表是程序内置的，不能写在文件里（这一行是 ",
                       DecimalText(row.year), u" 年）"});
    }
    if (row.year != expected_year) {
        return Joined({u"年份要从 ", DecimalText(kFirstFileYear), u" 年起逐年连续，这一行应是 ",
                       DecimalText(expected_year), u" 年，却是 ", DecimalText(row.year), u" 年"});
    }
    return std::nullopt;
}

std::optional<Fault> ReadAnimal(std::u16string_view field, YearRow& row) {
    const auto animal = IndexOf(kAnimalNames, field);
    if (!animal) {
        return Joined({u"生肖", Quoted(field), u"不是鼠牛虎兔龙蛇马羊猴鸡狗猪中的一个"});
    }
    row.animal = *animal;
    return std::nullopt;
}

// Reads "金:04 05 ..." into the elements of the numbers; numbers already
// given by an earlier list are a fault.
class ElementLists {
  public:
    ElementLists() { element_.fill(kNoElement); }

    std::optional<Fault> Read(std::u16string_view field) {
        const std::size_t colon = field.find_first_of(kColons);
        if (colon == std::u16string_view::npos) {
            return Joined({Quoted(field), u"缺少五行和冒号，应写成“金:04 05 12”这样"});
        }
        const std::u16string_view name = Trimmed(field.substr(0, colon));
        const auto element = IndexOf(kElementNames, name);
        if (!element) {
            return Joined({u"五行", Quoted(name), u"不是金木水火土中的一个"});
        }
        if (seen_[*element]) {
            return Joined({u"五行“", name, u"”写了两次"});
        }
        seen_[*element] = true;
        for (const std::u16string_view token : Split(field.substr(colon + 1), kNumberSeparators)) {
            if (token.empty()) {
                continue;
            }
            const auto number = NumberOf(token);
            if (!number) {
                return Joined({Quoted(token), u"不是 01 到 49 的号码"});
            }
            int& slot = element_[static_cast<std::size_t>(*number - 1)];
            if (slot == *element) {
                return Joined({u"号码 ", TwoDigitText(*number), u" 在“", name, u"”里写了两次"});
            }
            if (slot != kNoElement) {
                return Joined({u"号码 ", TwoDigitText(*number), u" 既在“",
                               kElementNames[static_cast<std::size_t>(slot)], u"”里，又在“", name,
                               u"”里"});
            }
            slot = *element;
        }
        return std::nullopt;
    }

    // After all five lists: every number has its element.
    std::optional<Fault> Finish(YearRow& row) const {
        std::u16string missing;
        for (std::size_t i = 0; i < element_.size(); ++i) {
            if (element_[i] == kNoElement) {
                missing.append(missing.empty() ? u"" : u"、")
                    .append(TwoDigitText(static_cast<int>(i + 1)));
            } else {
                row.element[i] = static_cast<std::uint8_t>(element_[i]);
            }
        }
        if (!missing.empty()) {
            return Joined({u"号码 ", missing, u" 不在任何五行里"});
        }
        return std::nullopt;
    }

  private:
    std::array<int, kNumberCount> element_{};
    std::array<bool, kElementNames.size()> seen_{};
};

}  // namespace

std::u16string Joined(std::initializer_list<std::u16string_view> pieces) {
    std::u16string text;
    for (const std::u16string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000' || c == u'\uFEFF';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsIgnoredLine(std::u16string_view line) {
    const std::u16string_view content = Trimmed(line);
    return content.empty() || content.front() == u'#';
}

std::variant<YearRow, std::u16string> ReadYearLine(std::u16string_view line, int expected_year) {
    std::vector<std::u16string_view> fields = Split(line, kFieldSeparators);
    for (std::u16string_view& field : fields) {
        field = Trimmed(field);
    }
    if (fields.size() != kFieldCount) {
        return Joined(
            {u"一行应有 7 项，用“|”隔开：年份|生肖|金:号码|木:号码|水:号码|火:号码|土:号码；"
             u"这一行有 ",
             DecimalText(static_cast<long long>(fields.size())), u" 项"});
    }
    YearRow row;
    ElementLists elements;
    std::optional<Fault> fault = ReadYear(fields[0], expected_year, row);
    if (!fault) {
        fault = ReadAnimal(fields[1], row);
    }
    for (std::size_t i = 2; !fault && i < fields.size(); ++i) {
        fault = elements.Read(fields[i]);
    }
    if (!fault) {
        fault = elements.Finish(row);
    }
    if (fault) {
        return *fault;
    }
    return row;
}

}  // namespace yeartables::detail
