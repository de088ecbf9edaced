// The stored change date. On Windows it is the value "ChangeDate" of the key
// "Software\ChguStat", of type 0 (REG_NONE), holding the text of Text3 in
// code page 936: written under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, and
// read from HKEY_CURRENT_USER first. Elsewhere the same bytes live in a file
// of the user's configuration folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/stored_value.h"

namespace chgu {

inline constexpr std::uint32_t kChangeDateValueType = 0;  // REG_NONE, not REG_SZ
// Readers use a 256-byte buffer: at most 255 bytes of data and a terminator.
// A longer value does not fit and reads as no value.
inline constexpr std::size_t kChangeDateReadCapacity = 255;

// Where the change date is kept: the value of this key, or elsewhere the
// file chgu/ChangeDate of the user's configuration folder.
inline const platform::ValuePlace kChangeDatePlace = {"Software\\ChguStat", "ChangeDate", "chgu",
                                                      kChangeDateReadCapacity};

// Where the change date is kept. Failures are silent: a value that cannot be
// read is no value, and a write that fails leaves what was stored.
using ChangeDateStore = platform::StoredValue;

// The bytes stored for the text of Text3: its code page 936 form, counted as
// its length in characters plus 3 but never beyond the text and its
// terminating NUL. A date in the design form is exactly its 14 encoded bytes.
// A text beyond kChangeDateReadCapacity bytes keeps only the characters that
// fit, so that it always reads back.
std::string ChangeDateValue(std::u16string_view text3);

// Storing and reading back the text of Text3. Writing answers whether the
// store now reads back the value written, that is whether the next start
// will show this date: a refused write, or one that an older value read
// first still hides, is no save. Reading keeps the text before the first
// NUL; no value, or one that does not fit, gives "".
bool WriteChangeDate(ChangeDateStore& store, std::u16string_view text3);
std::u16string ReadChangeDate(const ChangeDateStore& store);

// A store held in memory, for tests and for runs that keep nothing.
class MemoryChangeDateStore final : public ChangeDateStore {
  public:
    std::optional<std::string> Read() const override { return bytes; }
    void Write(std::uint32_t value_type, std::string_view value_bytes) override;

    std::optional<std::string> bytes;
    std::uint32_t type = kChangeDateValueType;
    // Set to behave like a machine-wide key that the user may not write.
    bool refuses_writes = false;
};

// Two stores as one: the user's read first and the machine's when the user's
// holds no value that fits, so that a date stored by an earlier installation
// under the machine's key is still found; a write goes to both, as either
// may be refused (an ordinary user may not write the machine's key).
class UserFirstChangeDateStore final : public ChangeDateStore {
  public:
    UserFirstChangeDateStore(std::unique_ptr<ChangeDateStore> user,
                             std::unique_ptr<ChangeDateStore> machine)
        : user_(std::move(user)), machine_(std::move(machine)) {}

    std::optional<std::string> Read() const override;
    void Write(std::uint32_t type, std::string_view bytes) override;

  private:
    std::unique_ptr<ChangeDateStore> user_;
    std::unique_ptr<ChangeDateStore> machine_;
};

// The store of this system (platform/stored_value.h): the user's value
// first, then the machine's. In a build with tests the environment variable
// CHGU_CHANGE_DATE_KEY names another key path, used under both roots in place
// of "Software\ChguStat": only the end-to-end tests and the window benchmark
// set it, for the programs they start, so that they never touch the date a
// user of the machine has stored. The released programs do not read it.
std::unique_ptr<ChangeDateStore> SystemChangeDateStore();

// Where the window keeps "繁体字也统计": the value "Traditional" beside the
// change date, the user's only (HKEY_CURRENT_USER; elsewhere the file
// chgu/Traditional), under the same key, CHGU_CHANGE_DATE_KEY included.
std::unique_ptr<platform::StoredValue> SystemTraditionalStore();

}  // namespace chgu
