#include <cstdlib>

#include "platform/stored_value.h"

namespace platform {

namespace {

// Elsewhere there is no machine-wide store a program could write.
class NoValue final : public StoredValue {
  public:
    std::optional<std::string> Read() const override { return std::nullopt; }
    void Write(std::uint32_t, std::string_view) override {}
};

}  // namespace

std::unique_ptr<StoredValue> SystemStoredValue(ValueScope scope, const ValuePlace& place) {
    if (scope == ValueScope::kMachine) {
        return std::make_unique<NoValue>();
    }
    const auto file =
        UserConfigurationFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), place);
    return std::make_unique<FileValue>(file.value_or(std::filesystem::path()), place.read_capacity);
}

}  // namespace platform
