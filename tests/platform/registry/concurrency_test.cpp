// Many processes and threads writing one store at once, and processes killed mid-write.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "registry_fixture.h"

namespace {

constexpr int kProcesses = 32;
constexpr int kWritesPerProcess = 40;

std::string ValueName(int writer, int index) { return "w" + std::to_string(writer) + "-" + std::to_string(index); }

// Sets every value of one writer, each its own call; true when every call succeeded.
bool WriteAll(int writer)
{
    HKEY shared = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Shared", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &shared,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (int i = 0; i < kWritesPerProcess; ++i) {
        const std::string name = ValueName(writer, i);
        ok &= RegSetValueExA(shared, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(name.c_str()),
                             static_cast<DWORD>(name.size() + 1)) == ERROR_SUCCESS;
        // Each writer also creates keys of its own, racing on the shared parent.
        HKEY own = nullptr;
        const std::string path = "SOFTWARE\\Shared\\" + name;
        ok &= RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &own,
                              nullptr) == ERROR_SUCCESS;
        RegCloseKey(own);
    }
    RegCloseKey(shared);
    return ok;
}

void ExpectEveryValue(int writers)
{
    HKEY shared = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Shared", 0, KEY_READ, &shared), ERROR_SUCCESS);
    DWORD values = 0, subkeys = 0;
    ASSERT_EQ(RegQueryInfoKeyA(shared, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                               nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, static_cast<DWORD>(writers * kWritesPerProcess));
    EXPECT_EQ(subkeys, static_cast<DWORD>(writers * kWritesPerProcess));
    for (int writer = 0; writer < writers; ++writer)
        for (int i = 0; i < kWritesPerProcess; ++i) {
            char data[64] = {};
            DWORD size = sizeof data;
            const std::string name = ValueName(writer, i);
            ASSERT_EQ(RegQueryValueExA(shared, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE *>(data), &size),
                      ERROR_SUCCESS)
                << name;
            EXPECT_EQ(std::string(data), name);
        }
    RegCloseKey(shared);
}

}  // namespace

using ConcurrencyTest = RegistryTest;

TEST_F(ConcurrencyTest, ThirtyTwoProcessesWritingAtOnceLoseNothing)
{
    // The parent has used the store before forking: children must not reuse its connection.
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "SOFTWARE"));
    std::vector<pid_t> children;
    for (int writer = 0; writer < kProcesses; ++writer) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            _exit(WriteAll(writer) ? 0 : 1);
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer process failed";
    }
    ExpectEveryValue(kProcesses);
}

TEST_F(ConcurrencyTest, ThreadsOfOneProcessWritingAtOnceLoseNothing)
{
    constexpr int kThreads = 8;
    std::vector<std::thread> threads;
    std::vector<int> results(kThreads, 0);
    for (int writer = 0; writer < kThreads; ++writer)
        threads.emplace_back([writer, &results] { results[writer] = WriteAll(writer) ? 1 : 0; });
    for (auto &thread : threads)
        thread.join();
    EXPECT_EQ(results, std::vector<int>(kThreads, 1));
    ExpectEveryValue(kThreads);
}

TEST_F(ConcurrencyTest, ProcessKilledWhileWritingLeavesEveryCommittedValue)
{
    int acks[2];
    ASSERT_EQ(pipe(acks), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(acks[0]);
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Killed", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            _exit(1);
        const std::string filler(4000, 'f');  // large values: the kill lands inside a write more often
        for (int i = 0;; ++i) {
            const std::string data = std::to_string(i) + filler;
            if (RegSetValueExA(key, std::to_string(i).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                               static_cast<DWORD>(data.size() + 1)) != ERROR_SUCCESS)
                _exit(1);
            if (write(acks[1], &i, sizeof i) != sizeof i)  // only after the call has returned success
                _exit(1);
        }
    }
    close(acks[1]);
    int committed = -1;
    for (int received = 0; received < 300; ++received)
        ASSERT_EQ(read(acks[0], &committed, sizeof committed), static_cast<ssize_t>(sizeof committed));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    // Acknowledgements still in the pipe are commits too.
    int later = 0;
    while (read(acks[0], &later, sizeof later) == static_cast<ssize_t>(sizeof later))
        committed = later;
    close(acks[0]);

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Killed", 0, KEY_READ, &key), ERROR_SUCCESS);
    for (int i = 0; i <= committed; ++i) {
        DWORD size = 0;
        ASSERT_EQ(RegQueryValueExA(key, std::to_string(i).c_str(), nullptr, nullptr, nullptr, &size), ERROR_SUCCESS)
            << "committed value " << i << " is missing";
        EXPECT_EQ(size, std::to_string(i).size() + 4001);
    }
    RegCloseKey(key);
    // The store still takes writes.
    HKEY after = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\AfterKill");
    SetString(after, "v", "ok");
    EXPECT_EQ(GetString(after, "v"), "ok");
    RegCloseKey(after);
}

TEST_F(ConcurrencyTest, ProcessKilledDuringImportLeavesAllOrNothingOfEachFile)
{
    constexpr int kValuesPerFile = 400;
    for (int file = 0; file < 50; ++file) {
        std::ofstream out(root_.Path() / ("bulk" + std::to_string(file) + ".reg"));
        out << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bulk\\" << file << "]\n";
        for (int i = 0; i < kValuesPerFile; ++i)
            out << "\"v" << i << "\"=\"" << std::string(200, 'x') << "\"\n";
    }
    int acks[2];
    ASSERT_EQ(pipe(acks), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(acks[0]);
        for (int file = 0; file < 50; ++file) {
            const std::string path = (root_.Path() / ("bulk" + std::to_string(file) + ".reg")).string();
            if (MfpRegImportFileA(path.c_str(), nullptr, 0) != ERROR_SUCCESS ||
                write(acks[1], &file, sizeof file) != sizeof file)
                _exit(1);
        }
        _exit(0);
    }
    close(acks[1]);
    int committed = -1;
    for (int received = 0; received < 3; ++received)
        ASSERT_EQ(read(acks[0], &committed, sizeof committed), static_cast<ssize_t>(sizeof committed));
    usleep(3000);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    int later = 0;
    while (read(acks[0], &later, sizeof later) == static_cast<ssize_t>(sizeof later))
        committed = later;
    close(acks[0]);

    for (int file = 0; file < 50; ++file) {
        HKEY key = nullptr;
        LSTATUS status =
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, ("SOFTWARE\\Bulk\\" + std::to_string(file)).c_str(), 0, KEY_READ, &key);
        if (file <= committed) {
            ASSERT_EQ(status, ERROR_SUCCESS) << "imported file " << file << " is missing";
        }
        if (status != ERROR_SUCCESS)
            continue;
        DWORD values = 0;
        ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                   nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(values, static_cast<DWORD>(kValuesPerFile)) << "file " << file << " was applied in part";
        RegCloseKey(key);
    }
}
