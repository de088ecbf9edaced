// Bytes crossing to JavaScript as a Uint8Array of their own (a copy, which
// stays valid after the module's memory grows).
#pragma once

#include <emscripten/val.h>

#include <string_view>

namespace web {

inline emscripten::val BytesToJs(std::string_view bytes) {
    return emscripten::val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<emscripten::val>("slice");
}

}  // namespace web
