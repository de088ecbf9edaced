#include "range_input.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "yeartables/numbers.h"

namespace kova {

using yeartables::kLastNumber;

namespace {

// A decimal integer: an optional sign and at least one digit, nothing else,
// within the range of int.
std::optional<int> ReadInteger(std::u16string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

struct BoxText {
    std::u16string_view read;  // the part of the box that is read
    bool leading_zero;
};

BoxText PartRead(std::u16string_view box) {
    if (!box.empty() && box.front() == u'0') {
        return {box.substr(1, 1), true};
    }
    return {box, false};
}

RangeValue Read(std::u16string_view box, int lowest_usable) {
    const BoxText part = PartRead(box);
    if (part.leading_zero && part.read.empty()) {
        return {RangeValue::Kind::kNumber, 0, {}};
    }
    const std::optional<int> value = ReadInteger(part.read);
    if (!value) {
        return {RangeValue::Kind::kNotAnInteger, 0, std::u16string(part.read)};
    }
    // After a leading "0" the value is one digit or a sign, e.g. "0-": the
    // sign alone is no integer, so a value read here is never negative.
    if (!part.leading_zero && *value < lowest_usable) {
        return {RangeValue::Kind::kNoNumber, 0, {}};
    }
    return {RangeValue::Kind::kNumber, *value, {}};
}

}  // namespace

RangeValue ReadRangeStart(std::u16string_view edit1) {
    return Read(edit1, 0);
}

RangeValue ReadRangeEnd(std::u16string_view edit2) {
    RangeValue end = Read(edit2, 1);
    end.number = std::min(end.number, kLastNumber);
    return end;
}

std::u16string ConversionErrorMessage(std::u16string_view text) {
    std::u16string message = u"'";
    message.append(text).append(u"' is not a valid integer value");
    return message;
}

}  // namespace kova
