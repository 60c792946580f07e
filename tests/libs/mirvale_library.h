// libmirvale.so loaded from the build tree as the driver loads it (LoadLibraryA, then
// GetProcAddress by export name), with helpers that call its question exports on text
// arguments.
#pragma once

#include <string>

#include "mfpwin.h"

namespace libstest {

// A library of the build tree (build/lib/<fileName>), loaded for the object's lifetime.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string &fileName);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary &) = delete;
    LoadedLibrary &operator=(const LoadedLibrary &) = delete;

    HMODULE Handle() const { return module_; }
    // The export's address cast to its type; fails the test when the library lacks it.
    template <typename Function>
    Function Find(const char *name) const
    {
        return reinterpret_cast<Function>(FindExport(name));
    }

private:
    FARPROC FindExport(const char *name) const;
    HMODULE module_ = nullptr;
};

std::string LibraryPath(const std::string &fileName);

using FlagExport = int (*)(char *, char *, HANDLE);
using FeatureExport = void (*)(char *, char *, char *, HANDLE);

// Mirvale with its question exports at hand.
class Mirvale {
public:
    Mirvale();

    // One of the int (printer, brand, handle) exports by name.
    int Ask(const char *exportName, const std::string &printer, HANDLE handle = nullptr,
            const std::string &brand = "0") const;
    // AbvPrinterCheck's feature code.
    std::string Features(const std::string &printer, HANDLE handle = nullptr, const std::string &brand = "0") const;

    const LoadedLibrary &Library() const { return library_; }

private:
    LoadedLibrary library_;
};

}  // namespace libstest
