#include "position_scanner.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "word_rules.h"
#include "written_numbers.h"

namespace kova::detail {

namespace {

constexpr std::size_t kStretch = WorkingText::kStretchLength;

// Positions whose finds are gathered into one mask of bits.
constexpr std::size_t kBlock = 64;

// Eight bytes from `bytes` on, byte k in bits 8k and up: one load or store
// on little-endian hosts, byte by byte on others.
std::uint64_t LoadEight(const std::uint8_t* bytes) {
    std::uint64_t eight = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&eight, bytes, sizeof eight);
    } else {
        for (std::size_t k = 0; k < 8; ++k) {
            eight |= std::uint64_t{bytes[k]} << (8 * k);
        }
    }
    return eight;
}

void StoreEight(std::uint64_t eight, std::uint8_t* bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes, &eight, sizeof eight);
    } else {
        for (std::size_t k = 0; k < 8; ++k) {
            bytes[k] = static_cast<std::uint8_t>(eight >> (8 * k));
        }
    }
}

// A bit for each of the kBlock bytes from `bytes` on that is not zero, the
// first byte in the lowest bit. Eight bytes are judged at a time with
// arithmetic on one 64-bit word, which every compiler makes fast.
std::uint64_t NonZeroBytes(const std::uint8_t* bytes) {
#if defined(__SSE2__) || defined(_M_X64)
    // Where the processor compares sixteen bytes at once (every x86-64
    // processor), four comparisons do it.
    std::uint64_t zero = 0;
    for (std::size_t k = 0; k < kBlock / 16; ++k) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * k));
        zero |= static_cast<std::uint64_t>(
                    _mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, _mm_setzero_si128())))
                << (16 * k);
    }
    return ~zero;
#else
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    // Multiplying moves bit 8k to bit 56 + k, with no carries between them.
    constexpr std::uint64_t kGatherHighBits = 0x0102040810204080;
    std::uint64_t mask = 0;
    for (std::size_t word = 0; word < kBlock / 8; ++word) {
        const std::uint64_t eight = LoadEight(bytes + word * 8);
        // The top bit of a byte is set when its low seven bits add up to
        // 0x80 or more with 0x7F, or when it was set already: when the byte
        // is not zero. No carry crosses a byte.
        const std::uint64_t top_bits = (((eight & kLow7) + kLow7) | eight) & ~kLow7;
        mask |= ((top_bits >> 7) * kGatherHighBits >> 56) << (word * 8);
    }
    return mask;
#endif
}

// The bits of a block below `count` (any count).
std::uint64_t BitsBelow(std::size_t count) {
    return count >= kBlock ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

constexpr int kFirstWordFind = kLastNumber + 1;

// Two bytes as the scanner reads them: the first in the low half.
std::uint16_t TwoBytes(unsigned char first, unsigned char second) {
    return static_cast<std::uint16_t>(first | second << 8);
}

// The two bytes from `bytes` on, in one load on little-endian hosts.
std::uint16_t TwoBytesAt(const unsigned char* bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint16_t two;
        std::memcpy(&two, bytes, sizeof two);
        return two;
    } else {
        return TwoBytes(bytes[0], bytes[1]);
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

PositionScanner::PositionScanner(const std::vector<ScanWord>& words, int counter_count,
                                 bool removes_marks, bool reads_written_numbers)
    : counter_count_(counter_count), reads_written_numbers_(reads_written_numbers) {
    if (counter_count < 0 || counter_count > 0xFF ||
        (reads_written_numbers && counter_count < kLastNumber) ||
        words.size() > std::size_t{kMarkFind - kFirstWordFind}) {
        throw std::logic_error("position scanner: too many counters or words");
    }
    if (reads_written_numbers) {
        for (int number = kFirstNumber; number <= kLastNumber; ++number) {
            const auto counter = static_cast<std::uint8_t>(number);
            meanings_[static_cast<std::size_t>(number)].counter_of = {0, 0, counter, counter};
        }
    }
    Find find = kFirstWordFind;
    for (const ScanWord& word : words) {
        AddWord(word, find++);
    }
    if (removes_marks) {
        for (std::string_view mark : kRemovedMarks) {
            Find& slot = finds_.Claim(static_cast<unsigned char>(mark[0]),
                                      static_cast<unsigned char>(mark[1]));
            if (slot != 0) {
                throw std::logic_error("position scanner: a word starts like a mark");
            }
            slot = kMarkFind;
        }
    }
}

void PositionScanner::AddWord(const ScanWord& word, Find find) {
    const std::string_view bytes = word.word;
    if (bytes.size() < 2 || bytes.size() > WorkingText::kLongestWord) {
        throw std::logic_error("position scanner: words have two to four bytes");
    }
    if (reads_written_numbers_ && IsDigit(bytes[0]) &&
        EndsNumber(static_cast<unsigned char>(bytes[1]))) {
        throw std::logic_error("position scanner: a word would also be read as a number");
    }
    const auto counter = [this](int value) {
        if (value < 0 || value > counter_count_) {
            throw std::logic_error("position scanner: counter out of range");
        }
        return static_cast<std::uint8_t>(value);
    };
    const auto byte = [bytes](std::size_t i) -> unsigned char {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    const auto present = [bytes](std::size_t i) -> unsigned char {
        return i < bytes.size() ? 0xFF : 0;
    };

    FindMeaning& meaning = meanings_[find];
    meaning.rest = TwoBytes(byte(2), byte(3));
    meaning.rest_mask = TwoBytes(present(2), present(3));
    switch (word.context) {
        case Context::kNone:
            break;
        case Context::kAfterSum:
            meaning.context = TwoBytes(static_cast<unsigned char>(kSumCharacter[0]),
                                       static_cast<unsigned char>(kSumCharacter[1]));
            meaning.context_mask = 0xFFFF;
            break;
        case Context::kAfterOne:
            meaning.context = TwoBytes(0, kTeenDigit);
            meaning.context_mask = TwoBytes(0, 0xFF);
            break;
    }
    meaning.counter_of = {0, 0, counter(word.counter), counter(word.counter_in_context)};

    // Words with the same first two bytes are chained; one must not begin
    // the other, or both would be found at one position.
    Find* slot = &finds_.Claim(byte(0), byte(1));
    for (; *slot != 0; slot = &meanings_[*slot].next_with_same_start) {
        const FindMeaning& other = meanings_[*slot];
        if (*slot == kMarkFind) {
            throw std::logic_error("position scanner: a word starts like a mark");
        }
        if ((meaning.rest & other.rest_mask) == other.rest ||
            (other.rest & meaning.rest_mask) == meaning.rest) {
            throw std::logic_error("position scanner: one word begins another");
        }
    }
    *slot = find;
}

// A position holds words and numbers in no order a branch could foresee,
// so a find whose word shares its first two bytes with no other (most do)
// picks its counter from the two tests without one: counter_of holds
// the counter for each outcome. Only words in a chain walk it.
inline std::uint8_t PositionScanner::CounterOf(Find find, const unsigned char* here) const {
    const std::uint16_t rest = TwoBytesAt(here + 2);
    const std::uint16_t before = TwoBytesAt(here - 2);
    const FindMeaning& meaning = meanings_[find];
    if (meaning.next_with_same_start != 0) [[unlikely]] {
        return CounterInChain(find, rest, before);
    }
    const unsigned whole = (rest & meaning.rest_mask) == meaning.rest;
    const unsigned in_context = (before & meaning.context_mask) == meaning.context;
    return meaning.counter_of[2 * whole + in_context];
}

std::vector<Tally> PositionScanner::Count(std::string_view text) const {
    std::vector<Tally> counts(static_cast<std::size_t>(counter_count_) + 1, 0);
    WorkingText working(text);
    while (!working.Done()) {
        const std::size_t length = working.LoadStretch();
        working.AdvanceBy(CountStretch(working, length, counts.data()));
    }
    counts[0] = 0;  // where finds that count nothing were added
    return counts;
}

// Counts the finds at the `length` positions of the loaded stretch; returns
// how many bytes the scan has passed, more than length when marks at the end
// of the stretch reached beyond it.
std::size_t PositionScanner::CountStretch(WorkingText& text, std::size_t length,
                                          Tally* counts) const {
    const unsigned char* here = text.Here();
    // The find at every position, judged first for all positions at once:
    // the iterations do not depend on each other, so the processor overlaps
    // their table loads. Zeros pad the last block of kBlock positions.
    std::array<Find, kStretch + kBlock> finds;
    if (reads_written_numbers_) {
        FindWrittenNumbers(here, length, finds.data());
    } else {
        std::fill_n(finds.begin(), length, Find{0});
    }
    const auto past_stretch = finds.begin() + static_cast<std::ptrdiff_t>(length);
    std::fill_n(past_stretch, kBlock, Find{0});
    // Eight positions at a time, so that their finds take one load and one
    // store; each position's two bytes are one load too, and the table loads
    // are then most of the work.
    for (std::size_t i = 0; i < length; i += 8) {
        std::uint64_t eight_finds = LoadEight(finds.data() + i);
        for (std::size_t k = 0; k < 8; ++k) {
            eight_finds |= std::uint64_t{finds_.AtPair(TwoBytesAt(here + i + k))} << (8 * k);
        }
        StoreEight(eight_finds, finds.data() + i);
    }
    std::fill_n(past_stretch, kBlock, Find{0});  // the table pass ran up to 7 bytes over

    // Deleting marks moves nothing after them, so the finds judged for the
    // bytes after them stay right; the deleted bytes are passed over: their
    // finds are cleared, in the block's bits and, for the blocks after it,
    // in finds.
    std::size_t passed = 0;  // bytes before this one have been dealt with
    for (std::size_t block = 0; block < length; block += kBlock) {
        // Only the positions that find something are visited, in order.
        std::uint64_t found = NonZeroBytes(finds.data() + block);
        while (found != 0) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(found));
            found &= found - 1;
            const Find find = finds[at];
            if (find != kMarkFind) {
                ++counts[CounterOf(find, here + at)];
                continue;
            }
            // The numbers at this position were read with the mark in place
            // (it is not a digit, so there are none); the words are read once
            // the marks have gone, from the byte that followed them.
            const std::size_t after_marks = at + RemoveMarksAhead(text, at);
            const Find word = finds_.At(here + after_marks);
            if (word >= kFirstWordFind && word != kMarkFind) {
                ++counts[CounterOf(word, here + after_marks)];
            }
            passed = after_marks + 1;
            std::fill(finds.begin() + static_cast<std::ptrdiff_t>(at),
                      finds.begin() + static_cast<std::ptrdiff_t>(passed), Find{0});
            found &= ~BitsBelow(passed - block);
        }
    }
    return std::max(length, passed);
}

std::uint8_t PositionScanner::CounterInChain(Find find, std::uint16_t rest,
                                             std::uint16_t before) const {
    for (; find != 0; find = meanings_[find].next_with_same_start) {
        const FindMeaning& meaning = meanings_[find];
        if ((rest & meaning.rest_mask) == meaning.rest) {
            const bool in_context = (before & meaning.context_mask) == meaning.context;
            return meaning.counter_of[2 + in_context];
        }
    }
    return 0;
}

}  // namespace kova::detail
