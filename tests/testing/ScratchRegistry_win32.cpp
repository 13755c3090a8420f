#include "testing/ScratchRegistry.h"

#include "platform/WindowsApi.h"
#include "registry/Win32Registry.h"
#include "registry/Win32Transaction.h"

#include <atomic>
#include <stdexcept>

namespace pelmora::testing {

namespace {

// Every root the tests use lives under a fresh key of HKCU, removed with everything in it when the
// store goes. Only the current user's hive is touched, so no rights are needed.
std::vector<RegRootRedirect> RootsUnder(const std::string& base)
{
    return {{RegRoot::LocalMachine, RegRoot::CurrentUser, base + "\\HKLM"},
            {RegRoot::CurrentUser, RegRoot::CurrentUser, base + "\\HKCU"},
            {RegRoot::ClassesRoot, RegRoot::CurrentUser, base + "\\HKCR"}};
}

class ScratchWin32Registry : public Win32Registry {
public:
    explicit ScratchWin32Registry(const std::string& base) : Win32Registry(RootsUnder(base)), m_Base(base)
    {
        for (const char* root : {"\\HKLM", "\\HKCU", "\\HKCR"}) {
            HKEY key = nullptr;
            if (RegCreateKeyA(HKEY_CURRENT_USER, (base + root).c_str(), &key) != ERROR_SUCCESS)
                throw std::runtime_error("cannot create the scratch registry key " + base);
            RegCloseKey(key);
        }
    }

    ~ScratchWin32Registry() override { RegDeleteTreeA(HKEY_CURRENT_USER, m_Base.c_str()); }

    const std::string& Base() const { return m_Base; }

private:
    std::string m_Base;
};

std::string UniqueBase()
{
    static std::atomic<unsigned> counter{0};
    return "Software\\PelmoraTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64()) + "-" + std::to_string(counter++);
}

}  // namespace

std::unique_ptr<RegistryApi> MakeScratchRegistry()
{
    return std::make_unique<ScratchWin32Registry>(UniqueBase());
}

std::unique_ptr<RegistryApi> OpenScratchRegistryAgain(RegistryApi& scratch)
{
    return std::make_unique<Win32Registry>(RootsUnder(dynamic_cast<ScratchWin32Registry&>(scratch).Base()));
}

bool ScratchRegistryKeepsGroupsWhole()
{
    return Win32Transaction::Available();
}

}  // namespace pelmora::testing
