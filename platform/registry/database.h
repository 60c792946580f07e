// The SQLite connection behind the registry of one emulated root. Every thread keeps its own
// connection per database file; many processes share the file through SQLite's WAL locking.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace mfpwin::registry {

// A prepared statement borrowed from the connection's cache; reset when it goes out of scope.
class Statement {
public:
    explicit Statement(sqlite3_stmt *stmt) : stmt_(stmt) {}
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &Bind(int index, int64_t value);
    Statement &Bind(int index, std::string_view text);
    Statement &BindBlob(int index, const void *data, size_t size);
    // Advances to the next row; false when there is none. Throws StoreError on failure.
    bool Step();
    void Run() { Step(); }

    int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string Text(int column) const;
    std::string Blob(int column) const;

private:
    sqlite3_stmt *stmt_;
};

class Database {
public:
    explicit Database(const std::string &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const std::string &Path() const { return path_; }
    // Changes whenever this or any other connection has committed a change since the last
    // call, so that results read earlier can be reused while it stays the same.
    struct Stamp {
        uint64_t connection;     // unique per connection ever opened in this process
        int64_t otherWrites;     // SQLite's data_version: moves with other connections' commits
        uint64_t ownWrites;      // commits made through this connection
        bool operator==(const Stamp &) const = default;
    };
    Stamp CurrentStamp();
    void NoteCommit() { ++ownWrites_; }
    // The cached prepared form of sql (sql must be a string literal: the cache keys on it).
    Statement Prepare(const char *sql);
    void Execute(const char *sql);
    bool InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }
    // False once the file this connection opened has been removed or replaced (a root deleted
    // and made again): writes through it would reach no one.
    bool StillOnDisk() const;

private:
    void CreateSchema();

    std::string path_;
    sqlite3 *db_ = nullptr;
    uint64_t serial_;
    uint64_t device_ = 0;
    uint64_t inode_ = 0;
    uint64_t ownWrites_ = 0;
    std::unordered_map<const char *, sqlite3_stmt *> statements_;
};

// The calling thread's connection to the registry file of the current root (MFP_ROOT).
Database &CurrentDatabase();
// The calling thread's connection to a given registry file (for handles opened under an
// earlier root).
Database &DatabaseAt(const std::string &path);

// A write transaction: takes the write lock at once (waiting for other writers), commits on
// Commit(), rolls back when destroyed uncommitted.
class WriteTransaction {
public:
    explicit WriteTransaction(Database &db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;
    void Commit();

private:
    Database &db_;
    bool open_ = true;
};

// A read transaction: one consistent snapshot for several queries (and far fewer lock round
// trips than one snapshot per statement). Inside another transaction it does nothing.
class ReadTransaction {
public:
    explicit ReadTransaction(Database &db);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;

private:
    Database &db_;
    bool began_ = false;
};

}  // namespace mfpwin::registry
