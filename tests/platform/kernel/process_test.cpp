#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <vector>

#include "mfpwin.h"
#include "tests/support/temp_root.h"

namespace {

// A stand-in program: writes each argument as "[arg]" on a line of $ARGS_OUT and exits with
// $EXIT_CODE (default 7).
const char *const RecorderScript =
    "#!/bin/sh\n"
    "for a; do printf '[%s]\\n' \"$a\"; done > \"$ARGS_OUT\"\n"
    "exit \"${EXIT_CODE:-7}\"\n";

class Processes : public testing::Test {
protected:
    void SetUp() override
    {
        outFile_ = (root_.Path() / "args.txt").string();
        setenv("ARGS_OUT", outFile_.c_str(), 1);
        unsetenv("EXIT_CODE");
    }
    void TearDown() override { unsetenv("ARGS_OUT"); }

    std::string InstallProgram(const std::filesystem::path &path)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << RecorderScript;
        chmod(path.c_str(), 0755);
        return path.string();
    }
    std::string SystemDirectory()
    {
        char buffer[MAX_PATH];
        GetSystemDirectoryA(buffer, sizeof buffer);
        return buffer;
    }

    // Runs the command line to its end; the exit code, or -1 when it could not start.
    long long Run(std::string commandLine, LPCSTR applicationName = nullptr, LPVOID environment = nullptr,
                  LPCSTR currentDirectory = nullptr)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(applicationName, commandLine.data(), nullptr, nullptr, FALSE, 0, environment, currentDirectory,
                            &startup, &info))
            return -1;
        EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
        EXPECT_EQ(WaitForSingleObject(info.hThread, 0), WAIT_OBJECT_0) << "the first thread ends with the process";
        DWORD exitCode = 0;
        EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
        DWORD threadExitCode = 0;
        EXPECT_TRUE(GetExitCodeThread(info.hThread, &threadExitCode));
        EXPECT_EQ(threadExitCode, exitCode);
        EXPECT_NE(info.dwProcessId, 0u);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return exitCode;
    }

    std::string RecordedArguments()
    {
        std::ifstream in(outFile_);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

    mfptest::TempRoot root_;
    std::string outFile_;
};

TEST_F(Processes, CommandLinesSplitByWindowsRules)
{
    std::string program = InstallProgram(root_.Path() / "bin" / "recorder");
    struct Case {
        const char *arguments;  // after the program
        const char *recorded;
    };
    const Case cases[] = {
        {"a b", "[a]\n[b]\n"},
        {"\"a b\" c", "[a b]\n[c]\n"},
        {"  spaced\targs  ", "[spaced]\n[args]\n"},
        {R"(C:\dir\file.txt)", "[C:\\dir\\file.txt]\n"},
        {R"("a\"b")", "[a\"b]\n"},
        {R"(a\\"b c")", "[a\\b c]\n"},
        {R"(a\\\"b)", "[a\\\"b]\n"},
        {R"("trailing\\" x)", "[trailing\\]\n[x]\n"},
        {R"("")", "[]\n"},
        {R"("a""b")", "[a\"b]\n"},
        {R"(x"y z"w)", "[xy zw]\n"},
        {"$HOME;`id`|*", "[$HOME;`id`|*]\n"},
    };
    for (const Case &c : cases) {
        std::filesystem::remove(outFile_);
        EXPECT_EQ(Run(program + " " + c.arguments), 7) << c.arguments;
        EXPECT_EQ(RecordedArguments(), c.recorded) << c.arguments;
    }
}

TEST_F(Processes, QuotedProgramPathsAndApplicationName)
{
    std::string program = InstallProgram(root_.Path() / "Program Files" / "recorder");
    EXPECT_EQ(Run("\"" + program + "\" one"), 7);
    EXPECT_EQ(RecordedArguments(), "[one]\n");

    std::filesystem::remove(outFile_);
    EXPECT_EQ(Run("anything two", program.c_str()), 7) << "the application name wins over the first token";
    EXPECT_EQ(RecordedArguments(), "[two]\n");
}

TEST_F(Processes, BareNamesAreSearchedInTheSystemDirectory)
{
    InstallProgram(std::filesystem::path(SystemDirectory()) / "regsvr32.exe");
    InstallProgram(std::filesystem::path(SystemDirectory()) / "QV1MISvr");
    struct Case {
        const char *commandLine;
        const char *recorded;
    };
    const Case cases[] = {
        {"regsvr32 /s qv1mi.dll", "[/s]\n[qv1mi.dll]\n"},     // ".exe" added
        {"REGSVR32.EXE QV1mi.dll /s", "[QV1mi.dll]\n[/s]\n"},  // any case
        {"QV1MISVR.exe /regserver", "[/regserver]\n"},         // native program without ".exe"
    };
    for (const Case &c : cases) {
        std::filesystem::remove(outFile_);
        EXPECT_EQ(Run(c.commandLine), 7) << c.commandLine;
        EXPECT_EQ(RecordedArguments(), c.recorded) << c.commandLine;
    }
    std::string inSystem = SystemDirectory() + "\\regsvr32.exe";
    EXPECT_EQ(Run(inSystem + " x"), 7) << "backslashes separate directories";
}

TEST_F(Processes, EnvironmentBlockAndCurrentDirectory)
{
    std::string program = InstallProgram(root_.Path() / "recorder");
    std::string block = "ARGS_OUT=" + outFile_ + '\0' + "EXIT_CODE=3" + '\0' + '\0';
    EXPECT_EQ(Run(program + " e", nullptr, block.data()), 3);
    EXPECT_EQ(RecordedArguments(), "[e]\n");

    std::filesystem::create_directories(root_.Path() / "work");
    EXPECT_EQ(Run("/bin/sh -c \"pwd > pwd.txt\"", nullptr, nullptr, (root_.Path() / "work").c_str()), 0);
    std::ifstream pwd(root_.Path() / "work" / "pwd.txt");
    std::string line;
    std::getline(pwd, line);
    EXPECT_EQ(std::filesystem::path(line), root_.Path() / "work");
    EXPECT_EQ(Run("/bin/true", nullptr, nullptr, "/no/such/directory"), -1);
    EXPECT_EQ(GetLastError(), 267u);
}

TEST_F(Processes, MissingProgramsAndBadArgumentsFail)
{
    std::string missing = "no-such-program-anywhere /x";
    PROCESS_INFORMATION info{};
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CreateProcessA(nullptr, missing.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    std::filesystem::path notRunnable = root_.Path() / "data.txt";
    std::ofstream(notRunnable) << "text";
    std::string line = notRunnable.string();
    EXPECT_FALSE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info));

    std::string empty;
    EXPECT_FALSE(CreateProcessA(nullptr, empty.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(CreateProcessA(nullptr, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info));
}

TEST_F(Processes, RunningProcessesTimeOutAndCanBeTerminated)
{
    std::string line = "sleep 30";
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 50), WAIT_TIMEOUT);
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
    EXPECT_EQ(exitCode, STILL_ACTIVE);

    ASSERT_TRUE(TerminateProcess(info.hProcess, 99));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 5000), WAIT_OBJECT_0);
    ASSERT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
    EXPECT_EQ(exitCode, 99u);
    EXPECT_FALSE(TerminateProcess(info.hProcess, 1)) << "already ended";
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

TEST_F(Processes, OpenProcessFindsRunningProcessesOnly)
{
    HANDLE self = OpenProcess(PROCESS_ALL_ACCESS, FALSE, GetCurrentProcessId());
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(WaitForSingleObject(self, 0), WAIT_TIMEOUT);
    CloseHandle(self);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(OpenProcess(PROCESS_ALL_ACCESS, FALSE, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(OpenProcess(PROCESS_ALL_ACCESS, FALSE, 0x7FFFFFF0), nullptr);
}

}  // namespace
