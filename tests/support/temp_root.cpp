#include "temp_root.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace mfptest {

TempRoot::TempRoot()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mfp-root-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary root");
    path_ = pattern;
    if (const char *old = std::getenv("MFP_ROOT")) {
        previous_ = old;
        hadPrevious_ = true;
    }
    setenv("MFP_ROOT", path_.c_str(), 1);
}

TempRoot::~TempRoot()
{
    if (hadPrevious_)
        setenv("MFP_ROOT", previous_.c_str(), 1);
    else
        unsetenv("MFP_ROOT");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

static std::filesystem::path FromEnvironment(const char *name, const char *fallback)
{
    const char *value = std::getenv(name);
    return value ? std::filesystem::path(value) : std::filesystem::path(fallback);
}

std::filesystem::path BuildDir() { return FromEnvironment("MFP_BUILD_DIR", MFP_TEST_BUILD_DIR); }
std::filesystem::path SourceDir() { return FromEnvironment("MFP_SOURCE_DIR", MFP_TEST_SOURCE_DIR); }

}  // namespace mfptest
