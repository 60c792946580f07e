// CreateProcessA, GetExitCodeProcess, TerminateProcess, OpenProcess and the current process.
#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kernel/command_line.h"
#include "kernel/process_object.h"
#include "kernel/program_search.h"
#include "kernel/win_path.h"

extern char **environ;

namespace {

constexpr DWORD ErrorDirectory = 267;       // ERROR_DIRECTORY
constexpr DWORD ErrorBadExeFormat = 193;    // ERROR_BAD_EXE_FORMAT

DWORD SpawnError(int error)
{
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case ENOEXEC:
        return ErrorBadExeFormat;
    case ENOMEM:
    case EAGAIN:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_INVALID_FUNCTION;
    }
}

// An environment block: "name=value" texts one after another, ended by an empty one.
std::vector<std::string> EnvironmentFromBlock(const char *block)
{
    std::vector<std::string> entries;
    for (const char *entry = block; *entry; entry += std::strlen(entry) + 1)
        entries.emplace_back(entry);
    return entries;
}

std::vector<char *> PointersTo(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

bool IsDirectory(const std::string &path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Starts the program; the process id, or 0 with the last error set.
pid_t Spawn(const std::string &program, std::vector<std::string> arguments, LPVOID environment, LPCSTR currentDirectory)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (currentDirectory && *currentDirectory) {
        std::string directory = mfpwin::ResolveWindowsPath(currentDirectory).string();
        if (!IsDirectory(directory)) {
            posix_spawn_file_actions_destroy(&actions);
            SetLastError(ErrorDirectory);
            return 0;
        }
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    std::vector<char *> argv = PointersTo(arguments);
    std::vector<std::string> environmentEntries;
    std::vector<char *> envp;
    if (environment) {
        environmentEntries = EnvironmentFromBlock(static_cast<const char *>(environment));
        envp = PointersTo(environmentEntries);
    }
    pid_t pid = 0;
    int error = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environment ? envp.data() : environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        SetLastError(SpawnError(error));
        return 0;
    }
    return pid;
}

}  // namespace

MFPAPI BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                           BOOL, DWORD creationFlags, LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA,
                           LPPROCESS_INFORMATION processInformation)
{
    if ((!applicationName && !commandLine) || !processInformation) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (creationFlags & CREATE_SUSPENDED) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    std::vector<std::string> arguments = mfpwin::SplitCommandLine(commandLine ? commandLine : "");
    if (arguments.empty() && applicationName)
        arguments.emplace_back(applicationName);
    if (arguments.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::optional<std::string> program = applicationName ? mfpwin::FindProgram(applicationName, false)
                                                         : mfpwin::FindProgram(arguments[0], true);
    if (!program) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }

    pid_t pid = Spawn(*program, arguments, environment, currentDirectory);
    if (pid == 0)
        return FALSE;
    auto process = mfpwin::ProcessObject::Open(pid, true);
    if (!process) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    processInformation->hProcess = mfpwin::InsertHandle(process);
    processInformation->hThread = mfpwin::InsertHandle(std::make_shared<mfpwin::MainThreadObject>(process));
    processInformation->dwProcessId = static_cast<DWORD>(pid);
    processInformation->dwThreadId = static_cast<DWORD>(pid);  // the first thread's id is the process id
    return TRUE;
}

MFPAPI BOOL GetExitCodeProcess(HANDLE process, LPDWORD exitCode)
{
    auto object = mfpwin::LookupHandleAs<mfpwin::ProcessObject>(process);
    if (!object)
        return FALSE;
    if (!exitCode) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *exitCode = object->ExitCode();
    return TRUE;
}

MFPAPI BOOL TerminateProcess(HANDLE process, UINT exitCode)
{
    auto object = mfpwin::LookupHandleAs<mfpwin::ProcessObject>(process);
    if (!object)
        return FALSE;
    if (!object->Terminate(exitCode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

MFPAPI HANDLE OpenProcess(DWORD, BOOL, DWORD processId)
{
    auto process = processId == 0 ? nullptr : mfpwin::ProcessObject::Open(static_cast<pid_t>(processId), false);
    if (!process) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return mfpwin::InsertHandle(process);
}

MFPAPI HANDLE GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }

MFPAPI DWORD GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }
