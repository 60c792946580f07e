#include "mirvale_library.h"

#include <gtest/gtest.h>

#include <vector>

#include "temp_root.h"

namespace libstest {

std::string LibraryPath(const std::string &fileName) { return (mfptest::BuildDir() / "lib" / fileName).string(); }

LoadedLibrary::LoadedLibrary(const std::string &fileName) : module_(LoadLibraryA(LibraryPath(fileName).c_str()))
{
    EXPECT_NE(module_, nullptr) << fileName << ": error " << GetLastError();
}

LoadedLibrary::~LoadedLibrary()
{
    if (module_ != nullptr)
        FreeLibrary(module_);
}

FARPROC LoadedLibrary::FindExport(const char *name) const
{
    FARPROC function = module_ != nullptr ? GetProcAddress(module_, name) : nullptr;
    EXPECT_NE(function, nullptr) << "no export " << name;
    return function;
}

Mirvale::Mirvale() : library_("libmirvale.so") {}

namespace {

std::vector<char> Writable(const std::string &text) { return std::vector<char>(text.begin(), text.end() + 1); }

}  // namespace

int Mirvale::Ask(const char *exportName, const std::string &printer, HANDLE handle, const std::string &brand) const
{
    auto function = library_.Find<FlagExport>(exportName);
    if (function == nullptr)
        return -1000;
    auto printerText = Writable(printer);
    auto brandText = Writable(brand);
    return function(printerText.data(), brandText.data(), handle);
}

std::string Mirvale::Features(const std::string &printer, HANDLE handle, const std::string &brand) const
{
    auto function = library_.Find<FeatureExport>("AbvPrinterCheck");
    if (function == nullptr)
        return "(no export)";
    auto printerText = Writable(printer);
    auto brandText = Writable(brand);
    char code[8] = "xxxxxxx";
    function(printerText.data(), brandText.data(), code, handle);
    return code;
}

}  // namespace libstest
