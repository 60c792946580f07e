// GetShortPathNameFromDll: the system's short (8.3) form of a path, passed through unchanged.
#include "mfpwin.h"
#include "mirvale.h"

namespace {

constexpr DWORD kShortPathBufferSize = 260;

}  // namespace

MIRVALE_API int GetShortPathNameFromDll(const char *longPath, char *shortPath)
{
    return static_cast<int>(GetShortPathNameA(longPath, shortPath, kShortPathBufferSize));
}
