#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// One prepared statement, finalized on every path out. A statement that failed to prepare
// ignores its bindings and reports the preparation's code from Step.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql) { m_Code = sqlite3_prepare_v2(db, sql, -1, &m_Statement, nullptr); }
    ~SqliteStatement() { sqlite3_finalize(m_Statement); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, std::int64_t value)
    {
        if (m_Statement && m_Code == SQLITE_OK)
            m_Code = sqlite3_bind_int64(m_Statement, index, value);
        return *this;
    }

    // Bytes are bound as a blob, so names compare byte for byte whatever their encoding.
    SqliteStatement& Bind(int index, std::string_view bytes)
    {
        static const char kEmpty = 0;  // a null pointer would bind NULL instead of an empty blob
        if (m_Statement && m_Code == SQLITE_OK)
            m_Code = sqlite3_bind_blob(m_Statement, index, bytes.empty() ? &kEmpty : bytes.data(),
                                       static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        return *this;
    }

    // SQLITE_ROW, SQLITE_DONE or the failure.
    int Step() { return m_Code == SQLITE_OK ? sqlite3_step(m_Statement) : m_Code; }

    std::int64_t Int(int column) { return sqlite3_column_int64(m_Statement, column); }

    std::string Bytes(int column)
    {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_Statement, column));
        const int size = sqlite3_column_bytes(m_Statement, column);
        return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
    }

private:
    sqlite3_stmt* m_Statement = nullptr;
    int m_Code = SQLITE_OK;
};

}  // namespace pelmora
