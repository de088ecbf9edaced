#include <windows.h>

#include "chgu/change_date_store.h"

namespace chgu {

namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

std::optional<std::string> RegistryChangeDateStore::Read() const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(root_), key_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    char buffer[kChangeDateReadCapacity + 1] = {};
    DWORD size = static_cast<DWORD>(kChangeDateReadCapacity);
    const LONG result = RegQueryValueExA(key, kChangeDateValueName, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    // A value longer than the buffer (ERROR_MORE_DATA) reads as no value.
    if (result != ERROR_SUCCESS || size > kChangeDateReadCapacity) {
        return std::nullopt;
    }
    return std::string(buffer, size);
}

void RegistryChangeDateStore::Write(std::uint32_t type, std::string_view bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyA(RootKey(root_), key_.c_str(), &key) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, kChangeDateValueName, 0, static_cast<DWORD>(type),
                   reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

}  // namespace chgu
