// mfpctl reg as an administrator uses it: the real program, run as child processes.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "registry_fixture.h"
#include "tool_run.h"

using mfptest::RunMfpctl;
using mfptest::ToolRun;

namespace {

std::string Mfpctl() { return (mfptest::BuildDir() / "bin" / "mfpctl").string(); }

}  // namespace

using MfpctlRegTest = RegistryTest;

TEST_F(MfpctlRegTest, SetThenQueryEveryType)
{
    struct Case {
        const char *type;
        const char *data;
        const char *shown;
        const char *json;
    } cases[] = {
        {"REG_SZ", "text with \"quotes\"", "text with \"quotes\"", "\"text with \\\"quotes\\\"\""},
        {"REG_EXPAND_SZ", "%TEMP%\\x", "%TEMP%\\x", "\"%TEMP%\\\\x\""},
        {"REG_MULTI_SZ", "one\\0two", "one\\0two", "[\"one\",\"two\"]"},
        {"REG_DWORD", "0x10", "0x10", "16"},
        {"REG_DWORD", "4294967295", "0xffffffff", "4294967295"},
        {"REG_QWORD", "0x100000000", "0x100000000", "4294967296"},
        {"REG_BINARY", "01,ff", "01FF", "\"01FF\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.data);
        ASSERT_EQ(RunMfpctl({"reg", "set", "HKLM\\SOFTWARE\\Cli", "v", c.type, c.data}).exitCode, 0);
        ToolRun shown = RunMfpctl({"reg", "query", "HKEY_LOCAL_MACHINE\\software\\cli", "v"});
        EXPECT_EQ(shown.exitCode, 0);
        EXPECT_EQ(shown.output, std::string(c.shown) + "\n");
        ToolRun json = RunMfpctl({"reg", "query", "hklm\\SOFTWARE\\Cli", "v", "--json"});
        EXPECT_EQ(json.output, "{\"name\":\"v\",\"type\":\"" + std::string(c.type) + "\",\"data\":" + c.json + "}\n");
    }
}

TEST_F(MfpctlRegTest, ExitCodesForMistakesAndMissingKeys)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"reg"}, 2},
        {{"reg", "frobnicate"}, 2},
        {{"reg", "query", "HKXX\\Software"}, 2},
        {{"reg", "set", "HKLM\\x", "v", "REG_DWORD", "-1"}, 2},
        {{"reg", "set", "HKLM\\x", "v", "REG_DWORD", "0x100000000"}, 2},
        {{"reg", "set", "HKLM\\x", "v", "REG_BINARY", "0g"}, 2},
        {{"reg", "set", "HKLM\\x", "v", "REG_WHATEVER", "1"}, 2},
        {{"reg", "export", "HKLM\\x", "f.reg", "--utf8", "--regedit4"}, 2},
        {{"reg", "query", "HKLM\\Missing"}, 1},
        {{"reg", "delete", "HKLM\\Missing"}, 1},
        {{"reg", "delete", "HKLM"}, 1},
        {{"reg", "import", "/nonexistent/file.reg"}, 1},
        {{"reg", "export", "HKLM\\Missing", "out.reg"}, 1},
        {{"reg", "export", "HKLM", "/nonexistent/dir/out.reg"}, 1},
    };
    for (const Case &c : cases) {
        ToolRun run = RunMfpctl(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back() << "\n" << run.output;
        EXPECT_NE(run.output.find("mfpctl: "), std::string::npos) << run.output;
    }
}

TEST_F(MfpctlRegTest, ExportImportAndDeleteThroughTheTool)
{
    ASSERT_EQ(RunMfpctl({"reg", "set", "HKCU\\Software\\Tool", "", "REG_SZ", "default"}).exitCode, 0);
    ASSERT_EQ(RunMfpctl({"reg", "set", "HKCU\\Software\\Tool\\Sub", "n", "REG_DWORD", "7"}).exitCode, 0);
    const std::string file = (root_.Path() / "tool.reg").string();
    for (const char *flag : {"--utf8", "--regedit4", ""}) {
        SCOPED_TRACE(flag);
        std::vector<std::string> args = {"reg", "export", "HKCU\\Software\\Tool", file};
        if (*flag)
            args.push_back(flag);
        ASSERT_EQ(RunMfpctl(args).exitCode, 0);
        ASSERT_EQ(RunMfpctl({"reg", "delete", "HKCU\\Software\\Tool"}).exitCode, 0);
        EXPECT_EQ(RunMfpctl({"reg", "query", "HKCU\\Software\\Tool"}).exitCode, 1);
        ASSERT_EQ(RunMfpctl({"reg", "import", file}).exitCode, 0);
        EXPECT_EQ(RunMfpctl({"reg", "query", "HKCU\\Software\\Tool", ""}).output, "default\n");
        EXPECT_EQ(RunMfpctl({"reg", "query", "HKCU\\Software\\Tool\\Sub", "n"}).output, "0x7\n");
    }
    ASSERT_EQ(RunMfpctl({"reg", "delete", "HKCU\\Software\\Tool\\Sub", "n"}).exitCode, 0);
    EXPECT_EQ(RunMfpctl({"reg", "query", "HKCU\\Software\\Tool\\Sub", "n"}).exitCode, 1);

    // The tool's listing of a key: values, then the subkeys by full name.
    ToolRun listing = RunMfpctl({"reg", "query", "HKCU\\Software\\Tool"});
    EXPECT_EQ(listing.output,
              "HKEY_CURRENT_USER\\Software\\Tool\n    (Default)    REG_SZ    default\n\n"
              "HKEY_CURRENT_USER\\Software\\Tool\\Sub\n");
}

TEST_F(MfpctlRegTest, ThirtyTwoToolProcessesSettingAtOnceLoseNothing)
{
    constexpr int kProcesses = 32;
    std::vector<pid_t> children;
    const std::string tool = Mfpctl();
    for (int i = 0; i < kProcesses; ++i) {
        const std::string name = "v" + std::to_string(i);
        const std::string data = std::to_string(i * 1000);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            execl(tool.c_str(), tool.c_str(), "reg", "set", "HKLM\\SOFTWARE\\Many", name.c_str(), "REG_DWORD",
                  data.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Many", 0, KEY_READ, &key), ERROR_SUCCESS);
    for (int i = 0; i < kProcesses; ++i) {
        DWORD value = 0;
        DWORD size = sizeof value;
        ASSERT_EQ(RegQueryValueExA(key, ("v" + std::to_string(i)).c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE *>(&value), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(value, static_cast<DWORD>(i * 1000));
    }
    RegCloseKey(key);
}
