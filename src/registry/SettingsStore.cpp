#include "registry/SettingsStore.h"

#include "registry/RegString.h"

namespace pelmora {

namespace {

std::string SectionKey(const std::string& application, const std::string& section)
{
    return "Software\\Pelmora\\" + application + "\\" + section;
}

}  // namespace

std::string SettingsStore::GetSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& defaultText)
{
    // Unlike ReadRegString, a stored empty text is a value and is returned as such.
    RegKey handle = 0;
    const bool exists = m_Api.OpenKey(RegRoot::CurrentUser, SectionKey(application, section), handle) == kRegSuccess;
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    const bool stored = exists && m_Api.QueryValue(handle, key, &type, nullptr, &size) == kRegSuccess &&
                        type == kRegSz;
    m_Api.CloseKey(handle);
    if (!stored)
        return defaultText;
    return ReadRegString(m_Api, RegRoot::CurrentUser, SectionKey(application, section), key, defaultText);
}

Status SettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value)
{
    return WriteRegString(m_Api, RegRoot::CurrentUser, SectionKey(application, section), key, value);
}

}  // namespace pelmora
