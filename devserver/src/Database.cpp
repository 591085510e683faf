#include "Database.h"

#include "JsonNesting.h"
#include "SearchColumns.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

std::runtime_error sqlError(sqlite3 *db, const std::string &what) {
    return std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

// From how many listings on the planner needs statistics to choose well.
constexpr std::int64_t kAnalyseFrom = 5000;

const char *const kSchema = R"SQL(
CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT);
CREATE TABLE IF NOT EXISTS areas(
    id TEXT PRIMARY KEY, title TEXT NOT NULL, description TEXT NOT NULL DEFAULT '',
    status INTEGER NOT NULL DEFAULT 1, latitude REAL, longitude REAL, sort INTEGER NOT NULL DEFAULT 0,
    created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS plans(
    id TEXT PRIMARY KEY, title TEXT NOT NULL, expdays INTEGER NOT NULL, price INTEGER NOT NULL,
    renew_price INTEGER NOT NULL, pre_discount_price INTEGER NOT NULL DEFAULT 0,
    max_users_count INTEGER NOT NULL, max_logins_desktop INTEGER NOT NULL,
    max_logins_mobile INTEGER NOT NULL, price_per_extra_user INTEGER NOT NULL,
    max_areas_count INTEGER NOT NULL, max_files_per_period INTEGER NOT NULL,
    sharing_enabled INTEGER NOT NULL, system_plan INTEGER NOT NULL, status INTEGER NOT NULL,
    created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS offices(
    id TEXT PRIMARY KEY, title TEXT NOT NULL, area_id TEXT, address TEXT NOT NULL DEFAULT '',
    website TEXT NOT NULL DEFAULT '', latitude REAL, longitude REAL,
    phones TEXT NOT NULL DEFAULT '[]', mobiles TEXT NOT NULL DEFAULT '[]',
    current_plan_id TEXT, plan_expires_ms INTEGER NOT NULL DEFAULT 0,
    extra_users INTEGER NOT NULL DEFAULT 0, extra_area_ids TEXT NOT NULL DEFAULT '[]',
    next_tracking_id INTEGER NOT NULL DEFAULT 1001, created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS users(
    id TEXT PRIMARY KEY, office_id TEXT, system_role TEXT NOT NULL, fname TEXT NOT NULL DEFAULT '',
    lname TEXT NOT NULL DEFAULT '', username TEXT NOT NULL UNIQUE, mobile TEXT NOT NULL DEFAULT '',
    phone TEXT NOT NULL DEFAULT '', email TEXT NOT NULL DEFAULT '', password_hash TEXT, password_salt TEXT,
    status INTEGER NOT NULL DEFAULT 2, avatar TEXT, balance INTEGER NOT NULL DEFAULT 0,
    gift_balance INTEGER NOT NULL DEFAULT 0, created_at TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS users_office ON users(office_id);
CREATE TABLE IF NOT EXISTS sessions(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, platform TEXT NOT NULL, device_id TEXT NOT NULL,
    os TEXT, os_version TEXT, app_version TEXT, refresh_token TEXT NOT NULL UNIQUE,
    created_ms INTEGER NOT NULL, last_used_ms INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS sessions_user ON sessions(user_id, platform);
CREATE TABLE IF NOT EXISTS access_tokens(
    token TEXT PRIMARY KEY, session_id TEXT NOT NULL, expires_ms INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS access_tokens_session ON access_tokens(session_id);
CREATE TABLE IF NOT EXISTS login_codes(
    mobile TEXT PRIMARY KEY, code TEXT NOT NULL, expires_ms INTEGER NOT NULL, attempts INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS code_requests(mobile TEXT NOT NULL, sent_ms INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS code_requests_mobile ON code_requests(mobile, sent_ms);
CREATE INDEX IF NOT EXISTS code_requests_time ON code_requests(sent_ms);
CREATE TABLE IF NOT EXISTS sign_in_failures(
    subject TEXT PRIMARY KEY, failures INTEGER NOT NULL, last_ms INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS sign_in_failures_time ON sign_in_failures(last_ms);
CREATE TABLE IF NOT EXISTS folders(
    id TEXT PRIMARY KEY, office_id TEXT NOT NULL, title TEXT NOT NULL, query TEXT NOT NULL,
    system_folder INTEGER NOT NULL, options TEXT NOT NULL DEFAULT '{}', users TEXT NOT NULL DEFAULT '[]',
    created_at TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS folders_office ON folders(office_id);
CREATE TABLE IF NOT EXISTS property_files(
    id TEXT PRIMARY KEY, office_id TEXT NOT NULL, tracking_id INTEGER NOT NULL,
    deal_type INTEGER NOT NULL, property_type INTEGER NOT NULL, status INTEGER NOT NULL,
    deal_status TEXT, system_file INTEGER NOT NULL DEFAULT 0, just_owner_access INTEGER NOT NULL DEFAULT 0,
    shared INTEGER, created_by TEXT, file_date_ms INTEGER NOT NULL, area_id TEXT,
    attrs TEXT NOT NULL DEFAULT '{}', images TEXT NOT NULL DEFAULT '[]', latitude REAL, longitude REAL,
    source_id TEXT, created_at TEXT NOT NULL, updated_at TEXT NOT NULL,
    n_price REAL,
    n_mortgage REAL,
    n_rent REAL,
    n_home REAL,
    n_area REAL,
    n_room REAL,
    n_price_meter REAL,
    n_floorspace REAL,
    t_name_family TEXT,
    t_mobile TEXT,
    t_address TEXT,
    t_district TEXT,
    t_fileDetail TEXT,
    t_disc TEXT,
    flags TEXT,
    e_parking_lot TEXT);
CREATE UNIQUE INDEX IF NOT EXISTS files_tracking ON property_files(office_id, tracking_id);
-- Earlier, narrower indexes of the listing searches (see kSearchUpkeep).
DROP INDEX IF EXISTS files_office_date;
DROP INDEX IF EXISTS files_office_created;
DROP INDEX IF EXISTS files_office;
DROP INDEX IF EXISTS files_by_date;
DROP INDEX IF EXISTS files_by_creation;
DROP INDEX IF EXISTS files_by_option;
CREATE INDEX IF NOT EXISTS files_shared ON property_files(shared) WHERE shared = 1;
CREATE INDEX IF NOT EXISTS files_source ON property_files(office_id, source_id);
CREATE TABLE IF NOT EXISTS bookmarks(
    user_id TEXT NOT NULL, file_id TEXT NOT NULL, created_at TEXT NOT NULL, PRIMARY KEY(user_id, file_id));
CREATE TABLE IF NOT EXISTS report_flags(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, file_id TEXT NOT NULL, flag_type TEXT NOT NULL,
    description TEXT NOT NULL, created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS system_handouts(
    office_id TEXT NOT NULL, day TEXT NOT NULL, count INTEGER NOT NULL, PRIMARY KEY(office_id, day));
CREATE TABLE IF NOT EXISTS orders(
    id TEXT PRIMARY KEY, office_id TEXT, user_id TEXT NOT NULL, tracking_id INTEGER NOT NULL,
    order_type TEXT NOT NULL, amount INTEGER NOT NULL, payment_amount INTEGER NOT NULL,
    status TEXT NOT NULL, gateway_auth TEXT, payload TEXT NOT NULL DEFAULT '{}', pay_token TEXT UNIQUE,
    created_at TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS orders_user ON orders(user_id);
CREATE TABLE IF NOT EXISTS transactions(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, office_id TEXT, order_id TEXT,
    payment_gateway TEXT NOT NULL, gateway_auth TEXT, receipt TEXT, amount INTEGER NOT NULL,
    status INTEGER NOT NULL, created_at TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS transactions_user ON transactions(user_id);
CREATE TABLE IF NOT EXISTS gift_codes(
    code TEXT PRIMARY KEY, amount INTEGER NOT NULL, redeemed_by TEXT, redeemed_at TEXT);
CREATE TABLE IF NOT EXISTS packages(
    id TEXT PRIMARY KEY, title TEXT NOT NULL, price INTEGER NOT NULL, max_files INTEGER NOT NULL,
    area_ids TEXT NOT NULL DEFAULT '[]', days_past INTEGER NOT NULL DEFAULT 0, from_date TEXT,
    to_date TEXT, deal_type INTEGER NOT NULL DEFAULT -1, property_type INTEGER NOT NULL DEFAULT -1,
    is_rebuyable INTEGER NOT NULL DEFAULT 0, status INTEGER NOT NULL DEFAULT 1, created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS office_packages(
    office_id TEXT NOT NULL, package_id TEXT NOT NULL, bought_at TEXT NOT NULL,
    PRIMARY KEY(office_id, package_id));
CREATE TABLE IF NOT EXISTS contacts(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, full_name TEXT NOT NULL, mobiles TEXT NOT NULL,
    status INTEGER NOT NULL DEFAULT 1, created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS notes(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, title TEXT NOT NULL, body TEXT NOT NULL,
    status INTEGER NOT NULL DEFAULT 1, created_at TEXT NOT NULL);
-- A user's own contacts and notes are listed (and searched) page by page, newest first.
CREATE INDEX IF NOT EXISTS contacts_user ON contacts(user_id, status, created_at);
CREATE INDEX IF NOT EXISTS notes_user ON notes(user_id, status, created_at);
CREATE TABLE IF NOT EXISTS posts(
    id TEXT PRIMARY KEY, title TEXT NOT NULL, body TEXT NOT NULL, url TEXT, tags TEXT NOT NULL DEFAULT '[]',
    images TEXT NOT NULL DEFAULT '[]', created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS notifications(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, title TEXT NOT NULL, body TEXT NOT NULL,
    is_read INTEGER NOT NULL DEFAULT 0, created_at TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS notifications_user ON notifications(user_id);
CREATE TABLE IF NOT EXISTS contact_messages(
    id TEXT PRIMARY KEY, user_id TEXT NOT NULL, type TEXT NOT NULL, description TEXT NOT NULL,
    created_at TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS listing_generation(id INTEGER PRIMARY KEY CHECK (id = 1), value INTEGER NOT NULL);
INSERT OR IGNORE INTO listing_generation VALUES (1, 0);
-- The texts of the search bar, indexed by every three characters, so that a containment search
-- looks its matches up instead of reading every listing. It keeps no copy of the texts (they stay
-- in property_files) and follows the listings' row ids, which nothing here renumbers.
CREATE VIRTUAL TABLE IF NOT EXISTS listing_text USING fts5(
    t_name_family, t_mobile, t_address, t_district, t_fileDetail, t_disc,
    content = 'property_files', content_rowid = 'rowid', tokenize = 'trigram case_sensitive 1');
)SQL";

// What keeps the listing searches fast. Two wide indexes serve them in their two usual orders:
// the order and every column the scope and the usual filters test, so that counting and paging
// never read the listings they skip. Triggers raise the generation of what searches read (the
// listings and the bookmarks) on every change, so that a kept total is never answered stale.
const char *const kSearchUpkeep = R"SQL(
CREATE INDEX IF NOT EXISTS files_by_date_v2 ON property_files(
    office_id, file_date_ms DESC, created_at DESC, id, status, system_file, deal_type, property_type,
    just_owner_access, created_by, deal_status);
CREATE INDEX IF NOT EXISTS files_by_creation_v2 ON property_files(
    office_id, created_at DESC, id, status, system_file, deal_type, property_type, just_owner_access, created_by,
    deal_status);
-- Lists of one deal (and property) type sorted by an attribute: the candidates and their sort
-- keys come from the index alone, and only the page's own listings are read.
CREATE INDEX IF NOT EXISTS files_by_type ON property_files(
    office_id, deal_type, property_type, status, system_file, just_owner_access, created_by, n_price, n_rent,
    n_mortgage, n_home, n_area, n_room, n_price_meter, n_floorspace, file_date_ms, created_at, id);
-- Option filters within a type: only the listings that have the options are read.
CREATE INDEX IF NOT EXISTS files_by_option_v2 ON property_files(
    office_id, deal_type, property_type, status, flags, e_parking_lot);
CREATE TRIGGER IF NOT EXISTS listing_added AFTER INSERT ON property_files
    BEGIN UPDATE listing_generation SET value = value + 1 WHERE id = 1; END;
CREATE TRIGGER IF NOT EXISTS listing_changed AFTER UPDATE ON property_files
    BEGIN UPDATE listing_generation SET value = value + 1 WHERE id = 1; END;
CREATE TRIGGER IF NOT EXISTS listing_removed AFTER DELETE ON property_files
    BEGIN UPDATE listing_generation SET value = value + 1 WHERE id = 1; END;
CREATE TRIGGER IF NOT EXISTS bookmark_added AFTER INSERT ON bookmarks
    BEGIN UPDATE listing_generation SET value = value + 1 WHERE id = 1; END;
CREATE TRIGGER IF NOT EXISTS bookmark_removed AFTER DELETE ON bookmarks
    BEGIN UPDATE listing_generation SET value = value + 1 WHERE id = 1; END;
CREATE TRIGGER IF NOT EXISTS listing_text_added AFTER INSERT ON property_files BEGIN
    INSERT INTO listing_text(rowid, t_name_family, t_mobile, t_address, t_district, t_fileDetail, t_disc)
    VALUES (new.rowid, new.t_name_family, new.t_mobile, new.t_address, new.t_district, new.t_fileDetail,
            new.t_disc);
END;
CREATE TRIGGER IF NOT EXISTS listing_text_removed AFTER DELETE ON property_files BEGIN
    INSERT INTO listing_text(listing_text, rowid, t_name_family, t_mobile, t_address, t_district, t_fileDetail,
                             t_disc)
    VALUES ('delete', old.rowid, old.t_name_family, old.t_mobile, old.t_address, old.t_district,
            old.t_fileDetail, old.t_disc);
END;
CREATE TRIGGER IF NOT EXISTS listing_text_changed
AFTER UPDATE OF t_name_family, t_mobile, t_address, t_district, t_fileDetail, t_disc ON property_files BEGIN
    INSERT INTO listing_text(listing_text, rowid, t_name_family, t_mobile, t_address, t_district, t_fileDetail,
                             t_disc)
    VALUES ('delete', old.rowid, old.t_name_family, old.t_mobile, old.t_address, old.t_district,
            old.t_fileDetail, old.t_disc);
    INSERT INTO listing_text(rowid, t_name_family, t_mobile, t_address, t_district, t_fileDetail, t_disc)
    VALUES (new.rowid, new.t_name_family, new.t_mobile, new.t_address, new.t_district, new.t_fileDetail,
            new.t_disc);
END;
-- Whatever happened while the triggers were away counts as a change.
UPDATE listing_generation SET value = value + 1 WHERE id = 1;
)SQL";

} // namespace

Statement::Statement(sqlite3_stmt *prepared, StatementCache *cache, std::string sql)
    : m_db(sqlite3_db_handle(prepared))
    , m_stmt(prepared)
    , m_cache(cache)
    , m_sql(std::move(sql)) {}

Statement::~Statement() {
    if (!m_stmt)
        return;
    m_cache->giveBack(std::move(m_sql), m_stmt);
}

Statement::Statement(Statement &&other) noexcept
    : m_db(other.m_db)
    , m_stmt(other.m_stmt)
    , m_cache(other.m_cache)
    , m_sql(std::move(other.m_sql)) {
    other.m_stmt = nullptr;
}

StatementCache::~StatementCache() {
    for (auto &kept : m_kept)
        sqlite3_finalize(kept.second);
}

Statement StatementCache::take(const std::string &sql) {
    for (auto it = m_kept.rbegin(); it != m_kept.rend(); ++it) {
        if (it->first == sql) {
            sqlite3_stmt *statement = it->second;
            m_kept.erase(std::next(it).base());
            return Statement(statement, this, sql);
        }
    }
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, nullptr) != SQLITE_OK)
        throw sqlError(m_db, "prepare failed (" + sql.substr(0, 80) + ")");
    return Statement(statement, this, sql);
}

void StatementCache::giveBack(std::string sql, sqlite3_stmt *statement) {
    // A statement kept for later holds no read transaction open and no values bound.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (m_kept.size() >= kCapacity) {
        sqlite3_finalize(m_kept.front().second);
        m_kept.erase(m_kept.begin());
    }
    m_kept.emplace_back(std::move(sql), statement);
}

Statement &Statement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement &Statement::bind(int index, double value) {
    sqlite3_bind_double(m_stmt, index, value);
    return *this;
}

Statement &Statement::bind(int index, const std::string &value) {
    sqlite3_bind_text(m_stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement &Statement::bindNull(int index) {
    sqlite3_bind_null(m_stmt, index);
    return *this;
}

Statement &Statement::bindTextOrNull(int index, const std::string &value) {
    return value.empty() ? bindNull(index) : bind(index, value);
}

Statement &Statement::bindValue(int index, const SqlValue &value) {
    if (std::holds_alternative<std::int64_t>(value))
        return bind(index, std::get<std::int64_t>(value));
    if (std::holds_alternative<double>(value))
        return bind(index, std::get<double>(value));
    if (std::holds_alternative<std::string>(value))
        return bind(index, std::get<std::string>(value));
    return bindNull(index);
}

Statement &Statement::bindAll(const std::vector<SqlValue> &values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        bindValue(static_cast<int>(i) + 1, values[i]);
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw sqlError(m_db, "step failed");
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

std::string Statement::text(int column) const {
    const auto *data = sqlite3_column_text(m_stmt, column);
    if (!data)
        return std::string();
    return std::string(reinterpret_cast<const char *>(data),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

nlohmann::json Statement::rowObject() const {
    nlohmann::json object = nlohmann::json::object();
    const int count = columnCount();
    for (int i = 0; i < count; ++i) {
        std::string name = sqlite3_column_name(m_stmt, i);
        const int type = sqlite3_column_type(m_stmt, i);
        if (name.rfind("j:", 0) == 0) {
            name.erase(0, 2);
            // Text nested too deeply (stored before requests were checked for it) reads as absent
            // rather than breaking every reply that carries it.
            const std::string stored = type == SQLITE_NULL ? std::string() : text(i);
            object[name] = type == SQLITE_NULL || !JsonNesting::within(stored)
                               ? nlohmann::json()
                               : nlohmann::json::parse(stored, nullptr, false);
            if (object[name].is_discarded())
                object[name] = nullptr;
        } else if (name.rfind("b:", 0) == 0) {
            name.erase(0, 2);
            object[name] = integer(i) != 0;
        } else if (name.rfind("s:", 0) == 0) {
            name.erase(0, 2);
            object[name] = type == SQLITE_NULL ? nlohmann::json() : nlohmann::json(text(i));
        } else if (type == SQLITE_INTEGER) {
            object[name] = integer(i);
        } else if (type == SQLITE_FLOAT) {
            object[name] = real(i);
        } else if (type == SQLITE_NULL) {
            object[name] = nullptr;
        } else {
            object[name] = text(i);
        }
    }
    return object;
}

Connection::Connection(const std::string &path, ListingCounts *counts)
    : m_counts(counts) {
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const auto error = sqlError(m_db, "cannot open " + path);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw error;
    }
    sqlite3_busy_timeout(m_db, 15000);
    m_statements = std::make_unique<StatementCache>(m_db);
    // Searches scan many listings: map the file and keep a fair share of it cached per connection;
    // the sorts of a search page stay in memory instead of temporary files.
    exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=OFF; "
         "PRAGMA mmap_size=1073741824; PRAGMA cache_size=-16384; PRAGMA temp_store=MEMORY;");
}

std::int64_t Connection::listingGeneration() {
    return scalarInt("SELECT value FROM listing_generation WHERE id = 1", {});
}

bool Connection::readsCommittedData() const {
    return sqlite3_get_autocommit(m_db) != 0;
}

Connection::~Connection() {
    m_statements.reset();
    if (m_db)
        sqlite3_close(m_db);
}

void Connection::exec(const std::string &sql) {
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("exec failed: " + text);
    }
}

std::int64_t Connection::changes() const {
    return sqlite3_changes(m_db);
}

std::string Connection::scalarText(const std::string &sql, const std::vector<SqlValue> &values,
                                   const std::string &fallback) {
    Statement statement = prepare(sql);
    statement.bindAll(values);
    if (statement.step() && !statement.isNull(0))
        return statement.text(0);
    return fallback;
}

std::int64_t Connection::scalarInt(const std::string &sql, const std::vector<SqlValue> &values,
                                   std::int64_t fallback) {
    Statement statement = prepare(sql);
    statement.bindAll(values);
    if (statement.step() && !statement.isNull(0))
        return statement.integer(0);
    return fallback;
}

Transaction::Transaction(Connection &connection)
    : m_connection(connection) {
    m_connection.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_connection.exec("ROLLBACK");
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    m_connection.exec("COMMIT");
    m_done = true;
}

Database::Database(const std::string &path)
    : m_path(path) {
    // SQLite counts every allocation under one process-wide lock unless told not to; searches
    // running side by side (sorts, text look-ups) then wait for each other on it. Only possible
    // before SQLite is first used, which is here.
    static const int unlocked = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    (void)unlocked;
    auto connection = open();
    createSchema(*connection);
    release(std::move(connection));
}

Database::~Database() = default;

std::unique_ptr<Connection> Database::open() {
    return std::make_unique<Connection>(m_path, &m_listingCounts);
}

void Database::createSchema(Connection &connection) {
    Transaction transaction(connection);
    // Databases made before the search columns existed receive them, filled from the attributes.
    const bool hasListings =
        connection.scalarInt("SELECT COUNT(*) FROM sqlite_master WHERE name = 'property_files'", {}) > 0;
    auto lacks = [&connection](const char *column) {
        return connection.scalarInt(
                   "SELECT COUNT(*) FROM pragma_table_xinfo('property_files') WHERE name = ?",
                   {std::string(column)}) == 0;
    };
    const bool lacksSearchColumns = hasListings && lacks("n_price");
    const bool lacksFlags = hasListings && lacks("flags");
    const bool lacksParkingLot = hasListings && lacks("e_parking_lot");
    if (lacksSearchColumns || lacksFlags || lacksParkingLot) {
        if (lacksSearchColumns) {
            for (const char *column : {"n_price", "n_mortgage", "n_rent", "n_home", "n_area", "n_room",
                                       "n_price_meter", "n_floorspace"})
                connection.exec(std::string("ALTER TABLE property_files ADD COLUMN ") + column + " REAL");
            for (const char *column :
                 {"t_name_family", "t_mobile", "t_address", "t_district", "t_fileDetail", "t_disc"})
                connection.exec(std::string("ALTER TABLE property_files ADD COLUMN ") + column + " TEXT");
        }
        if (lacksFlags)
            connection.exec("ALTER TABLE property_files ADD COLUMN flags TEXT");
        if (lacksParkingLot)
            connection.exec("ALTER TABLE property_files ADD COLUMN e_parking_lot TEXT");
        SearchColumns::backfill(connection);
    }
    const bool textIndexExisted =
        connection.scalarInt("SELECT COUNT(*) FROM sqlite_master WHERE name = 'listing_text'", {}) > 0;
    connection.exec(kSchema);
    // A database made before the text index existed has it filled once.
    if (!textIndexExisted && connection.scalarInt("SELECT COUNT(*) FROM property_files", {}) > 0)
        connection.exec("INSERT OR REPLACE INTO meta(key, value) VALUES ('listing_text', 'stale')");
    resumeSearchUpkeep(connection);
    transaction.commit();
}

void Database::suspendSearchUpkeep(Connection &connection) {
    // A bulk load changes what the planner's statistics describe; they are gathered again after it.
    if (connection.scalarInt("SELECT COUNT(*) FROM sqlite_master WHERE name = 'sqlite_stat1'", {}) > 0)
        connection.exec("DELETE FROM sqlite_stat1 WHERE tbl = 'property_files'");
    connection.exec("DROP INDEX IF EXISTS files_by_date_v2; DROP INDEX IF EXISTS files_by_creation_v2; "
                    "DROP TRIGGER IF EXISTS listing_added; DROP TRIGGER IF EXISTS listing_changed; "
                    "DROP TRIGGER IF EXISTS listing_removed; DROP TRIGGER IF EXISTS bookmark_added; "
                    "DROP TRIGGER IF EXISTS bookmark_removed; DROP INDEX IF EXISTS files_by_type; "
                    "DROP INDEX IF EXISTS files_by_option_v2; "
                    "DROP TRIGGER IF EXISTS listing_text_added; DROP TRIGGER IF EXISTS listing_text_removed; "
                    "DROP TRIGGER IF EXISTS listing_text_changed; "
                    "INSERT OR REPLACE INTO meta(key, value) VALUES ('listing_text', 'stale');");
}

void Database::resumeSearchUpkeep(Connection &connection) {
    connection.exec(kSearchUpkeep);
    // Indexing the texts in one pass after a bulk load takes a fraction of the time it takes row by row.
    if (connection.scalarText("SELECT value FROM meta WHERE key = 'listing_text'", {}) == "stale")
        connection.exec("INSERT INTO listing_text(listing_text) VALUES ('rebuild'); "
                        "DELETE FROM meta WHERE key = 'listing_text';");
    // Without statistics the planner takes one office's listings for a handful and reads them all
    // instead of looking a text search's few matches up. A sample is enough to tell.
    const std::int64_t listings = connection.scalarInt("SELECT MAX(rowid) FROM property_files", {});
    const bool analysed =
        connection.scalarInt("SELECT COUNT(*) FROM sqlite_master WHERE name = 'sqlite_stat1'", {}) > 0 &&
        connection.scalarInt("SELECT COUNT(*) FROM sqlite_stat1 WHERE tbl = 'property_files'", {}) > 0;
    if (listings >= kAnalyseFrom && !analysed)
        connection.exec("PRAGMA analysis_limit = 1000; ANALYZE property_files;");
}

Database::Lease Database::acquire() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_idle.empty()) {
            auto connection = std::move(m_idle.back());
            m_idle.pop_back();
            return Lease(*this, std::move(connection));
        }
    }
    return Lease(*this, open());
}

void Database::release(std::unique_ptr<Connection> connection) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_idle.push_back(std::move(connection));
}

bool Database::isEmpty() {
    auto connection = acquire();
    return connection->scalarInt("SELECT COUNT(*) FROM users", {}) == 0 &&
           connection->scalarInt("SELECT COUNT(*) FROM areas", {}) == 0;
}

Database::Lease::Lease(Database &owner, std::unique_ptr<Connection> connection)
    : m_owner(&owner)
    , m_connection(std::move(connection)) {}

Database::Lease::~Lease() {
    if (m_connection)
        m_owner->release(std::move(m_connection));
}

Database::Lease::Lease(Lease &&other) noexcept
    : m_owner(other.m_owner)
    , m_connection(std::move(other.m_connection)) {}
