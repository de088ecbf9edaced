// The scanning engine of all statistics of program A. It visits every byte
// position of the working text; at each position at most one thing can be
// found (a number written with digits, or one word), and each find adds 1 to
// a counter. The statistics differ in their words, in what the words count
// as, and in whether the marks 九, 号 and ： are removed first.
//
// At most one find per position holds because the words differ (those that
// share their first two bytes, like 合单 and 合双, differ in the rest and are
// tried in turn; none begins another), no word starts like a mark, and
// every word that starts with a digit has, as its second byte, one that
// keeps the digit from ending a number (头 尾 合 or a digit). The
// constructor checks all of this.
//
// The scan judges the positions of a stretch of text at once, from the bytes
// as they lie, and then counts its finds in order. Removing a mark moves
// nothing after it (see WorkingText), so the finds after a mark stay right;
// only the position of the mark itself is judged again once it has gone.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "grouped_report.h"
#include "working_text.h"

namespace kova::detail {

// The bytes right before a word that make it count as something else.
enum class Context : std::uint8_t {
    kNone,
    kAfterSum,  // 合 (合大, 合小, 合单, 合双)
    kAfterOne,  // the digit 1 (11合, 12合, 13合)
};

struct ScanWord {
    std::string_view word;  // 2 to 4 bytes
    int counter;            // the counter it adds 1 to
    Context context = Context::kNone;
    int counter_in_context = 0;  // used instead when the context holds; 0 counts nothing
};

class PositionScanner {
  public:
    // Counters run from 1 to counter_count. With reads_written_numbers the
    // counters 1..49 count the numbers written with digits, and the words
    // use higher ones.
    PositionScanner(const std::vector<ScanWord>& words, int counter_count, bool removes_marks,
                    bool reads_written_numbers);

    // The counts of a text, indexed by counter (slot 0 unused).
    std::vector<Tally> Count(std::string_view text) const;

  private:
    // What a find at a position stands for; finds 1..49 are written numbers.
    using Find = std::uint8_t;
    static constexpr Find kMarkFind = 0xFF;

    // How a find turns into a counter: the bytes of the word after its first
    // two must follow, and the bytes before it decide on its context. Sixteen
    // bytes, so that a find's meaning is found with a shift.
    struct alignas(16) FindMeaning {
        std::uint16_t rest_mask = 0;  // of the bytes at f + 2 and f + 3
        std::uint16_t rest = 0;
        std::uint16_t context_mask = 0;  // of the bytes at f - 2 and f - 1
        std::uint16_t context = 1;       // never met with a zero mask
        // The counter by whether the word is whole (twice) and whether its
        // context holds (once): none, none, counter, counter in context.
        std::array<std::uint8_t, 4> counter_of{};
        Find next_with_same_start = 0;  // the next word with the same first two bytes
    };

    // The find for each pair of first bytes, one entry per pair, so that a
    // position is judged with a single load. The pairs of a text are few, so
    // the entries it uses stay in the fastest cache.
    class PairTable {
      public:
        PairTable() : finds_(kPairs, 0) {}
        Find& Claim(unsigned char first, unsigned char second) {
            return finds_[std::size_t{first} | std::size_t{second} << 8];
        }
        Find At(const unsigned char* here) const {
            return AtPair(std::size_t{here[0]} | std::size_t{here[1]} << 8);
        }
        // The pair with its first byte in the low half.
        Find AtPair(std::size_t pair) const { return finds_[pair]; }

      private:
        static constexpr std::size_t kPairs = 256 * 256;
        std::vector<Find> finds_;
    };

    void AddWord(const ScanWord& word, Find find);
    std::size_t CountStretch(WorkingText& text, std::size_t length, Tally* counts) const;
    std::uint8_t CounterOf(Find find, const unsigned char* here) const;
    std::uint8_t CounterInChain(Find find, std::uint16_t rest, std::uint16_t before) const;

    int counter_count_;
    bool reads_written_numbers_;
    PairTable finds_;  // by the two bytes at f
    std::array<FindMeaning, 256> meanings_{};
};

}  // namespace kova::detail
