#include "root.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace mfpwin {

static std::filesystem::path DefaultRoot()
{
    if (const char *dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome)
        return std::filesystem::path(dataHome) / "mfp";
    const char *home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd *entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : "/tmp";
    }
    return std::filesystem::path(home) / ".local" / "share" / "mfp";
}

std::filesystem::path RootDirectory()
{
    const char *configured = std::getenv("MFP_ROOT");
    std::filesystem::path root = configured && *configured ? std::filesystem::path(configured) : DefaultRoot();
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

}  // namespace mfpwin
