#include "chgu/change_date_store.h"

namespace chgu {

std::optional<std::string> UserFirstChangeDateStore::Read() const {
    std::optional<std::string> user = user_->Read();
    if (user && user->size() <= kChangeDateReadCapacity) {
        return user;
    }
    return machine_->Read();
}

void UserFirstChangeDateStore::Write(std::uint32_t type, std::string_view bytes) {
    machine_->Write(type, bytes);
    user_->Write(type, bytes);
}

}  // namespace chgu
