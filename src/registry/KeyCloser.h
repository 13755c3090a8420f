#pragma once

#include "registry/RegistryApi.h"

namespace pelmora {

// Closes the key on every path out, also when opening failed and the key is 0.
class KeyCloser {
public:
    KeyCloser(RegistryApi& api, RegKey& key) : m_Api(api), m_Key(key) {}
    ~KeyCloser() { m_Api.CloseKey(m_Key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    RegistryApi& m_Api;
    RegKey& m_Key;
};

}  // namespace pelmora
