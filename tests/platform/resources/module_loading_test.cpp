// Loading libraries by name: handles, attach and detach, entry points, file names.
#include <gtest/gtest.h>

#include <cstring>

#include "mfpwin.h"
#include "resource_test_support.h"

using resourcetest::FailingInitFixturePath;
using resourcetest::ResourceFixturePath;

namespace {

template <typename Function>
Function Export(HMODULE module, const char *name)
{
    return reinterpret_cast<Function>(GetProcAddress(module, name));
}

TEST(LoadLibrary, AttachesOnceAndDetachesOnLastFree)
{
    HMODULE first = LoadLibraryA(ResourceFixturePath().c_str());
    ASSERT_NE(first, nullptr) << GetLastError();
    auto attachCount = Export<int (*)()>(first, "FixtureAttachCount");
    ASSERT_NE(attachCount, nullptr);
    EXPECT_EQ(attachCount(), 1);

    HMODULE second = LoadLibraryA(ResourceFixturePath().c_str());
    EXPECT_EQ(second, first);
    EXPECT_EQ(attachCount(), 1);

    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(attachCount(), 1) << "one reference is left";
    EXPECT_NE(GetModuleHandleA("libmfp_resource_fixture.so"), nullptr);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandleA("libmfp_resource_fixture.so"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(LoadLibrary, RefusesLibraryWhoseInitialisationFails)
{
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(FailingInitFixturePath().c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
    EXPECT_EQ(GetModuleHandleA("libmfp_failing_init_fixture.so"), nullptr) << "the refused library is unloaded";
}

TEST(LoadLibrary, ReportsMissingAndMalformedFiles)
{
    mfptest::TempRoot root;
    std::string notALibrary = (root.Path() / "not_a_library.so").string();
    FILE *file = std::fopen(notALibrary.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("plain text", file);
    std::fclose(file);

    struct Case {
        std::string name;
        DWORD error;
    } cases[] = {
        {(root.Path() / "missing.so").string(), ERROR_MOD_NOT_FOUND},
        {"libno_such_library_anywhere.so", ERROR_MOD_NOT_FOUND},
        {notALibrary, ERROR_BAD_EXE_FORMAT},
        {resourcetest::FixturePath("libmfp_unresolved_symbol_fixture.so"), ERROR_PROC_NOT_FOUND},
        {"", ERROR_INVALID_PARAMETER},
    };
    for (const Case &c : cases) {
        SetLastError(0);
        EXPECT_EQ(LoadLibraryA(c.name.c_str()), nullptr) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
}

TEST(GetProcAddress, FindsOnlyTheModulesOwnExports)
{
    HMODULE module = LoadLibraryA(ResourceFixturePath().c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "FixtureOwnModule"), nullptr);
    // Defined by libmfpwin, which the fixture depends on: not the fixture's export.
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(module, "LoadStringA"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(module, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetProcAddress(module, reinterpret_cast<LPCSTR>(1)), nullptr) << "ordinals are not exported";
    FreeLibrary(module);
}

TEST(ModuleHandle, IsTheSameFromEveryRoad)
{
    HMODULE module = LoadLibraryA(ResourceFixturePath().c_str());
    ASSERT_NE(module, nullptr);
    auto ownModule = Export<HMODULE (*)()>(module, "FixtureOwnModule");
    ASSERT_NE(ownModule, nullptr);
    EXPECT_EQ(ownModule(), module) << "the library finds its own handle";
    EXPECT_EQ(MfpModuleFromAddress(reinterpret_cast<const void *>(ownModule)), module);
    EXPECT_EQ(GetModuleHandleA("LIBMFP_RESOURCE_FIXTURE.SO"), module) << "names compare without case";
    EXPECT_EQ(GetModuleHandleA("libmfp_resource_fixture"), module);
    EXPECT_EQ(GetModuleHandleA(ResourceFixturePath().c_str()), module);
    EXPECT_EQ(GetModuleHandleA(nullptr), MfpCurrentModule()) << "NULL names the main program";
    EXPECT_NE(GetModuleHandleA(nullptr), module);
    FreeLibrary(module);
}

TEST(GetModuleFileName, ReturnsPathAndCutsToBuffer)
{
    HMODULE module = LoadLibraryA(ResourceFixturePath().c_str());
    ASSERT_NE(module, nullptr);
    std::string expected = ResourceFixturePath();
    char path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameA(module, path, sizeof path), expected.size());
    EXPECT_EQ(std::string(path), expected);

    char small[8];
    std::memset(small, 'x', sizeof small);
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(module, small, sizeof small), sizeof small);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(small), expected.substr(0, sizeof small - 1));

    EXPECT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    EXPECT_NE(std::strstr(path, "platform_resources_tests"), nullptr);
    FreeLibrary(module);
}

TEST(FreeLibrary, RejectsWhatIsNoModule)
{
    int local = 0;
    SetLastError(0);
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(&local)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FreeLibrary(GetModuleHandleA(nullptr))) << "the main program stays loaded";
}

}  // namespace
