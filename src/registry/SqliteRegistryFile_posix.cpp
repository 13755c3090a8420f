// Opening the store's file: creation with its mode, set-up and seeding, and what a file that
// cannot be used turns into.
#include "registry/SqliteRegistry.h"

#include "registry/SqliteRegistrySql.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr int kShortBusyTimeoutMs = 250;

// A store that may not be written because its whole file system is mounted read-only, which no
// file mode would change.
bool OnReadOnlyMount(const std::string& path)
{
    struct statvfs fileSystem {};
    return ::statvfs(path.c_str(), &fileSystem) == 0 && (fileSystem.f_flag & ST_RDONLY) != 0;
}

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Creates the file alone, so it never is readable by others, not even for a moment.
int CreateStoreFile(const std::string& path, bool& created)
{
    created = false;
    std::error_code error;
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        created = true;
        ::close(fd);
        return 0;
    }
    return errno == EEXIST ? 0 : errno;
}

}  // namespace

std::string DefaultRegistryPath()
{
    if (std::string path = Env("PELMORA_REGISTRY"); !path.empty())
        return path;
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') {
        std::string home = Env("HOME");
        if (home.empty())
            if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
                home = account->pw_dir;
        if (home.empty())
            return {};
        config = home + "/.config";
    }
    return config + "/pelmora/registry.sqlite3";
}

SqliteRegistry::SqliteRegistry(SqliteRegistryOptions options)
    : m_Options(std::move(options)), m_Failures("the registry store " + m_Options.path, m_Options.path)
{
}

SqliteRegistry::~SqliteRegistry()
{
    sqlite3_close(m_Db);
}

sqlite3* SqliteRegistry::Connection()
{
    if (!m_Db && !OpenFile())
        return nullptr;
    if (!m_Ready && !SetUpSchema())
        return nullptr;
    return m_Db;
}

bool SqliteRegistry::OpenFile()
{
    if (m_Options.path.empty()) {
        m_Failures.Fail(kRegIoFailed, "there is no place for the registry store (no home folder)");
        return false;
    }
    if (!m_Options.readOnly) {
        bool created = false;
        if (const int error = CreateStoreFile(m_Options.path, created); error != 0) {
            m_Failures.Fail(kRegIoFailed,
                 "cannot create the registry store " + m_Options.path + ": " + std::strerror(error));
            return false;
        }
    }
    const int flags = m_Options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int code = sqlite3_open_v2(m_Options.path.c_str(), &m_Db, flags, nullptr);
    if (code != SQLITE_OK) {
        Fail(code);
        sqlite3_close(m_Db);
        m_Db = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_Db, m_Options.busyTimeoutMs);
    if (!m_Options.syncToDisk)
        sqlite3_exec(m_Db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    return true;
}

bool SqliteRegistry::SetUpSchema()
{
    bool ours = false;
    bool any = false;
    if (const int code = sqlitestore::ReadSchemaState(m_Db, ours, any); code != SQLITE_OK) {
        Fail(code);
        return false;
    }
    if (ours)
        return m_Ready = UpgradeText();
    if (any) {
        m_Failures.Fail(kRegBadDb, "the registry store " + m_Options.path + " holds another program's database");
        return false;
    }
    // An empty file: set it up, unless another program did so meanwhile. Never inside a group of
    // changes: abandoning them must not take the tables away.
    const long code = InOwnTransaction(m_Db, [this](sqlite3* db) -> long {
        bool ours = false;
        bool any = false;
        if (const int code = sqlitestore::ReadSchemaState(db, ours, any); code != SQLITE_OK)
            return Fail(code);
        if (ours)
            return kRegSuccess;
        if (const int code = sqlite3_exec(db, sqlitestore::kSchema, nullptr, nullptr, nullptr); code != SQLITE_OK)
            return Fail(code);
        return WriteSeed();
    });
    m_Ready = code == kRegSuccess;
    return m_Ready;
}

bool SqliteRegistry::UpgradeText()
{
    int version = 0;
    if (const int code = sqlitestore::ReadVersion(m_Db, version); code != SQLITE_OK) {
        Fail(code);
        return false;
    }
    if (version >= sqlitestore::kTextVersion)
        return true;
    if (m_Options.readOnly) {
        // The file stays as the older version left it; what is read is a converted copy.
        sqlite3* memory = nullptr;
        int code = sqlitestore::CopyToMemory(m_Db, memory);
        if (code == SQLITE_OK)
            code = sqlitestore::UpgradeText(memory);
        if (code != SQLITE_OK) {
            sqlite3_close(memory);
            Fail(code);
            return false;
        }
        sqlite3_close(m_Db);
        m_Db = memory;
        return true;
    }
    // Another program may have converted it meanwhile: asked again inside the transaction.
    return InOwnTransaction(m_Db, [this](sqlite3* db) -> long {
               int version = 0;
               int code = sqlitestore::ReadVersion(db, version);
               if (code == SQLITE_OK && version < sqlitestore::kTextVersion)
                   code = sqlitestore::UpgradeText(db);
               return code == SQLITE_OK ? kRegSuccess : Fail(code);
           }) == kRegSuccess;
}

long SqliteRegistry::WriteSeed()
{
    if (!m_Options.seed)
        return kRegSuccess;
    for (const RegistrySeedValue& value : m_Options.seed()) {
        std::string folded;
        int code = sqlitestore::CreateKeyPath(m_Db, value.root, value.keyPath, folded);
        if (code == SQLITE_OK)
            code = sqlitestore::UpsertValue(m_Db, value.root, folded, value.name, kRegSz, value.text);
        if (code != SQLITE_OK)
            return Fail(code);
    }
    return kRegSuccess;
}

long SqliteRegistry::Fail(int sqliteCode)
{
    const std::string& path = m_Options.path;
    switch (sqliteCode & 0xff) {
    case SQLITE_NOTADB:
        return m_Failures.Fail(kRegBadDb, "the registry store " + path + " is not a database");
    case SQLITE_CORRUPT:
        return m_Failures.Fail(kRegCorrupt, "the registry store " + path + " is damaged");
    case SQLITE_READONLY:
        if (OnReadOnlyMount(path))
            return m_Failures.Fail(kRegAccessDenied,
                        "the registry store " + path + " cannot be written: its file system is mounted read-only");
        return m_Failures.Fail(kRegAccessDenied, "the registry store " + path + " is read-only");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        // Held for long, the lock would cost the full wait on every later call: wait less from now on.
        if (m_Db)
            sqlite3_busy_timeout(m_Db, std::min(m_Options.busyTimeoutMs, kShortBusyTimeoutMs));
        return m_Failures.Fail(kRegLockViolation,
                    "the registry store " + path + " is locked by another program");
    case SQLITE_FULL:
        return m_Failures.Fail(kRegDiskFull, "the disk of the registry store " + path + " is full");
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: {
        const int error = m_Db ? sqlite3_system_errno(m_Db) : 0;
        return m_Failures.Fail(kRegIoFailed, "cannot open the registry store " + path + ": " +
                                      (error ? std::strerror(error) : sqlite3_errstr(sqliteCode)));
    }
    default:
        return m_Failures.Fail(kRegIoFailed,
                    "the registry store " + path + " failed: " + sqlite3_errstr(sqliteCode));
    }
}

std::string SqliteRegistry::DescribeError(long code)
{
    return m_Failures.Describe(code);
}

}  // namespace pelmora
