// A digit ends a number unless the byte after it is another digit, the end of
// the text (0x00) or the lead byte of 次 (B4), 合 号 红 猴 (BA), 码 (C2),
// 头 (CD) or 尾 (CE): this keeps 共01次, （共00码）, 1合, 3头 and 5尾 from
// counting their digits. The number is
// - the digit alone (1..9) when the byte before it is not a digit, the start
//   of the text (0x00) or the byte B9;
// - the two digits ending here when the byte before is a digit and they make
//   01..49. No byte further back is looked at, so 123 counts 23, and 00 and
//   50..99 count nothing.
//
// The rules are written as arithmetic on bytes with no branches and no
// tables, so that the compiler can judge many positions at once.
#include "written_numbers.h"

namespace kova::detail {

namespace {

using Byte = std::uint8_t;

// 1 or 0. Written with + rather than ||, which compilers turn into a bit test
// that they cannot apply to many bytes at once.
inline Byte StopsNumber(Byte next) {
    const Byte next_digit = static_cast<Byte>(next - '0');
    return static_cast<Byte>((next_digit < 10) + (next == 0x00) + (next == 0xB4) + (next == 0xBA) +
                             (next == 0xC2) + (next == 0xCD) + (next == 0xCE)) != 0;
}

// 0xFF when condition is 1, 0 when it is 0.
inline Byte Mask(Byte condition) {
    return static_cast<Byte>(-condition);
}

}  // namespace

bool EndsNumber(unsigned char next) {
    return StopsNumber(next) == 0;
}

void FindWrittenNumbers(const unsigned char* here, std::size_t length, std::uint8_t* numbers) {
    const unsigned char* before_here = here - 1;
    const unsigned char* after_here = here + 1;
    for (std::size_t i = 0; i < length; ++i) {
        const Byte before = before_here[i];
        const Byte digit = static_cast<Byte>(here[i] - '0');
        const Byte before_digit = static_cast<Byte>(before - '0');
        const Byte ends = static_cast<Byte>((digit < 10) & (StopsNumber(after_here[i]) == 0));
        const Byte alone = static_cast<Byte>((digit != 0) & (before_digit >= 10) &
                                             (before != 0x00) & (before != 0xB9));
        const Byte two_digits = static_cast<Byte>(before_digit * 10 + digit);
        const Byte pair =
            static_cast<Byte>((before_digit < 10) & (two_digits >= 1) & (two_digits <= 49));
        numbers[i] =
            static_cast<Byte>((Mask(ends & alone) & digit) | (Mask(ends & pair) & two_digits));
    }
}

}  // namespace kova::detail
