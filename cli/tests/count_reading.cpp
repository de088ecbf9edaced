#include "count_reading.h"

#include <stdexcept>

namespace cli::test {

std::vector<std::vector<std::string>> ReadCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t i = 0;
    while (i < text.size()) {
        std::vector<std::string> row;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                for (++i;; ++i) {
                    if (i >= text.size()) {
                        throw std::runtime_error("unterminated quoted field");
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += text[i];
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n') {
                    if (text[i] == '"' || text[i] == '\r') {
                        throw std::runtime_error("quote or CR in an unquoted field");
                    }
                    field += text[i++];
                }
            }
            row.push_back(std::move(field));
            if (i >= text.size()) {
                throw std::runtime_error("last line without its LF");
            }
            if (text[i++] == '\n') {
                break;
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    JsonValue Document() {
        JsonValue value = Value();
        SkipSpace();
        if (at_ != text_.size()) {
            Fail("text after the value");
        }
        return value;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON at " + std::to_string(at_) + ": " + what);
    }
    void SkipSpace() {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != text_.npos) {
            ++at_;
        }
    }
    char Peek() {
        SkipSpace();
        if (at_ >= text_.size()) {
            Fail("unexpected end");
        }
        return text_[at_];
    }
    void Expect(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            Fail("expected " + std::string(word));
        }
        at_ += word.size();
    }
    JsonValue Value() {
        JsonValue value;
        const char c = Peek();
        if (c == '{') {
            value.kind = JsonValue::Kind::kObject;
            ++at_;
            if (Peek() == '}') {
                ++at_;
                return value;
            }
            for (;;) {
                if (Peek() != '"') {
                    Fail("expected a member name");
                }
                std::string name = String();
                if (Peek() != ':') {
                    Fail("expected ':'");
                }
                ++at_;
                value.members.emplace_back(std::move(name), Value());
                const char next = Peek();
                ++at_;
                if (next == '}') {
                    return value;
                }
                if (next != ',') {
                    Fail("expected ',' or '}'");
                }
            }
        }
        if (c == '[') {
            value.kind = JsonValue::Kind::kArray;
            ++at_;
            if (Peek() == ']') {
                ++at_;
                return value;
            }
            for (;;) {
                value.elements.push_back(Value());
                const char next = Peek();
                ++at_;
                if (next == ']') {
                    return value;
                }
                if (next != ',') {
                    Fail("expected ',' or ']'");
                }
            }
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::kString;
            value.string = String();
        } else if (c == 't' || c == 'f') {
            value.kind = JsonValue::Kind::kBool;
            value.boolean = c == 't';
            Expect(c == 't' ? "true" : "false");
        } else if (c == 'n') {
            Expect("null");
        } else {
            value.kind = JsonValue::Kind::kNumber;
            value.number = Integer();
        }
        return value;
    }
    std::int64_t Integer() {
        const bool negative = text_[at_] == '-';
        if (negative) {
            ++at_;
        }
        const std::size_t start = at_;
        std::int64_t number = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            number = number * 10 + (text_[at_++] - '0');
        }
        if (at_ == start || (text_[start] == '0' && at_ - start > 1)) {
            Fail("not an integer");
        }
        return negative ? -number : number;
    }
    unsigned Hex4() {
        if (at_ + 4 > text_.size()) {
            Fail("short \\u escape");
        }
        unsigned code = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = text_[at_++];
            const auto digit =
                std::string_view("0123456789abcdef")
                    .find(static_cast<char>(h >= 'A' && h <= 'F' ? h - 'A' + 'a' : h));
            if (digit == std::string_view::npos) {
                Fail("bad \\u escape");
            }
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return code;
    }
    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    std::string String() {
        ++at_;  // the opening quote
        std::string text;
        for (;;) {
            if (at_ >= text_.size()) {
                Fail("unterminated string");
            }
            const char c = text_[at_++];
            if (c == '"') {
                return text;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                Fail("control character in a string");
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (at_ >= text_.size()) {
                Fail("unterminated escape");
            }
            const char e = text_[at_++];
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (const auto k = simple.find(e); k != simple.npos) {
                text += meant[k];
            } else if (e == 'u') {
                unsigned code = Hex4();
                if (code >= 0xD800 && code < 0xDC00) {
                    Expect("\\u");
                    code = 0x10000 + ((code - 0xD800) << 10) + (Hex4() - 0xDC00);
                }
                AppendUtf8(text, code);
            } else {
                Fail("bad escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view name) const {
    for (const auto& [member, value] : members) {
        if (member == name) {
            return value;
        }
    }
    throw std::out_of_range("no member " + std::string(name));
}

std::vector<std::string> JsonValue::MemberNames() const {
    std::vector<std::string> names;
    for (const auto& member : members) {
        names.push_back(member.first);
    }
    return names;
}

JsonValue ReadJson(std::string_view text) {
    return JsonReader(text).Document();
}

ItemCounts CountsOfJson(const JsonValue& object) {
    ItemCounts counts;
    for (const JsonValue& element : object["counts"].elements) {
        if (element.MemberNames() != std::vector<std::string>{"item", "count"}) {
            throw std::runtime_error("a count is not {item, count}");
        }
        counts.emplace_back(element["item"].string, element["count"].number);
    }
    return counts;
}

std::map<std::string, std::int64_t> ReadReportText(std::string_view text) {
    std::map<std::string, std::int64_t> counts;
    std::int64_t group = -1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == text.npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.find("统计结果") != line.npos || line.empty()) {
            continue;
        }
        if (const auto header = line.find("共"); header != line.npos && line[0] != ' ') {
            std::size_t digit = header + std::string_view("共").size();
            group = 0;
            while (digit < line.size() && line[digit] >= '0' && line[digit] <= '9') {
                group = group * 10 + (line[digit++] - '0');
            }
            const auto colon = line.find(':', digit) != line.npos ? line.find(':', digit) + 1
                                                                  : line.find("：", digit) + 3;
            line = line.substr(colon);
        }
        line = line.substr(line.find_first_not_of(' '));
        if (const auto suffix = line.find("（"); suffix != line.npos) {
            line = line.substr(0, suffix);
        }
        for (std::size_t item = 0; item < line.size();) {
            const std::size_t comma = line.find(',', item);
            counts[std::string(line.substr(item, comma - item))] = group;
            item = comma + 1;
        }
    }
    return counts;
}

}  // namespace cli::test
