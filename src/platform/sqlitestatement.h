#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantorelle::store {

// A prepared statement used through this handle: bound, stepped, read, and
// reset for its next use when the handle goes.
class Statement {
public:
    explicit Statement(sqlite3_stmt* s) : m_s(s) {}
    ~Statement()
    {
        if (m_s) {
            sqlite3_reset(m_s);
            sqlite3_clear_bindings(m_s);
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return m_s != nullptr; }
    Statement& bind(int i, std::int64_t v)
    {
        note(sqlite3_bind_int64(m_s, i, v));
        return *this;
    }
    Statement& bind(int i, int v) { return bind(i, static_cast<std::int64_t>(v)); }
    Statement& bind(int i, double v)
    {
        note(sqlite3_bind_double(m_s, i, v));
        return *this;
    }
    Statement& bind(int i, std::string_view v)
    {
        note(sqlite3_bind_text(m_s, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT));
        return *this;
    }
    Statement& bind(int i, const char* v) { return bind(i, std::string_view(v)); }
    Statement& bind(int i, const std::string& v) { return bind(i, std::string_view(v)); }
    Statement& bindNull(int i)
    {
        note(sqlite3_bind_null(m_s, i));
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE, or the error of the binding or of the step.
    int step()
    {
        if (!m_s)
            return SQLITE_ERROR; // the reason of the failed prepare stays with the connection
        return m_bindError != SQLITE_OK ? m_bindError : sqlite3_step(m_s);
    }
    // Steps a statement that returns no row: true when it ran to its end.
    bool run() { return step() == SQLITE_DONE; }

    std::int64_t i64(int col) const { return sqlite3_column_int64(m_s, col); }
    int i32(int col) const { return sqlite3_column_int(m_s, col); }
    double real(int col) const { return sqlite3_column_double(m_s, col); }
    bool isNull(int col) const { return sqlite3_column_type(m_s, col) == SQLITE_NULL; }
    std::string text(int col) const
    {
        const auto* p = sqlite3_column_text(m_s, col);
        return p ? std::string(reinterpret_cast<const char*>(p),
                               static_cast<std::size_t>(sqlite3_column_bytes(m_s, col)))
                 : std::string();
    }
    sqlite3_stmt* raw() const { return m_s; }

private:
    void note(int rc)
    {
        if (rc != SQLITE_OK && m_bindError == SQLITE_OK)
            m_bindError = rc;
    }
    sqlite3_stmt* m_s;
    int m_bindError = SQLITE_OK;
};

// Statements prepared once per connection, by their SQL text (a literal, so
// its address is its name).
class StatementCache {
public:
    explicit StatementCache(sqlite3* db) : m_db(db) {}
    ~StatementCache()
    {
        for (auto& [sql, s] : m_statements)
            sqlite3_finalize(s);
    }
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The statement, or one that is not prepared (its step fails) when the
    // SQL cannot be prepared: a damaged schema, a locked file.
    Statement get(const char* sql)
    {
        auto it = m_statements.find(sql);
        if (it == m_statements.end()) {
            sqlite3_stmt* s = nullptr;
            if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
                sqlite3_finalize(s);
                return Statement(nullptr);
            }
            it = m_statements.emplace(sql, s).first;
        }
        return Statement(it->second);
    }

private:
    sqlite3* m_db;
    std::unordered_map<const char*, sqlite3_stmt*> m_statements;
};

} // namespace vantorelle::store
