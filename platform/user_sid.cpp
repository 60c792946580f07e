#include "user_sid.h"

#include <unistd.h>

namespace mfpwin {

UserSid SidOfPosixUser(uint32_t uid) { return UserSid{{0, 0, 0, 0, 0, 5}, {21, 0, 0, 0, 1000u + uid}}; }

UserSid CurrentUserSid() { return SidOfPosixUser(static_cast<uint32_t>(getuid())); }

std::string CurrentUserSidText()
{
    const UserSid sid = CurrentUserSid();
    std::string text = "S-1-" + std::to_string(sid.authority[5]);
    for (uint32_t sub : sid.subAuthorities)
        text += "-" + std::to_string(sub);
    return text;
}

}  // namespace mfpwin
