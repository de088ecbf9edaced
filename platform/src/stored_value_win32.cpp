#include <windows.h>

#include <vector>

#include "platform/stored_value.h"

namespace platform {

namespace {

class RegistryValue final : public StoredValue {
  public:
    RegistryValue(HKEY root, ValuePlace place) : root_(root), place_(std::move(place)) {}

    std::optional<std::string> Read() const override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, place_.key.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        // The buffer of the readers: the bytes they take and a terminator.
        std::vector<char> buffer(place_.read_capacity + 1, '\0');
        DWORD size = static_cast<DWORD>(place_.read_capacity);
        const LONG result = RegQueryValueExA(key, place_.name.c_str(), nullptr, nullptr,
                                             reinterpret_cast<BYTE*>(buffer.data()), &size);
        RegCloseKey(key);
        // A value longer than the buffer (ERROR_MORE_DATA) reads as no value.
        if (result != ERROR_SUCCESS || size > place_.read_capacity) {
            return std::nullopt;
        }
        return std::string(buffer.data(), size);
    }

    void Write(std::uint32_t type, std::string_view bytes) override {
        HKEY key = nullptr;
        if (RegCreateKeyA(root_, place_.key.c_str(), &key) != ERROR_SUCCESS) {
            return;
        }
        RegSetValueExA(key, place_.name.c_str(), 0, static_cast<DWORD>(type),
                       reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }

  private:
    HKEY root_;
    ValuePlace place_;
};

}  // namespace

std::unique_ptr<StoredValue> SystemStoredValue(ValueScope scope, const ValuePlace& place) {
    return std::make_unique<RegistryValue>(
        scope == ValueScope::kUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, place);
}

}  // namespace platform
