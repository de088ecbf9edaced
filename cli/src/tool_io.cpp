#include "cli/tool_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <system_error>
#include <thread>

#include "platform/codepage.h"
#include "platform/command_line.h"
#include "platform/large_pages.h"
#include "utf16_input.h"

namespace cli {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string ErrnoText() {
    return std::generic_category().message(errno);
}

constexpr std::string_view kHoldsNul =
    ": it holds a NUL character, which no text does (UTF-16 without a byte-order mark "
    "needs --encoding utf-16)";

std::string_view ByteOrderMark() {
    return "\xEF\xBB\xBF";
}

// Reads the stream to its end in blocks; take(block, last) returns how many
// of a block's bytes it used, and those it left come again, before the next
// block. Gives the stream's size as reserve(size) first. False on a read
// error.
template <typename Reserve, typename Take>
bool ReadBlocks(std::FILE* file, std::size_t block_bytes, Reserve reserve, Take take) {
    reserve(platform::RegularFileSize(file));
    std::string buffer;
    std::size_t left = 0;
    for (;;) {
        buffer.resize(left + block_bytes);
        const std::size_t got = std::fread(buffer.data() + left, 1, block_bytes, file);
        if (got < block_bytes && std::ferror(file) != 0) {
            return false;
        }
        const bool last = got < block_bytes;
        const std::size_t size = left + got;
        const std::size_t used = take(std::string_view(buffer.data(), size), last);
        if (last) {
            return true;
        }
        left = size - used;
        std::memmove(buffer.data(), buffer.data() + used, left);
    }
}

// Opens the input, reads it with ReadBlocks, and sets error when it fails.
template <typename Reserve, typename Take>
bool ReadInput(const std::optional<std::string>& path, std::size_t block_bytes, std::string& error,
               Reserve reserve, Take take) {
    errno = 0;
    if (!path) {
        if (!ReadBlocks(stdin, block_bytes, reserve, take)) {
            error = std::string("cannot read standard input: ").append(ErrnoText());
            return false;
        }
        return true;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(
        platform::OpenForReading(platform::PathFromArgument(*path)));
    if (!file) {
        error = std::string("cannot open '").append(*path).append("': ").append(ErrnoText());
        return false;
    }
    if (!ReadBlocks(file.get(), block_bytes, reserve, take)) {
        error = std::string("cannot read '").append(*path).append("': ").append(ErrnoText());
        return false;
    }
    return true;
}

// A large block converted in two halves at once, the second on a thread of
// its own: the conversion is most of a tool's time before it counts. The
// halves meet where a character must start, so that together they convert
// as the whole block: at a byte below `starts_below`, which no character
// before it takes as one of its own (ASCII in UTF-8; below 0x40, under any
// trail byte, in code page 936).
constexpr unsigned char kUtf8CharacterStart = 0x80;
constexpr unsigned char kGbkCharacterStart = 0x40;

template <typename Text, typename Append>
class HalvesConverter {
  public:
    HalvesConverter(Append append, unsigned char starts_below)
        : append_(append), starts_below_(starts_below) {}

    std::size_t operator()(Text& text, std::string_view block, bool last) {
        constexpr std::size_t kSmallestHalf = std::size_t{1} << 16;
        std::size_t split = block.size() / 2;
        while (split < block.size() && static_cast<unsigned char>(block[split]) >= starts_below_) {
            ++split;
        }
        if (split < kSmallestHalf || block.size() - split < kSmallestHalf) {
            return append_(text, block, last);
        }
        second_.clear();
        std::size_t second_took = 0;
        // Memory that runs out on the second thread ends the run as on the
        // first (see RunCatchingExhaustion), not the program.
        std::exception_ptr second_failed;
        std::thread second;
        try {
            second = std::thread([&] {
                try {
                    second_took = append_(second_, block.substr(split), last);
                } catch (...) {
                    second_failed = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had (a limit of the system's): one at a time.
            return append_(text, block, last);
        }
        try {
            append_(text, block.substr(0, split), true);
        } catch (...) {
            second.join();
            throw;
        }
        second.join();
        if (second_failed) {
            std::rethrow_exception(second_failed);
        }
        text.append(second_);
        return split + second_took;
    }

  private:
    Append append_;
    unsigned char starts_below_;
    Text second_;  // kept from block to block, so that its memory is reused
};

// A UTF-8 input's converter: the byte-order mark at its start is no part of
// the text.
template <typename Convert>
class AfterByteOrderMark {
  public:
    explicit AfterByteOrderMark(Convert convert) : convert_(std::move(convert)) {}

    template <typename Text>
    std::size_t operator()(Text& text, std::string_view block, bool last) {
        std::size_t mark = 0;
        if (at_start_) {
            if (block.size() < ByteOrderMark().size() && !last) {
                return 0;  // the mark may go on in the next block
            }
            at_start_ = false;
            mark = block.starts_with(ByteOrderMark()) ? ByteOrderMark().size() : 0;
        }
        return mark + convert_(text, block.substr(mark), last);
    }

  private:
    Convert convert_;
    bool at_start_ = true;
};

// An input that starts with a UTF-16 byte-order mark, or any input when
// --encoding utf-16 says so, is UTF-16; every other goes to the encoding's
// own converter.
template <typename Convert>
class Utf16WhenMarked {
  public:
    Utf16WhenMarked(Convert convert, bool utf16) : convert_(std::move(convert)) {
        if (utf16) {
            order_ = Utf16Order::kLittleEndian;
        }
    }

    template <typename Text>
    std::size_t operator()(Text& text, std::string_view block, bool last) {
        std::size_t mark = 0;
        if (at_start_) {
            if (block.size() < kUtf16MarkBytes && !last) {
                return 0;  // the mark may go on in the next block
            }
            at_start_ = false;
            if (const auto marked = Utf16ByteOrderMark(block)) {
                order_ = marked;
                mark = kUtf16MarkBytes;
            }
        }
        if (order_) {
            return mark + AppendUtf16Bytes(text, block.substr(mark), *order_, last);
        }
        return convert_(text, block, last);
    }

  private:
    Convert convert_;
    bool at_start_ = true;
    std::optional<Utf16Order> order_;
};

// The input as a text, its blocks put in by convert(text, block, last), in
// room made once for a file's size, in large pages where the system has
// them. A text that holds a NUL is refused (see tool_io.h).
template <typename Text, typename Convert>
std::optional<Text> ReadText(const std::optional<std::string>& path, std::size_t block_bytes,
                             std::string& error, Convert convert) {
    Text text;
    const auto make_room = [&](std::size_t size) {
        text.reserve(size + platform::kConversionRoom);
        platform::PreferLargePages(text.data(), text.capacity() * sizeof(text[0]));
    };
    bool nul = false;
    const auto take = [&](std::string_view block, bool last) {
        const std::size_t before = text.size();
        const std::size_t used = convert(text, block, last);
        nul = nul || text.find(typename Text::value_type{0}, before) != Text::npos;
        return used;
    };
    if (!ReadInput(path, block_bytes, error, make_room, take)) {
        return std::nullopt;
    }
    if (nul) {
        error = (path ? "cannot read '" + *path + "'" : std::string("cannot read standard input"))
                    .append(kHoldsNul);
        return std::nullopt;
    }
    return text;
}

// Code page 936 as it is.
std::size_t AppendAsIs(std::string& text, std::string_view block, bool) {
    text.append(block);
    return block.size();
}

template <typename Text, typename Append>
HalvesConverter<Text, Append> Halves(Append append, unsigned char starts_below) {
    return HalvesConverter<Text, Append>(append, starts_below);
}

}  // namespace

std::optional<std::string> ReadInputAsGbk(const std::optional<std::string>& path, Encoding encoding,
                                          std::string& error, std::size_t block_bytes) {
    const bool utf16 = encoding == Encoding::kUtf16;
    if (encoding == Encoding::kGbk) {
        return ReadText<std::string>(path, block_bytes, error, Utf16WhenMarked(AppendAsIs, utf16));
    }
    return ReadText<std::string>(
        path, block_bytes, error,
        Utf16WhenMarked(
            AfterByteOrderMark(Halves<std::string>(platform::AppendUtf8AsGbk, kUtf8CharacterStart)),
            utf16));
}

std::optional<std::u16string> ReadInputAsUtf16(const std::optional<std::string>& path,
                                               Encoding encoding, std::string& error,
                                               std::size_t block_bytes) {
    const bool utf16 = encoding == Encoding::kUtf16;
    if (encoding == Encoding::kGbk) {
        return ReadText<std::u16string>(
            path, block_bytes, error,
            Utf16WhenMarked(Halves<std::u16string>(platform::AppendGbkAsUtf16, kGbkCharacterStart),
                            utf16));
    }
    return ReadText<std::u16string>(
        path, block_bytes, error,
        Utf16WhenMarked(AfterByteOrderMark(Halves<std::u16string>(platform::AppendUtf8AsUtf16,
                                                                  kUtf8CharacterStart)),
                        utf16));
}

bool WriteStandardOutput(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

void Notify(std::string_view tool, std::string_view message) {
    std::string line(tool);
    line.append(": ").append(message).append("\n");
    std::fputs(line.c_str(), stderr);
}

int FailOutOfMemory(std::string_view tool) {
    // Written in pieces: the memory for one line may be what ran out.
    std::fwrite(tool.data(), 1, tool.size(), stderr);
    std::fputs(": out of memory\n", stderr);
    return kUsageError;
}

int Fail(std::string_view tool, std::string_view message) {
    Notify(tool, message);
    return kUsageError;
}

int Print(std::string_view tool, std::string_view text, const std::optional<std::string>& notice) {
    if (!WriteStandardOutput(text)) {
        return Fail(tool, "cannot write standard output");
    }
    if (notice) {
        Notify(tool, *notice);
    }
    return 0;
}

}  // namespace cli
