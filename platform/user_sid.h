// The security identifier of the user running this process. HKEY_CURRENT_USER is the key of
// this identifier's text below HKEY_USERS, and the token calls report it.
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
UserSid CurrentUserSid();
std::string CurrentUserSidText();

}  // namespace mfpwin
