#include "testing/ScratchRegistry.h"

#include "registry/SqliteRegistry.h"
#include "testing/TempDir.h"

namespace pelmora::testing {

namespace {

// The folder is a base so it exists before the store opens and goes after the store has closed.
struct ScratchFolder {
    TempDir folder;
};

class ScratchSqliteRegistry : private ScratchFolder, public SqliteRegistry {
public:
    ScratchSqliteRegistry() : SqliteRegistry(Options(folder)) {}

private:
    static SqliteRegistryOptions Options(const TempDir& folder)
    {
        SqliteRegistryOptions options;
        options.path = folder.File("registry.sqlite3");
        options.syncToDisk = false;  // thrown away after the test
        return options;
    }
};

}  // namespace

std::unique_ptr<RegistryApi> MakeScratchRegistry()
{
    return std::make_unique<ScratchSqliteRegistry>();
}

std::unique_ptr<RegistryApi> OpenScratchRegistryAgain(RegistryApi& scratch)
{
    SqliteRegistryOptions options;
    options.path = dynamic_cast<SqliteRegistry&>(scratch).Path();
    options.syncToDisk = false;
    return std::make_unique<SqliteRegistry>(std::move(options));
}

bool ScratchRegistryKeepsGroupsWhole()
{
    return true;
}

}  // namespace pelmora::testing
