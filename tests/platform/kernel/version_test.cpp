#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "mfpwin.h"
#include "scoped_env.h"

namespace {

struct VersionCase {
    const char *selection;  // MFP_WINVER, or null for unset
    DWORD platformId;
    DWORD major;
    DWORD minor;
    bool acceptsExtended;
};

// "nt:4.0" -> "nt_4_0_3"; the index keeps names unique.
std::string CaseName(const char *selection, size_t index)
{
    std::string name = selection ? (*selection ? selection : "empty") : "unset";
    for (char &c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name + "_" + std::to_string(index);
}

class VersionRoads : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionRoads, ReportTheSelectedSystemThroughBothStructureSizes)
{
    const VersionCase &c = GetParam();
    ScopedEnv env("MFP_WINVER", c.selection);

    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, c.platformId);
    EXPECT_EQ(info.dwMajorVersion, c.major);
    EXPECT_EQ(info.dwMinorVersion, c.minor);

    OSVERSIONINFOEXA ex{};
    ex.dwOSVersionInfoSize = sizeof ex;
    SetLastError(ERROR_SUCCESS);
    BOOL extended = GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&ex));
    EXPECT_EQ(extended != FALSE, c.acceptsExtended);
    if (extended) {
        EXPECT_EQ(ex.dwPlatformId, c.platformId);
        EXPECT_EQ(ex.dwMajorVersion, c.major);
        EXPECT_EQ(ex.wProductType, VER_NT_WORKSTATION);
    } else {
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    }

    DWORD packed = GetVersion();
    EXPECT_EQ(LOBYTE(LOWORD(packed)), c.major);
    EXPECT_EQ(HIBYTE(LOWORD(packed)), c.minor);
    EXPECT_EQ((packed & 0x80000000u) != 0, c.platformId == VER_PLATFORM_WIN32_WINDOWS);
}

INSTANTIATE_TEST_SUITE_P(Selections, VersionRoads,
                         testing::Values(VersionCase{nullptr, VER_PLATFORM_WIN32_NT, 10, 0, true},
                                         VersionCase{"nt:4.0", VER_PLATFORM_WIN32_NT, 4, 0, true},
                                         VersionCase{"nt:5.1", VER_PLATFORM_WIN32_NT, 5, 1, true},
                                         VersionCase{"nt:6.1.7600", VER_PLATFORM_WIN32_NT, 6, 1, true},
                                         VersionCase{"9x:4.0", VER_PLATFORM_WIN32_WINDOWS, 4, 0, false},
                                         VersionCase{"9x:4.10", VER_PLATFORM_WIN32_WINDOWS, 4, 10, false},
                                         VersionCase{"9x:4.90", VER_PLATFORM_WIN32_WINDOWS, 4, 90, false},
                                         // Malformed selections leave the default.
                                         VersionCase{"", VER_PLATFORM_WIN32_NT, 10, 0, true},
                                         VersionCase{"xp", VER_PLATFORM_WIN32_NT, 10, 0, true},
                                         VersionCase{"nt:4", VER_PLATFORM_WIN32_NT, 10, 0, true},
                                         VersionCase{"os2:4.0", VER_PLATFORM_WIN32_NT, 10, 0, true},
                                         VersionCase{"nt:4.x", VER_PLATFORM_WIN32_NT, 10, 0, true},
                                         VersionCase{"nt:-4.0", VER_PLATFORM_WIN32_NT, 10, 0, true}),
                         [](const auto &info) { return CaseName(info.param.selection, info.index); });

TEST(Version, Windows9xBuildNumberCarriesTheVersionInItsHighWord)
{
    ScopedEnv env("MFP_WINVER", "9x:4.10");
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(HIWORD(info.dwBuildNumber), 0x040Au);
}

TEST(Version, RejectsOtherStructureSizesWithoutWriting)
{
    for (DWORD size : {0u, 147u, 149u, 155u, 157u, 1000u}) {
        OSVERSIONINFOEXA info;
        std::memset(&info, 0xAB, sizeof info);
        info.dwOSVersionInfoSize = size;
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&info))) << size;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER)) << size;
        EXPECT_EQ(info.dwMajorVersion, 0xABABABABu) << size;
    }
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(GetVersionExA(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Layouts, RecordsCallersFillHaveTheWindowsSizes)
{
    EXPECT_EQ(sizeof(OSVERSIONINFOA), 148u);
    EXPECT_EQ(sizeof(OSVERSIONINFOEXA), 156u);
    EXPECT_EQ(sizeof(STARTUPINFOA), 104u);
    EXPECT_EQ(sizeof(PROCESS_INFORMATION), 24u);
    EXPECT_EQ(sizeof(TOKEN_USER), 16u);
    EXPECT_EQ(sizeof(UUID), 16u);
}

}  // namespace
