// A check box that a window keeps ticked or not between runs, in a stored
// value of its own ("1" ticked, "0" not). Without a store it keeps nothing,
// and nothing is told.
#pragma once

#include <cstdint>
#include <string>

#include "platform/stored_value.h"

namespace platform {

class KeptTick {
  public:
    // As the change date of program B: REG_NONE, raw bytes.
    static constexpr std::uint32_t kValueType = 0;

    void KeepIn(StoredValue& store) { store_ = &store; }

    // Whether the store holds a tick; no store, no value or any other bytes
    // are no tick.
    bool Stored() const { return store_ != nullptr && store_->Read() == std::string("1"); }

    // Stores the tick and reads it back. True only for the first write of
    // the run that the store did not take: the one time the user is told.
    // The tick itself holds for the run either way.
    bool KeepTellingFirstRefusal(bool ticked) {
        if (store_ == nullptr) {
            return false;
        }
        const std::string bytes = ticked ? "1" : "0";
        store_->Write(kValueType, bytes);
        if (store_->Read() == bytes || refusal_told_) {
            return false;
        }
        refusal_told_ = true;
        return true;
    }

  private:
    StoredValue* store_ = nullptr;
    bool refusal_told_ = false;
};

}  // namespace platform
