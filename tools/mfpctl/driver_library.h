// A driver library loaded as the printer driver loads it: by file name, from the build's or the
// installation's lib folder next to mfpctl's bin folder (else the system's library search), with
// its exports looked up by name. Message boxes the exports show are answered with their default
// button and reported on standard error.
#pragma once

#include <string>
#include <vector>

#include "mfpwin.h"

namespace mfpctl {

class DriverLibrary {
public:
    // fileName: "libmirvale.so", ...
    explicit DriverLibrary(const char *fileName);
    ~DriverLibrary();
    DriverLibrary(const DriverLibrary &) = delete;
    DriverLibrary &operator=(const DriverLibrary &) = delete;

    bool Loaded() const { return module_ != nullptr; }
    const std::string &Path() const { return path_; }

    template <typename Function>
    Function Find(const char *exportName) const
    {
        return reinterpret_cast<Function>(module_ != nullptr ? GetProcAddress(module_, exportName) : nullptr);
    }

    // "caption: text" of every message box shown since the library was loaded.
    static const std::vector<std::string> &ShownMessages();

private:
    HMODULE module_ = nullptr;
    std::string path_;
};

}  // namespace mfpctl
