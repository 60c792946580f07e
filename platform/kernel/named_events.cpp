#include "kernel/named_events.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

#include "root.h"

namespace mfpwin {

namespace {

constexpr size_t MaxEventNameLength = MAX_PATH;
constexpr size_t MaxReadableFileName = 160;
constexpr DWORD ErrorFilenameTooLong = 206;  // ERROR_FILENAME_EXCED_RANGE

// One mapping of an event file per process, shared by every handle this process has to it.
class EventFile {
public:
    EventFile(std::string path, int fd, EventState *state) : path_(std::move(path)), fd_(fd), state_(state), ownerPid_(getpid()) {}
    ~EventFile();

    EventState *State() const { return state_; }

private:
    std::string path_;
    int fd_;
    EventState *state_;
    pid_t ownerPid_;
};

// Serialises create, open and last close of event files, within and across processes.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::filesystem::path &directory)
    {
        fd_ = open((directory / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0)
            flock(fd_, LOCK_EX);
    }
    ~DirectoryLock()
    {
        if (fd_ >= 0)
            close(fd_);  // releases the lock
    }
    DirectoryLock(const DirectoryLock &) = delete;
    DirectoryLock &operator=(const DirectoryLock &) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

std::mutex *openFilesMutex = new std::mutex;

std::map<std::string, std::weak_ptr<EventFile>> &OpenFiles()
{
    static auto *files = new std::map<std::string, std::weak_ptr<EventFile>>;
    return *files;
}

// A forked child starts with no event files of its own: it opens names afresh, so that its
// closes never release the parent's lock.
// The mutex is replaced too: another thread of the parent may have held it at the fork.
void ForgetOpenFilesInChild()
{
    openFilesMutex = new std::mutex;
    OpenFiles().clear();
}

std::once_flag forkHandlerOnce;

std::filesystem::path EventDirectory()
{
    std::filesystem::path directory = RootDirectory() / ".kernel" / "events";
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory;
}

EventFile::~EventFile()
{
    munmap(state_, sizeof(EventState));
    if (ownerPid_ == getpid()) {
        DirectoryLock lock(std::filesystem::path(path_).parent_path());
        // The exclusive lock is granted only when no other process holds the name open.
        if (flock(fd_, LOCK_EX | LOCK_NB) == 0)
            unlink(path_.c_str());
    }
    close(fd_);
}

EventState *MapState(int fd)
{
    void *memory = mmap(nullptr, sizeof(EventState), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    return memory == MAP_FAILED ? nullptr : static_cast<EventState *>(memory);
}

NamedEventResult Failure(DWORD error)
{
    NamedEventResult result;
    result.error = error;
    return result;
}

std::shared_ptr<EventObject> EventOf(const std::shared_ptr<EventFile> &file)
{
    return std::make_shared<EventObject>(file->State(), file);
}

NamedEventResult OpenOrCreate(const std::string &name, bool create, bool manualReset, bool initialState)
{
    std::call_once(forkHandlerOnce, [] { pthread_atfork(nullptr, nullptr, ForgetOpenFilesInChild); });
    if (name.size() > MaxEventNameLength)
        return Failure(ErrorFilenameTooLong);
    std::string fileName = EventFileName(name);
    if (fileName.empty())
        return Failure(ERROR_PATH_NOT_FOUND);

    std::filesystem::path directory = EventDirectory();
    std::string path = (directory / fileName).string();
    std::lock_guard processLock(*openFilesMutex);
    DirectoryLock lock(directory);
    if (!lock.Held())
        return Failure(ERROR_ACCESS_DENIED);

    if (auto existing = OpenFiles()[path].lock()) {
        NamedEventResult result;
        result.event = EventOf(existing);
        result.existed = true;
        return result;
    }

    bool existed = false;
    int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // Left behind by processes that have all ended: the name no longer exists.
            if (!create) {
                unlink(path.c_str());
                close(fd);
                return Failure(ERROR_FILE_NOT_FOUND);
            }
        } else {
            existed = true;
        }
    } else if (errno != ENOENT) {
        return Failure(ERROR_ACCESS_DENIED);
    } else if (!create) {
        return Failure(ERROR_FILE_NOT_FOUND);
    } else {
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            return Failure(ERROR_ACCESS_DENIED);
    }

    if (!existed && ftruncate(fd, sizeof(EventState)) != 0) {
        close(fd);
        return Failure(ERROR_NOT_ENOUGH_MEMORY);
    }
    EventState *state = MapState(fd);
    if (!state || (existed && state->magic != EventStateMagic)) {
        if (state)
            munmap(state, sizeof(EventState));
        close(fd);
        return Failure(existed ? ERROR_INVALID_HANDLE : ERROR_NOT_ENOUGH_MEMORY);
    }
    if (!existed)
        EventObject::Initialise(*state, manualReset, initialState);
    flock(fd, LOCK_SH);  // from exclusive (fresh or stale file) or none to shared

    auto file = std::make_shared<EventFile>(path, fd, state);
    OpenFiles()[path] = file;
    NamedEventResult result;
    result.event = EventOf(file);
    result.existed = existed;
    return result;
}

}  // namespace

std::string EventFileName(const std::string &name)
{
    std::string local = name;
    for (const char *prefix : {"Global\\", "Local\\"}) {
        if (local.rfind(prefix, 0) == 0) {
            local.erase(0, std::char_traits<char>::length(prefix));
            break;
        }
    }
    if (local.empty() || local.find('\\') != std::string::npos)
        return {};

    std::string encoded;
    for (unsigned char c : local) {
        bool hidden = c == '.' && encoded.empty();  // never ".", ".." or the lock file
        if (std::isalnum(c) || c == '-' || c == '_' || (c == '.' && !hidden)) {
            encoded += static_cast<char>(c);
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            encoded += escape;
        }
    }
    if (encoded.size() <= MaxReadableFileName)
        return encoded;

    uint64_t hash = 14695981039346656037ull;  // FNV-1a over the whole name
    for (unsigned char c : local)
        hash = (hash ^ c) * 1099511628211ull;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "~%016llx", static_cast<unsigned long long>(hash));
    return encoded.substr(0, MaxReadableFileName - 17) + suffix;
}

NamedEventResult CreateNamedEvent(const std::string &name, bool manualReset, bool initialState)
{
    return OpenOrCreate(name, true, manualReset, initialState);
}

NamedEventResult OpenNamedEvent(const std::string &name) { return OpenOrCreate(name, false, false, false); }

}  // namespace mfpwin
