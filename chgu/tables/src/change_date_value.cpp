#include <algorithm>

#include "chgu/change_date_store.h"
#include "platform/codepage.h"

namespace chgu {

namespace {

// The longest start of well-formed code page 936 bytes that a reader takes
// in, ending between two characters.
std::size_t ReadableLength(std::string_view gbk) {
    std::size_t length = 0;
    while (length < gbk.size()) {
        const auto lead = static_cast<unsigned char>(gbk[length]);
        const std::size_t next = length + (lead >= 0x81 && lead <= 0xFE ? 2 : 1);
        if (next > kChangeDateReadCapacity) {
            break;
        }
        length = next;
    }
    return std::min(length, gbk.size());
}

}  // namespace

std::string ChangeDateValue(std::u16string_view text3) {
    std::string bytes = platform::Utf16ToGbk(text3);
    // A value longer than readers take would read back as no value at all,
    // and the next start would greet the user in place of the input box's
    // text; the text is kept only as far as a reader takes it.
    bytes.resize(ReadableLength(bytes));
    const std::size_t text_bytes = bytes.size();
    bytes.push_back('\0');
    // Length plus 3 fits a date in the design form, whose three Chinese
    // characters take two bytes each. A text with more double-byte
    // characters would be cut short, possibly inside a character, and read
    // back as a different text; it is stored whole instead.
    bytes.resize(std::clamp(text3.size() + 3, text_bytes, text_bytes + 1));
    bytes.resize(std::min(bytes.size(), kChangeDateReadCapacity));
    return bytes;
}

bool WriteChangeDate(ChangeDateStore& store, std::u16string_view text3) {
    const std::string value = ChangeDateValue(text3);
    store.Write(kChangeDateValueType, value);
    // Checked by reading back: no store reports its failures, and a value
    // read first from elsewhere would hide this one at the next start.
    return store.Read() == value;
}

std::u16string ReadChangeDate(const ChangeDateStore& store) {
    const std::optional<std::string> bytes = store.Read();
    if (!bytes || bytes->size() > kChangeDateReadCapacity) {
        return {};
    }
    const std::string_view data(*bytes);
    return platform::GbkToUtf16(data.substr(0, data.find('\0')));
}

void MemoryChangeDateStore::Write(std::uint32_t value_type, std::string_view value_bytes) {
    if (refuses_writes) {
        return;
    }
    type = value_type;
    bytes = std::string(value_bytes);
}

}  // namespace chgu
