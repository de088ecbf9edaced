// A value a program keeps between runs, kept by the page in the browser's
// storage where the Windows program keeps it in the registry: the host
// answers readStored(name) with a Uint8Array or null and writeStored(name,
// bytes) with whether the browser took it. A refused write leaves what was
// stored, as a refused registry write does, so the programs' own read-back
// tells the user.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "platform/stored_value.h"

namespace web {

class BrowserStoredValue final : public platform::StoredValue {
  public:
    BrowserStoredValue(emscripten::val host, std::string name)
        : host_(std::move(host)), name_(std::move(name)) {}

    std::optional<std::string> Read() const override;
    void Write(std::uint32_t type, std::string_view bytes) override;

  private:
    emscripten::val host_;
    std::string name_;
};

}  // namespace web
