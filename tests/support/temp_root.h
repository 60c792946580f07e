// A throw-away emulated Windows root for one test: a fresh directory named by MFP_ROOT for the
// lifetime of the object, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace mfptest {

class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot &) = delete;
    TempRoot &operator=(const TempRoot &) = delete;

    const std::filesystem::path &Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::string previous_;
    bool hadPrevious_ = false;
};

// Directory of the build tree (build/bin, build/lib live under it), from the test environment.
std::filesystem::path BuildDir();
// Directory of the source tree, from the test environment.
std::filesystem::path SourceDir();

}  // namespace mfptest
