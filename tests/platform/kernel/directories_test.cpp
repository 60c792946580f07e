#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "mfpwin.h"
#include "tests/support/temp_root.h"

namespace {

using DirectoryCall = UINT (*)(LPSTR, UINT);

struct DirectoryCase {
    const char *name;
    DirectoryCall call;
    const char *below;
};

class WindowsDirectories : public testing::TestWithParam<DirectoryCase> {};

TEST_P(WindowsDirectories, LieInTheRootAndFollowTheRequiredSizeProtocol)
{
    const DirectoryCase &c = GetParam();
    mfptest::TempRoot root;
    const std::string expected = (root.Path() / c.below).string();

    UINT needed = c.call(nullptr, 0);
    EXPECT_EQ(needed, expected.size() + 1) << "size needed counts the terminator";
    EXPECT_TRUE(std::filesystem::is_directory(expected)) << "created when missing";

    std::string buffer(needed, '#');
    EXPECT_EQ(c.call(buffer.data(), needed), expected.size()) << "length without the terminator";
    EXPECT_STREQ(buffer.c_str(), expected.c_str());

    std::string tooShort(needed - 1, '#');
    EXPECT_EQ(c.call(tooShort.data(), needed - 1), needed);
    EXPECT_EQ(tooShort, std::string(needed - 1, '#')) << "a short buffer is left alone";
}

INSTANTIATE_TEST_SUITE_P(Directories, WindowsDirectories,
                         testing::Values(DirectoryCase{"System", GetSystemDirectoryA, "Windows/System32"},
                                         DirectoryCase{"Windows", GetWindowsDirectoryA, "Windows"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ShortPathNames, ExistingPathsAreTheirOwnShortForm)
{
    mfptest::TempRoot root;
    std::filesystem::path file = root.Path() / "Program Files" / "Long Folder Name" / "driver file.dll";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "x";
    const std::string path = file.string();

    struct Case {
        std::string input;
        DWORD size;
        DWORD result;
        DWORD error;
        const char *output;  // expected buffer text, or null when not written
    };
    const std::string backslashed = root.Path().string() + "\\PROGRAM FILES\\long folder name\\Driver File.dll";
    const Case cases[] = {
        {path, MAX_PATH, static_cast<DWORD>(path.size()), 0, path.c_str()},
        {backslashed, MAX_PATH, static_cast<DWORD>(backslashed.size()), 0, backslashed.c_str()},
        {path, static_cast<DWORD>(path.size()), static_cast<DWORD>(path.size() + 1), 0, nullptr},
        {path, 0, static_cast<DWORD>(path.size() + 1), 0, nullptr},
        {path + ".missing", MAX_PATH, 0, ERROR_FILE_NOT_FOUND, nullptr},
        {"", MAX_PATH, 0, ERROR_FILE_NOT_FOUND, nullptr},
    };
    for (const Case &c : cases) {
        char buffer[MAX_PATH + 1];
        std::memset(buffer, '#', sizeof buffer);
        buffer[MAX_PATH] = '\0';
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GetShortPathNameA(c.input.c_str(), buffer, c.size), c.result) << c.input << " size " << c.size;
        if (c.error) {
            EXPECT_EQ(GetLastError(), c.error) << c.input;
        }
        if (c.output) {
            EXPECT_STREQ(buffer, c.output);
        } else {
            EXPECT_EQ(buffer[0], '#') << "buffer untouched";
        }
    }
}

TEST(ShortPathNames, PathsLongerThanTheBufferAskForMore)
{
    mfptest::TempRoot root;
    std::filesystem::path deep = root.Path();
    while (deep.string().size() <= MAX_PATH)
        deep /= std::string(40, 'd');
    std::filesystem::create_directories(deep);
    char buffer[MAX_PATH];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetShortPathNameA(deep.c_str(), buffer, MAX_PATH), deep.string().size() + 1);
    EXPECT_GT(deep.string().size() + 1, static_cast<size_t>(MAX_PATH));
    EXPECT_EQ(buffer[0], '#');
}

TEST(ShortPathNames, SameBufferForBothAndNullInput)
{
    mfptest::TempRoot root;
    char buffer[MAX_PATH];
    std::snprintf(buffer, sizeof buffer, "%s", root.Path().c_str());
    EXPECT_EQ(GetShortPathNameA(buffer, buffer, sizeof buffer), root.Path().string().size());
    EXPECT_STREQ(buffer, root.Path().c_str());
    EXPECT_EQ(GetShortPathNameA(nullptr, buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Files, CurrentDirectoryAttributesAndCopies)
{
    mfptest::TempRoot root;
    char system[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(system, sizeof system), 0u);
    std::ofstream(std::string(system) + "/MSVCP60_.DLL") << "runtime";

    char previous[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryA(sizeof previous, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA((root.Path().string() + "\\windows\\SYSTEM32").c_str())) << "case and separators as on Windows";
    char current[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryA(sizeof current, current), 0u);
    EXPECT_EQ(std::filesystem::path(current), std::filesystem::path(system));

    EXPECT_EQ(GetFileAttributesA("msvcp60_.dll"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesA(system), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesA("MSVCP60.DLL"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    ASSERT_TRUE(CopyFileA("MSVCP60_.DLL", "MSVCP60.DLL", TRUE));
    std::ifstream copy("MSVCP60.DLL");
    std::string content;
    copy >> content;
    EXPECT_EQ(content, "runtime");
    EXPECT_FALSE(CopyFileA("MSVCP60_.DLL", "msvcp60.dll", TRUE)) << "an existing target is kept";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_FALSE(CopyFileA("MSVCP60_.DLL", "msvcp60_.dll", FALSE)) << "never onto itself";
    EXPECT_FALSE(CopyFileA("missing.dll", "other.dll", FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    EXPECT_FALSE(SetCurrentDirectoryA("no such directory"));
    ASSERT_TRUE(SetCurrentDirectoryA(previous));
}

TEST(Files, EnvironmentVariablesFollowTheRequiredSizeProtocol)
{
    setenv("MFP_TEST_VARIABLE", "cmd.exe", 1);
    char buffer[16];
    EXPECT_EQ(GetEnvironmentVariableA("MFP_TEST_VARIABLE", buffer, 3), 8u);
    EXPECT_EQ(GetEnvironmentVariableA("MFP_TEST_VARIABLE", buffer, sizeof buffer), 7u);
    EXPECT_STREQ(buffer, "cmd.exe");
    unsetenv("MFP_TEST_VARIABLE");
    EXPECT_EQ(GetEnvironmentVariableA("MFP_TEST_VARIABLE", buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLastError(), 203u);
}

}  // namespace
