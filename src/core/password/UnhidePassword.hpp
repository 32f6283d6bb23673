#pragma once
// What the running program knows of the unhide password: its hash, never its text. This stands
// for the main window's ThePassWord (the current password; none set means the empty password)
// and LogOnPassWord (what the unlock prompt accepted last, compared with the current password).
#include <cstdint>
#include <optional>
#include <string_view>

#include "password/PasswordHash.hpp"
#include "platform/CryptoPort.hpp"

namespace umbrix::password {

class UnhidePassword {
public:
    explicit UnhidePassword(platform::CryptoPort& crypto) : crypto_(crypto) {}
    UnhidePassword(const UnhidePassword&) = delete;
    UnhidePassword& operator=(const UnhidePassword&) = delete;

    // ThePassWord is not empty.
    bool isSet() const { return hash_.has_value(); }
    // With "UsePW" on (`usePassword`) and a password set, hidden windows come back only
    // through the unlock prompt: no other way of showing them may pass it by.
    bool guardsHiddenWindows(bool usePassword) const { return usePassword && isSet(); }
    // The candidate is the current password: exact, case-sensitive, blanks included. With no
    // password set only the empty text is.
    bool verify(std::string_view candidate) const;

    // A new current password (start-up, or a successful save); none clears it.
    void replace(std::optional<PasswordHash> hash);
    const std::optional<PasswordHash>& hash() const { return hash_; }

    // The unlock prompt accepted the current password (LogOnPassWord := ThePassWord).
    void noteUnlocked() { unlockedGeneration_ = generation_; }
    // LogOnPassWord equals ThePassWord: the last accepted password is still the current one.
    // Before any unlock, LogOnPassWord is empty and so equals an unset password.
    bool unlockMatchesCurrent() const { return unlockedGeneration_ ? *unlockedGeneration_ == generation_ : !isSet(); }

private:
    platform::CryptoPort& crypto_;
    std::optional<PasswordHash> hash_;
    std::uint64_t generation_ = 0;
    std::optional<std::uint64_t> unlockedGeneration_;
};

}  // namespace umbrix::password
