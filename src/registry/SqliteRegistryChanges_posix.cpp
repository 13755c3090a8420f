// Changes to the store: each in a transaction of its own, or a group of them in one transaction
// from the group's first change to its end.
#include "registry/SqliteRegistry.h"

#include "registry/SqliteRegistrySql.h"

#include <sqlite3.h>

namespace pelmora {

namespace {

int Exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

}  // namespace

long SqliteRegistry::InWriteTransaction(const std::function<long(sqlite3*)>& body)
{
    if (m_ChangeDepth > 0)
        return InGroup(body);
    sqlite3* db = Connection();
    if (!db)
        return m_Failures.LastCode();
    return InOwnTransaction(db, body);
}

long SqliteRegistry::InOwnTransaction(sqlite3* db, const std::function<long(sqlite3*)>& body)
{
    if (const int code = Exec(db, "BEGIN IMMEDIATE"); code != SQLITE_OK)
        return Fail(code);
    long result = body(db);
    if (result == kRegSuccess)
        if (const int code = Exec(db, "COMMIT"); code != SQLITE_OK)
            result = Fail(code);
    if (result != kRegSuccess)
        Exec(db, "ROLLBACK");
    return result;
}

long SqliteRegistry::InGroup(const std::function<long(sqlite3*)>& body)
{
    if (m_GroupLost != kRegSuccess)
        return m_Failures.Fail(m_GroupLost, m_GroupLostText);
    if (!m_GroupOpen) {
        // Begun at the first change, so a command's messages before it hold no lock on the store.
        // A group that cannot begin changes nothing, not even once the store is free again.
        sqlite3* db = Connection();
        long code = db ? kRegSuccess : m_Failures.LastCode();
        if (db)
            if (const int begun = Exec(db, "BEGIN IMMEDIATE"); begun != SQLITE_OK)
                code = Fail(begun);
        if (code != kRegSuccess) {
            m_GroupLost = code;
            m_GroupLostText = m_Failures.LastText();
            return code;
        }
        m_GroupOpen = true;
    }
    sqlite3* db = m_Db;
    // A savepoint keeps each change whole: one that fails halfway leaves nothing of itself.
    if (const int code = Exec(db, "SAVEPOINT change"); code != SQLITE_OK)
        return Fail(code);
    long result = body(db);
    if (result == kRegSuccess)
        if (const int code = Exec(db, "RELEASE change"); code != SQLITE_OK)
            result = Fail(code);
    if (result == kRegSuccess)
        return result;
    if (sqlite3_get_autocommit(db)) {
        // SQLite rolled the whole transaction back (a full disk, an I/O error): the group's
        // earlier changes are gone, so its later ones must not be made on their own.
        m_GroupOpen = false;
        m_GroupLost = result;
        m_GroupLostText = "the changes to the registry store " + m_Options.path + " were undone: " + m_Failures.LastText();
    } else {
        Exec(db, "ROLLBACK TO change");
        Exec(db, "RELEASE change");
    }
    return result;
}

long SqliteRegistry::EndGroup(bool commit)
{
    const long lost = m_GroupLost;
    m_GroupLost = kRegSuccess;
    if (!m_GroupOpen)
        return lost == kRegSuccess || !commit ? kRegSuccess : m_Failures.Fail(lost, m_GroupLostText);
    m_GroupOpen = false;
    if (!commit) {
        Exec(m_Db, "ROLLBACK");
        return kRegSuccess;
    }
    if (const int code = Exec(m_Db, "COMMIT"); code != SQLITE_OK) {
        const long result = Fail(code);
        Exec(m_Db, "ROLLBACK");
        return result;
    }
    return kRegSuccess;
}

long SqliteRegistry::BeginChanges()
{
    ++m_ChangeDepth;
    return kRegSuccess;
}

long SqliteRegistry::CommitChanges()
{
    if (m_ChangeDepth == 0)
        return kRegInvalidParameter;
    if (--m_ChangeDepth > 0)
        return kRegSuccess;
    return EndGroup(true);
}

void SqliteRegistry::AbandonChanges()
{
    if (m_ChangeDepth == 0)
        return;
    --m_ChangeDepth;
    // Everything since the outermost begin goes, as with the hive; an outer group goes on.
    EndGroup(false);
}

}  // namespace pelmora
