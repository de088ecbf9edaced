#include "browser_stored_value.h"

#include "js_bytes.h"

namespace web {

std::optional<std::string> BrowserStoredValue::Read() const {
    const emscripten::val bytes = host_.call<emscripten::val>("readStored", name_);
    if (bytes.isNull() || bytes.isUndefined()) {
        return std::nullopt;
    }
    return bytes.as<std::string>();
}

// The value's type is not kept: only the bytes are read back, as from the
// configuration file that stands for the registry elsewhere.
void BrowserStoredValue::Write(std::uint32_t, std::string_view bytes) {
    host_.call<bool>("writeStored", name_, BytesToJs(bytes));
}

}  // namespace web
