#include "database.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <cerrno>
#include <map>
#include <memory>

#include "root.h"
#include "store_error.h"

namespace mfpwin::registry {

namespace {

// Connections a thread keeps open to registry files of earlier roots.
constexpr size_t kConnectionsPerThread = 8;

// How long a caller waits for other processes' writes before the call fails.
constexpr int kBusyTimeoutMs = 60000;

LSTATUS StatusOf(int sqliteCode)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_FULL:
    case SQLITE_IOERR:
        return ERROR_CANTWRITE;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return ERROR_ACCESS_DENIED;
    case SQLITE_CANTOPEN:
        return ERROR_CANTOPEN;
    case SQLITE_NOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_BADDB;
    }
}

// Holds an exclusive lock on "<database>.lock" while a connection sets the file up. Switching a
// new file to WAL and creating the schema must not race with other processes doing the same:
// SQLite reports such collisions as "busy" without waiting.
class SetupLock {
public:
    explicit SetupLock(const std::string &databasePath)
    {
        fd_ = open((databasePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            throw StoreError(ERROR_CANTOPEN, "cannot open " + databasePath + ".lock");
        while (flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                close(fd_);
                throw StoreError(ERROR_CANTOPEN, "cannot lock " + databasePath + ".lock");
            }
        }
    }
    ~SetupLock() { close(fd_); }
    SetupLock(const SetupLock &) = delete;
    SetupLock &operator=(const SetupLock &) = delete;

private:
    int fd_ = -1;
};

[[noreturn]] void Fail(sqlite3 *db, int code, const std::string &doing)
{
    throw StoreError(StatusOf(code), doing + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code)));
}

const char *const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys(
    id      INTEGER PRIMARY KEY AUTOINCREMENT,
    parent  INTEGER NOT NULL,
    name    TEXT    NOT NULL,
    fold    TEXT    NOT NULL,
    class   TEXT    NOT NULL DEFAULT '',
    written INTEGER NOT NULL,
    UNIQUE(parent, fold));
CREATE TABLE IF NOT EXISTS vals(
    seq  INTEGER PRIMARY KEY,
    key  INTEGER NOT NULL,
    name TEXT    NOT NULL,
    fold TEXT    NOT NULL,
    type INTEGER NOT NULL,
    data BLOB    NOT NULL,
    UNIQUE(key, fold));
INSERT OR IGNORE INTO keys(id, parent, name, fold, written)
    VALUES (1, 0, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE', 0),
           (2, 0, 'HKEY_USERS', 'HKEY_USERS', 0);
PRAGMA user_version = 1;
)sql";

// Connections of one thread, one per registry file. A child process after fork() must not use
// its parent's connections (their locks belong to the parent), so they are dropped unclosed.
struct ThreadConnections {
    pid_t owner = getpid();
    std::map<std::string, std::unique_ptr<Database>> byPath;

    ~ThreadConnections()
    {
        if (owner != getpid())
            ReleaseInherited();
    }

    void ReleaseInherited()
    {
        for (auto &entry : byPath)
            (void)entry.second.release();
        byPath.clear();
        owner = getpid();
    }
};

thread_local ThreadConnections connections;

}  // namespace

Statement::~Statement()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

Statement &Statement::Bind(int index, int64_t value)
{
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement &Statement::Bind(int index, std::string_view text)
{
    // A default-constructed view has no data pointer; it still means the empty text, not NULL.
    sqlite3_bind_text(stmt_, index, text.data() ? text.data() : "", static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement &Statement::BindBlob(int index, const void *data, size_t size)
{
    static const char empty = 0;
    sqlite3_bind_blob(stmt_, index, size ? data : &empty, static_cast<int>(size), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::Step()
{
    // SQLite answers "busy" without waiting in a few moments of another process's life (its
    // connection setting up or recovering the log); the statement has done nothing then, so it
    // is run again until the busy timeout has passed.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    while (true) {
        int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        if ((rc & 0xff) != SQLITE_BUSY || std::chrono::steady_clock::now() >= deadline)
            Fail(sqlite3_db_handle(stmt_), rc, "registry statement");
        sqlite3_reset(stmt_);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

std::string Statement::Text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

std::string Statement::Blob(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt_, column));
    return data ? std::string(data, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

Database::Database(const std::string &path) : path_(path)
{
    static std::atomic<uint64_t> connectionsOpened{0};
    serial_ = ++connectionsOpened;
    SetupLock setup(path);
    int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        throw StoreError(ERROR_CANTOPEN, "cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    try {
        Execute("PRAGMA journal_mode=WAL");
        // With WAL, NORMAL keeps every committed transaction across a crash of the process.
        Execute("PRAGMA synchronous=NORMAL");
        CreateSchema();
        struct stat file {};
        if (stat(path.c_str(), &file) == 0) {
            device_ = file.st_dev;
            inode_ = file.st_ino;
        }
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

Database::~Database()
{
    for (auto &entry : statements_)
        sqlite3_finalize(entry.second);
    sqlite3_close(db_);
}

void Database::CreateSchema()
{
    {
        Statement version = Prepare("PRAGMA user_version");
        if (version.Step() && version.Int(0) >= 1)
            return;
    }
    WriteTransaction transaction(*this);
    char *error = nullptr;
    int rc = sqlite3_exec(db_, kSchema, nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : "";
        sqlite3_free(error);
        throw StoreError(StatusOf(rc), "cannot create the registry schema: " + message);
    }
    transaction.Commit();
}

bool Database::StillOnDisk() const
{
    struct stat file {};
    return stat(path_.c_str(), &file) == 0 && file.st_dev == device_ && file.st_ino == inode_;
}

Database::Stamp Database::CurrentStamp()
{
    Statement version = Prepare("PRAGMA data_version");
    version.Step();
    return Stamp{serial_, version.Int(0), ownWrites_};
}

Statement Database::Prepare(const char *sql)
{
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return Statement(found->second);
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK)
        Fail(db_, rc, "prepare");
    statements_.emplace(sql, stmt);
    return Statement(stmt);
}

void Database::Execute(const char *sql)
{
    Statement statement = Prepare(sql);
    while (statement.Step()) {
    }
}

Database &DatabaseAt(const std::string &path)
{
    if (connections.owner != getpid())
        connections.ReleaseInherited();
    auto &byPath = connections.byPath;
    if (auto found = byPath.find(path); found != byPath.end() && !found->second->StillOnDisk())
        byPath.erase(found);
    if (!byPath.count(path) && byPath.size() >= kConnectionsPerThread)
        byPath.erase(byPath.begin());  // every call resolves its connection once, so none is in use
    auto &slot = byPath[path];
    if (!slot) {
        try {
            slot = std::make_unique<Database>(path);
        } catch (...) {
            connections.byPath.erase(path);
            throw;
        }
    }
    return *slot;
}

Database &CurrentDatabase() { return DatabaseAt((RootDirectory() / "registry.db").string()); }

WriteTransaction::WriteTransaction(Database &db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }

WriteTransaction::~WriteTransaction()
{
    if (open_) {
        try {
            db_.Execute("ROLLBACK");
        } catch (...) {
        }
    }
}

void WriteTransaction::Commit()
{
    db_.Execute("COMMIT");
    open_ = false;
    db_.NoteCommit();
}

ReadTransaction::ReadTransaction(Database &db) : db_(db)
{
    if (!db_.InTransaction()) {
        db_.Execute("BEGIN");
        began_ = true;
    }
}

ReadTransaction::~ReadTransaction()
{
    if (!began_)
        return;
    try {
        db_.Execute("COMMIT");
    } catch (...) {
    }
}

}  // namespace mfpwin::registry
