// Where a character ends in code page 936 depends on every byte before it
// (a trail byte can also be a lead byte), so a loop that decides one
// character at a time waits on each. The block path finds the characters of
// 64 bytes at once: a pair can start wherever a lead byte stands before a
// trail byte, and in a run of such places the pairs take every second one
// from the start of the run, which a carry through the run's bits picks
// out. Each character is then one load from the table of Cp936Steps.
#include <array>
#include <bit>
#include <cstdint>

#include "byte_vectors.h"
#include "conversion_readers.h"
#include "conversion_sinks.h"
#include "cp936_steps.h"

namespace platform::detail {

namespace {

// Reads the characters that start in the first `limit` bytes; returns the
// bytes they take.
template <typename Sink>
std::size_t ReadOneByOne(const unsigned char* in, std::size_t available, std::size_t limit,
                         const Cp936Steps& steps, Sink& sink) {
    std::size_t read = 0;
    while (read < limit) {
        // Past the end reads as 0x00, which is no trail byte.
        const unsigned char next = read + 1 < available ? in[read + 1] : 0;
        sink.Put(steps.UnitOf(in[read], next));
        read += steps.LengthOf(in[read], next);
    }
    return read;
}

#ifdef PLATFORM_HAS_BYTE_VECTORS

constexpr std::uint64_t kEvenBits = 0x5555555555555555;
constexpr std::uint64_t kOddBits = ~kEvenBits;

// Of the places where a pair could start (a lead byte before a trail byte),
// those where one does, given that the block begins with a character: in
// each run of such places, every second one from the run's first. Adding a
// run's lowest bit clears the whole run, so adding the first bits of the
// runs that start at odd places leaves only the runs that start at even
// ones.
std::uint64_t PairStarts(std::uint64_t could_start) {
    const std::uint64_t run_starts = could_start & ~(could_start << 1);
    const std::uint64_t even_runs = could_start & (could_start + (run_starts & kOddBits));
    const std::uint64_t odd_runs = could_start & ~even_runs;
    return (even_runs & kEvenBits) | (odd_runs & kOddBits);
}

// Reads the characters that start in the first `limit` bytes of the block at
// `in` (which begins with a character, and may be read kBlockReach bytes past
// its end); returns the bytes they take.
template <typename Sink>
std::size_t ReadBlock(const unsigned char* in, std::size_t limit, const Cp936Steps& steps,
                      Sink& block_sink) {
    std::uint64_t high = 0;
    std::uint64_t could_start = 0;
    for (std::size_t k = 0; k < kBlockBytes / 16; ++k) {
        const ByteVector byte = ByteVector::Load(in + 16 * k);
        const ByteVector next = ByteVector::Load(in + 16 * k + 1);
        ByteVector lead = byte.AtLeast(0x80).AndNot(byte.Equals(0xFF));
        for (const unsigned char single : steps.single_bytes) {
            lead = lead.AndNot(byte.Equals(single));
        }
        const ByteVector trail =
            next.AtLeast(0x40).AndNot(next.Equals(0x7F)).AndNot(next.Equals(0xFF));
        high |= byte.Bits() << (16 * k);
        could_start |= (lead & trail).Bits() << (16 * k);
    }
    const std::uint64_t below = BitsBelow(limit);
    if ((high & below) == 0) {
        block_sink.PutAscii(in, limit);
        return limit;
    }
    const std::uint64_t pairs = PairStarts(could_start);
    const std::uint64_t starts = ~(pairs << 1) & below;
    Sink sink = block_sink;
    for (std::uint64_t rest = starts; rest != 0; rest &= rest - 1) {
        sink.Put(steps.UnitAt(in + std::countr_zero(rest)));
    }
    block_sink.out = sink.out;
    const unsigned last = 63 - static_cast<unsigned>(std::countl_zero(starts));
    return last + 1 + (pairs >> last & 1);
}

#endif

}  // namespace

template <typename Sink>
std::size_t ReadCp936Piece(const unsigned char* gbk, std::size_t size, std::size_t pos,
                           std::size_t piece_end, Sink& sink) {
    const Cp936Steps& steps = TheCp936Steps();
    return ReadInBlocks(
        size, pos, piece_end,
        [&](std::size_t at, std::size_t limit) {
#ifdef PLATFORM_HAS_BYTE_VECTORS
            return ReadBlock(gbk + at, limit, steps, sink);
#else
            return std::size_t{0};
#endif
        },
        [&](std::size_t at, std::size_t limit) {
            return ReadOneByOne(gbk + at, size - at, limit, steps, sink);
        });
}

template std::size_t ReadCp936Piece(const unsigned char*, std::size_t, std::size_t, std::size_t,
                                    Utf16Sink&);
template std::size_t ReadCp936Piece(const unsigned char*, std::size_t, std::size_t, std::size_t,
                                    Utf8Sink&);

}  // namespace platform::detail
