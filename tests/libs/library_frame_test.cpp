// The three libraries as modules: they load and unload cleanly without an export being called,
// carry their resources, export exactly their exports, and GetShortPathNameFromDll passes the
// system's answer through.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "mirvale_library.h"
#include "temp_root.h"

using namespace libstest;

namespace {

const struct {
    const char *file;
    std::set<std::string> exports;
} kLibraries[] = {
    {"libmirvale.so",
     {"GetShortPathNameFromDll", "GetMFPModel", "AbvPrinterCheck", "IsDeptCodeEnforced", "IsUserAccountenforced",
      "IsConfirmDialogEnforced", "IsBlackFreeModeEnabled", "IsPrivPasswordEncryptEnabled", "MfpModuleAttach",
      "MfpModuleDetach"}},
    {"libtolsen.so", {"MfpModuleAttach", "MfpModuleDetach"}},
    {"libpradek.so", {"MfpModuleAttach", "MfpModuleDetach"}},
};

// The defined dynamic symbols of a shared library, as nm lists them.
std::set<std::string> DynamicSymbols(const std::string &path)
{
    std::set<std::string> symbols;
    FILE *pipe = popen(("nm -D --defined-only '" + path + "'").c_str(), "r");
    if (pipe == nullptr)
        return symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        char address[64], kind[8], name[400];
        if (std::sscanf(line, "%63s %7s %399s", address, kind, name) == 3)
            symbols.insert(name);
    }
    pclose(pipe);
    return symbols;
}

TEST(LibraryFrame, OnlyTheExportsAreExported)
{
    for (const auto &library : kLibraries)
        EXPECT_EQ(DynamicSymbols(LibraryPath(library.file)), library.exports) << library.file;
}

TEST(LibraryFrame, LoadAndUnloadWithoutCallingAnything)
{
    mfptest::TempRoot root;
    for (const auto &library : kLibraries) {
        for (int round = 0; round < 2; ++round) {
            HMODULE module = LoadLibraryA(LibraryPath(library.file).c_str());
            ASSERT_NE(module, nullptr) << library.file << ": error " << GetLastError();
            EXPECT_EQ(GetModuleHandleA(library.file), module) << library.file;
            EXPECT_TRUE(FreeLibrary(module)) << library.file;
            EXPECT_EQ(GetModuleHandleA(library.file), nullptr) << library.file;
        }
        // Loaded by the system's loader alone (no attach), it unloads just as cleanly.
        void *handle = dlopen(LibraryPath(library.file).c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        EXPECT_EQ(dlclose(handle), 0) << library.file;
    }
    EXPECT_TRUE(std::filesystem::is_empty(root.Path())) << "loading alone wrote into the root";
}

TEST(LibraryFrame, ResourcesOfEachLibrary)
{
    const struct {
        const char *file;
        UINT id;
        const char *text;
    } strings[] = {
        {"libmirvale.so", 5007, "Error"},
        {"libtolsen.so", 2, "VARNAK Lumora Series"},
    };
    for (const auto &s : strings) {
        LoadedLibrary library(s.file);
        char text[256] = {};
        EXPECT_EQ(LoadStringA(library.Handle(), s.id, text, sizeof text), static_cast<int>(std::strlen(s.text)));
        EXPECT_STREQ(text, s.text) << s.file;
    }
    for (const auto &library : kLibraries) {
        DWORD ignored = 0;
        EXPECT_GT(GetFileVersionInfoSizeA(LibraryPath(library.file).c_str(), &ignored), 0u) << library.file;
    }
}

TEST(LibraryFrame, ShortPathIsTheSystemsAnswer)
{
    mfptest::TempRoot root;
    Mirvale mirvale;
    auto shortPath = mirvale.Library().Find<int (*)(const char *, char *)>("GetShortPathNameFromDll");
    ASSERT_NE(shortPath, nullptr);

    std::filesystem::path deep = root.Path();
    while (deep.string().size() < 300)
        deep /= "a-rather-long-directory-name";
    std::filesystem::create_directories(deep);
    const std::string existing = root.Path().string();

    char buffer[260];
    EXPECT_EQ(shortPath((root.Path() / "missing" / "file.txt").string().c_str(), buffer), 0);
    EXPECT_EQ(shortPath(existing.c_str(), buffer), static_cast<int>(existing.size()));
    EXPECT_STREQ(buffer, existing.c_str());
    EXPECT_EQ(shortPath(deep.string().c_str(), buffer), static_cast<int>(deep.string().size()) + 1);
}

}  // namespace
