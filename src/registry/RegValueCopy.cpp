#include "registry/RegValueCopy.h"

#include "registry/RegistryApi.h"

#include <cstring>

namespace pelmora {

namespace {

constexpr std::uint32_t kRegMultiSz = 7;

}  // namespace

bool IsRegTextType(std::uint32_t type)
{
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

long CopyOutValue(std::uint32_t storedType, std::string_view bytes, std::uint32_t* type, char* data,
                  std::uint32_t* size)
{
    if (data && !size)
        return kRegInvalidParameter;
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (type)
        *type = storedType;
    const std::uint32_t room = size ? *size : 0;
    if (size)
        *size = needed;
    if (!data)
        return kRegSuccess;
    if (room < needed)
        return kRegMoreData;
    if (needed > 0)
        std::memcpy(data, bytes.data(), needed);
    if (IsRegTextType(storedType) && room > needed && (bytes.empty() || bytes.back() != '\0'))
        data[needed] = '\0';
    return kRegSuccess;
}

}  // namespace pelmora
