#include "password/UnhidePassword.hpp"

namespace umbrix::password {

bool UnhidePassword::verify(std::string_view candidate) const {
    if (!hash_) return candidate.empty();
    return matchesPasswordHash(crypto_, *hash_, candidate);
}

void UnhidePassword::replace(std::optional<PasswordHash> hash) {
    hash_ = std::move(hash);
    ++generation_;
}

}  // namespace umbrix::password
