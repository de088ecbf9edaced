// A few bytes a program keeps for the user between runs, under a name of its
// own: on Windows a registry value, under HKEY_CURRENT_USER or
// HKEY_LOCAL_MACHINE; elsewhere a file in the user's configuration folder.
// Failures are silent: a value that cannot be read is no value, and a write
// that fails leaves what was stored (a caller that must know reads back).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class StoredValue {
  public:
    virtual ~StoredValue() = default;
    // The stored bytes, or nothing. A store may stop reading once it has
    // more bytes than its readers take, or read such a value as nothing.
    virtual std::optional<std::string> Read() const = 0;
    virtual void Write(std::uint32_t type, std::string_view bytes) = 0;
};

// Where a program keeps a value, and how much of it a reader takes.
struct ValuePlace {
    std::string key;     // the registry key path, "Software\\ChguStat"
    std::string name;    // the value's name, and elsewhere its file's, "ChangeDate"
    std::string folder;  // elsewhere, its folder in the configuration folder, "chgu"
    std::size_t read_capacity = 0;
};

enum class ValueScope { kUser, kMachine };

// The value in this system's store. On Windows the registry value under
// HKEY_CURRENT_USER (kUser) or HKEY_LOCAL_MACHINE (kMachine), its key closed
// after each read and write; a value longer than read_capacity reads as
// none. Elsewhere the user's file (UserConfigurationFile) for kUser, and no
// machine-wide value at all: it reads nothing and takes nothing.
std::unique_ptr<StoredValue> SystemStoredValue(ValueScope scope, const ValuePlace& place);

// The raw value bytes in one file; its type is not kept. Folders are created
// on the first write, which replaces the file only once the new bytes are
// all written. A missing or unreadable folder or file, or an empty path, is
// no value. Reads stop at read_capacity + 1 bytes, so that a value that
// does not fit still shows as one.
class FileValue final : public StoredValue {
  public:
    FileValue(std::filesystem::path file, std::size_t read_capacity)
        : file_(std::move(file)), read_capacity_(read_capacity) {}

    std::optional<std::string> Read() const override;
    void Write(std::uint32_t type, std::string_view bytes) override;

  private:
    std::filesystem::path file_;
    std::size_t read_capacity_;
};

// The user's file of a value: $XDG_CONFIG_HOME/folder/name, or
// ~/.config/folder/name; nothing when neither folder is known. The first two
// arguments are the values of the two environment variables (or null).
std::optional<std::filesystem::path> UserConfigurationFile(const char* xdg_config_home,
                                                           const char* home,
                                                           const ValuePlace& place);

}  // namespace platform
