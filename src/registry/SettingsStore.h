#pragma once

#include "platform/Status.h"
#include "registry/RegistryApi.h"

#include <string>

namespace pelmora {

// Per-application settings, kept under HKCU "Software\Pelmora\<application>\<section>",
// value <key>, as REG_SZ.
class SettingsStore {
public:
    explicit SettingsStore(RegistryApi& api) : m_Api(api) {}

    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultText);
    Status SaveSetting(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value);

    const RegistryApi& Registry() const { return m_Api; }

private:
    RegistryApi& m_Api;
};

}  // namespace pelmora
