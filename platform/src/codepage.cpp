// Every conversion is one reader and one sink (conversion_readers.h,
// conversion_sinks.h): one pass over the input, writing the output as it
// goes.
#include "platform/codepage.h"

#include <algorithm>

#include "conversion_readers.h"
#include "conversion_sinks.h"
#include "platform/large_pages.h"

namespace platform {

namespace {

const unsigned char* Units(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}
const char16_t* Units(std::u16string_view text) {
    return text.data();
}

static_assert((detail::kPieceUnits + detail::kLongestCharacter) * 4 + detail::kOutSlack <=
                  kConversionRoom,
              "a piece's room past the text fits in what the callers reserve");

// The output grows by at least this many units at a time while it stays
// within what was reserved, so that it is seldom resized.
constexpr std::size_t kGrowth = std::size_t{1} << 16;

// Converts the characters of `in` that start before `stop` onto the end of
// `out`, piece by piece, with read(units, size, pos, piece_end, sink);
// returns the units they take.
template <typename Sink, typename In, typename Read>
std::size_t ConvertOnto(std::basic_string<typename Sink::Unit>& out, In in, std::size_t stop,
                        Read read) {
    Sink sink{};
    std::size_t written = out.size();
    std::size_t pos = 0;
    while (pos < stop) {
        const std::size_t piece_end = std::min(stop, pos + detail::kPieceUnits);
        const std::size_t room =
            (piece_end - pos + detail::kLongestCharacter) * Sink::kMostPerCharacter +
            detail::kOutSlack;
        if (out.size() < written + room) {
            out.resize(std::max(written + room, std::min(out.capacity(), written + kGrowth)));
        }
        sink.out = out.data() + written;
        pos += read(Units(in), in.size(), pos, piece_end, sink);
        written = static_cast<std::size_t>(sink.out - out.data());
    }
    out.resize(written);
    return pos;
}

template <typename Sink, typename In, typename Read>
std::basic_string<typename Sink::Unit> Convert(In in, std::size_t reserve, Read read) {
    std::basic_string<typename Sink::Unit> out;
    out.reserve(reserve + kConversionRoom);
    PreferLargePages(out.data(), out.capacity() * sizeof(out[0]));
    ConvertOnto<Sink>(out, in, in.size(), read);
    return out;
}

// A block's characters that are whole within it: unless it is the last, those
// that start before its final bytes, where the longest character could run
// past its end.
template <typename Sink, typename Read>
std::size_t AppendBlock(std::basic_string<typename Sink::Unit>& out, std::string_view block,
                        bool last, Read read) {
    const std::size_t keep = last ? 0 : detail::kLongestCharacter - 1;
    if (block.size() <= keep) {
        return 0;
    }
    return ConvertOnto<Sink>(out, block, block.size() - keep, read);
}

}  // namespace

// Each reserves what the conversions first written reserved.

std::u16string Utf8ToUtf16(std::string_view utf8) {
    return Convert<detail::Utf16Sink>(utf8, utf8.size(), detail::ReadUtf8Piece<detail::Utf16Sink>);
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    return Convert<detail::Utf8Sink>(utf16, utf16.size() * 3 / 2,
                                     detail::ReadUtf16Piece<detail::Utf8Sink>);
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    return Convert<detail::Cp936Sink>(utf16, utf16.size() * 2,
                                      detail::ReadUtf16Piece<detail::Cp936Sink>);
}

std::u16string GbkToUtf16(std::string_view gbk) {
    return Convert<detail::Utf16Sink>(gbk, gbk.size(), detail::ReadCp936Piece<detail::Utf16Sink>);
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert<detail::Cp936Sink>(utf8, utf8.size(), detail::ReadUtf8Piece<detail::Cp936Sink>);
}

std::string GbkToUtf8(std::string_view gbk) {
    return Convert<detail::Utf8Sink>(gbk, gbk.size() * 3 / 2,
                                     detail::ReadCp936Piece<detail::Utf8Sink>);
}

std::size_t AppendUtf8AsGbk(std::string& out, std::string_view block, bool last) {
    return AppendBlock<detail::Cp936Sink>(out, block, last,
                                          detail::ReadUtf8Piece<detail::Cp936Sink>);
}

std::size_t AppendUtf8AsUtf16(std::u16string& out, std::string_view block, bool last) {
    return AppendBlock<detail::Utf16Sink>(out, block, last,
                                          detail::ReadUtf8Piece<detail::Utf16Sink>);
}

std::size_t AppendGbkAsUtf16(std::u16string& out, std::string_view block, bool last) {
    return AppendBlock<detail::Utf16Sink>(out, block, last,
                                          detail::ReadCp936Piece<detail::Utf16Sink>);
}

}  // namespace platform
