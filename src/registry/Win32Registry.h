#pragma once

#include "registry/RegistryApi.h"
#include "registry/Win32Transaction.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pelmora {

// A root moved under a key of another root, e.g. HKLM to HKCU "Software\Scratch\HKLM".
struct RegRootRedirect {
    RegRoot root;
    RegRoot under;
    std::string keyPath;
};

// The registry through advapi32's wide entry points, the calls' UTF-8 converted to UTF-16 and back,
// each call forwarded as it is and its result code returned unchanged. A group of changes (BeginChanges) runs in a kernel transaction from its
// first change where the system has one: its keys are opened and created transacted, so what is
// written through them is committed together or not at all (DeleteTree stays outside it). Without
// one (Wine) each change is committed on its own, as advapi32 does, and abandoning drops nothing.
class Win32Registry : public RegistryApi {
public:
    Win32Registry() = default;
    // Tests keep the machine's registry untouched by moving every root they use under a scratch key.
    explicit Win32Registry(std::vector<RegRootRedirect> redirects) : m_Redirects(std::move(redirects)) {}

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                    std::uint32_t* size) override;
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override;
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(RegKey key) override;
    long EnumValues(RegKey key, std::vector<RegValueEntry>& values) override;
    long EnumSubKeys(RegKey key, std::vector<std::string>& names) override;
    long DeleteValue(RegKey key, const std::string& name) override;
    long DeleteTree(RegRoot root, const std::string& path) override;
    std::string DescribeError(long code) override;
    RegReadFailures ReadFailures() const override { return m_ReadFailures; }

    long BeginChanges() override;
    long CommitChanges() override;
    void AbandonChanges() override;
    // The system refuses a change at the change itself.
    long CanChange() override { return kRegSuccess; }
    std::string Location() const override { return "the Windows registry"; }

private:
    // The root and path the call goes to after redirection.
    RegRoot Target(RegRoot root, std::string& path) const;
    // The group's transaction, begun at its first change; null outside a group or without one.
    Win32Transaction* Transaction();
    // Counts a read the registry could not answer; `what` names the key.
    long Read(long code, const std::string& what);
    std::string KeyName(RegKey key) const;

    std::vector<RegRootRedirect> m_Redirects;
    std::map<RegKey, std::string> m_KeyNames;  // as the caller named them, for messages
    RegReadFailures m_ReadFailures;
    int m_ChangeDepth = 0;
    std::unique_ptr<Win32Transaction> m_Transaction;
};

}  // namespace pelmora
