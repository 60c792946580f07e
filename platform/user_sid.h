// The security identifier of a POSIX user. HKEY_CURRENT_USER is the key of the current user's
// identifier text below HKEY_USERS, and the token calls report the identifier of the user who
// owns a process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mfpwin {

struct UserSid {
    uint8_t authority[6];                  // identifier authority, most significant byte first
    std::vector<uint32_t> subAuthorities;  // in order
};

// S-1-5-21-0-0-0-<1000 + POSIX uid>: a domain-style user identifier that is stable per POSIX
// user, so every process of one user sees the same HKEY_CURRENT_USER.
UserSid SidOfPosixUser(uint32_t uid);
UserSid CurrentUserSid();
std::string CurrentUserSidText();

}  // namespace mfpwin
