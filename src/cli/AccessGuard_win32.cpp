#include "AccessGuard_win32.h"

#include "RegArgs.h"
#include "platform/WindowsApi.h"

namespace pelmora::cli {

namespace {

// The files report the system's text for the failure; this is the text for a refusal.
bool IsAccessDenied(const Status& status)
{
    static const std::string refused = SystemErrorText(ERROR_ACCESS_DENIED);
    return !status && status.error == refused;
}

}  // namespace

AccessDenied::AccessDenied(const std::string& target)
    : std::runtime_error("access denied writing " + target + ": run it as an administrator (from an elevated prompt)")
{
}

long AccessGuardedRegistry::OpenKey(RegRoot root, const std::string& path, RegKey& key)
{
    const long result = ForwardingRegistry::OpenKey(root, path, key);
    if (result == kRegSuccess)
        m_Open[key] = {root, path};
    return result;
}

long AccessGuardedRegistry::CreateKey(RegRoot root, const std::string& path, RegKey& key)
{
    const long result = Checked(ForwardingRegistry::CreateKey(root, path, key), {root, path});
    if (result == kRegSuccess)
        m_Open[key] = {root, path};
    return result;
}

long AccessGuardedRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                                     std::uint32_t size)
{
    return Checked(ForwardingRegistry::SetValue(key, name, type, data, size), NameOf(key));
}

long AccessGuardedRegistry::CloseKey(RegKey key)
{
    m_Open.erase(key);
    return ForwardingRegistry::CloseKey(key);
}

long AccessGuardedRegistry::DeleteValue(RegKey key, const std::string& name)
{
    return Checked(ForwardingRegistry::DeleteValue(key, name), NameOf(key));
}

long AccessGuardedRegistry::DeleteTree(RegRoot root, const std::string& path)
{
    return Checked(ForwardingRegistry::DeleteTree(root, path), {root, path});
}

long AccessGuardedRegistry::Checked(long result, const KeyName& key)
{
    if (result == kRegAccessDenied)
        throw AccessDenied(RegKeyName{key.root, key.path}.Display());
    return result;
}

AccessGuardedRegistry::KeyName AccessGuardedRegistry::NameOf(RegKey key) const
{
    const auto found = m_Open.find(key);
    return found != m_Open.end() ? found->second : KeyName{RegRoot::LocalMachine, "(a key)"};
}

Status AccessGuardedFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    Status status = m_Real.WriteFile(path, bytes);
    if (IsAccessDenied(status))
        throw AccessDenied(path);
    return status;
}

Status AccessGuardedFiles::DeleteFile(const std::string& path)
{
    Status status = m_Real.DeleteFile(path);
    if (IsAccessDenied(status))
        throw AccessDenied(path);
    return status;
}

}  // namespace pelmora::cli
