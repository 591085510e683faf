#pragma once

#include "ListingCounts.h"

#include <nlohmann/json.hpp>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A value bound into a statement built at run time (search filters).
using SqlValue = std::variant<std::nullptr_t, std::int64_t, double, std::string>;

class StatementCache;

// One prepared statement, taken from its connection's cache; when destroyed it goes back there,
// reset.
class Statement {
public:
    Statement(sqlite3_stmt *prepared, StatementCache *cache, std::string sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept;

    Statement &bind(int index, std::int64_t value);
    Statement &bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement &bind(int index, double value);
    Statement &bind(int index, const std::string &value);
    Statement &bind(int index, const char *value) { return bind(index, std::string(value)); }
    Statement &bindNull(int index);
    // An empty text is stored as NULL ("none"), any other as itself.
    Statement &bindTextOrNull(int index, const std::string &value);
    Statement &bindValue(int index, const SqlValue &value);
    Statement &bindAll(const std::vector<SqlValue> &values);

    // Advances to the next row; false when done. Throws on errors.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    std::string text(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;
    int columnCount() const;

    // The current row as an object keyed by column names. A name starting with "j:" holds JSON
    // text, "b:" an integer read as a bool, "s:" any value read as text; the prefix is dropped.
    nlohmann::json rowObject() const;

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    StatementCache *m_cache = nullptr;
    std::string m_sql;
};

// The statements a connection prepared lately, kept for the next use of the same SQL text:
// parsing and planning a search's query costs about as much as running it for one page.
class StatementCache {
public:
    explicit StatementCache(sqlite3 *db)
        : m_db(db) {}
    ~StatementCache();
    StatementCache(const StatementCache &) = delete;
    StatementCache &operator=(const StatementCache &) = delete;

    Statement take(const std::string &sql);
    void giveBack(std::string sql, sqlite3_stmt *statement);

private:
    static constexpr std::size_t kCapacity = 64;
    sqlite3 *m_db;
    // Least recently used first.
    std::vector<std::pair<std::string, sqlite3_stmt *>> m_kept;
};

// One SQLite connection. Not shared between threads at the same time.
class Connection {
public:
    // `counts`, when given, is shared by every connection to the same file.
    explicit Connection(const std::string &path, ListingCounts *counts = nullptr);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void exec(const std::string &sql);
    Statement prepare(const std::string &sql) { return m_statements->take(sql); }
    std::int64_t changes() const;
    sqlite3 *handle() const { return m_db; }

    // Convenience: the first column of the first row as text / integer, or the fallback.
    std::string scalarText(const std::string &sql, const std::vector<SqlValue> &values,
                           const std::string &fallback = std::string());
    std::int64_t scalarInt(const std::string &sql, const std::vector<SqlValue> &values,
                           std::int64_t fallback = 0);

    // Raised by the database on every change to a listing or a bookmark; see ListingCounts.
    std::int64_t listingGeneration();
    // Whether what this connection reads is committed: no transaction of its own is open.
    bool readsCommittedData() const;
    ListingCounts *listingCounts() const { return m_counts; }

private:
    sqlite3 *m_db = nullptr;
    ListingCounts *m_counts = nullptr;
    std::unique_ptr<StatementCache> m_statements;
};

// A write transaction: BEGIN IMMEDIATE so concurrent writers wait instead of failing midway;
// rolled back unless commit() was reached.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

// The service's database file: a pool of connections in WAL mode, so readers run in parallel
// and writers queue on SQLite's own lock.
class Database {
public:
    explicit Database(const std::string &path);
    ~Database();

    class Lease {
    public:
        Lease(Database &owner, std::unique_ptr<Connection> connection);
        ~Lease();
        Lease(Lease &&other) noexcept;
        Lease(const Lease &) = delete;
        Lease &operator=(const Lease &) = delete;
        Connection &operator*() { return *m_connection; }
        Connection *operator->() { return m_connection.get(); }

    private:
        Database *m_owner;
        std::unique_ptr<Connection> m_connection;
    };

    Lease acquire();
    bool isEmpty();

    // The wide indexes of the listing searches, the text index and the triggers that keep it and
    // the generation of what searches read. A bulk load suspends them and resumes them afterwards,
    // which is much faster than keeping them up to date row by row; resuming refills the text
    // index and raises the generation once.
    static void suspendSearchUpkeep(Connection &connection);
    static void resumeSearchUpkeep(Connection &connection);

private:
    void release(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> open();
    void createSchema(Connection &connection);

    std::string m_path;
    ListingCounts m_listingCounts;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Connection>> m_idle;
};
