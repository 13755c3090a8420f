#include "registry/RegString.h"

#include "registry/KeyCloser.h"

#include <cstring>

namespace pelmora {

std::string ReadRegString(RegistryApi& api, RegRoot root, const std::string& keyPath,
                          const std::string& valueName, const std::string& defaultText)
{
    RegKey key = 0;
    KeyCloser closer(api, key);
    if (api.OpenKey(root, keyPath, key) != kRegSuccess)
        return defaultText;

    const std::string& name = valueName;
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    if (api.QueryValue(key, name, &type, nullptr, &size) != kRegSuccess || type != kRegSz)
        return defaultText;

    // A buffer of exactly the reported size, blank-filled as the second query may copy less.
    std::string buffer(size, ' ');
    std::uint32_t secondType = kRegNone;
    if (api.QueryValue(key, name, &secondType, buffer.data(), &size) != kRegSuccess)
        return defaultText;
    buffer.resize(std::min<std::size_t>(size, buffer.size()));

    const std::size_t nul = buffer.find('\0');
    if (nul != std::string::npos)
        buffer.resize(nul);
    return buffer;
}

Status WriteRegString(RegistryApi& api, RegRoot root, const std::string& keyPath,
                      const std::string& valueName, const std::string& text)
{
    RegKey key = 0;
    KeyCloser closer(api, key);
    if (const long code = api.CreateKey(root, keyPath, key); code != kRegSuccess)
        return Status::Failed(api.DescribeError(code));

    const std::string& data = text;
    // The size excludes a terminating NUL: the reader takes the whole buffer when it finds none.
    const long code = api.SetValue(key, valueName, kRegSz, data.data(),
                                   static_cast<std::uint32_t>(data.size()));
    if (code != kRegSuccess)
        return Status::Failed(api.DescribeError(code));
    return Status::Ok();
}

}  // namespace pelmora
