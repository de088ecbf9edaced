#include "conversion_sinks.h"

#include <cstdint>
#include <memory>

namespace platform::detail {

namespace {

std::unique_ptr<Utf8Forms> BuildUtf8Forms() {
    auto forms = std::make_unique<Utf8Forms>();
    for (std::uint32_t u = 0; u < forms->size(); ++u) {
        const auto byte = [](std::uint32_t b) { return static_cast<char>(b); };
        if (u < 0x80) {
            (*forms)[u] = {byte(u), 0, 0, 1};
        } else if (u < 0x800) {
            (*forms)[u] = {byte(0xC0 | u >> 6), byte(0x80 | (u & 0x3F)), 0, 2};
        } else {
            (*forms)[u] = {byte(0xE0 | u >> 12), byte(0x80 | (u >> 6 & 0x3F)),
                           byte(0x80 | (u & 0x3F)), 3};
        }
    }
    return forms;
}

}  // namespace

const Utf8Forms& TheUtf8Forms() {
    static const std::unique_ptr<Utf8Forms> forms = BuildUtf8Forms();
    return *forms;
}

}  // namespace platform::detail
