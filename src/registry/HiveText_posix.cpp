#include "registry/HiveText.h"

#include "platform/UnicodeText.h"

namespace pelmora {

namespace {

constexpr std::uint32_t kRegMultiSz = 7;

}  // namespace

bool IsConvertedStringType(std::uint32_t type)
{
    return type == 1 || type == 2 || type == kRegMultiSz;  // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ
}

std::uint32_t TextCallSize(std::uint32_t type, const char* data, std::uint32_t size)
{
    if (IsConvertedStringType(type) && data && size > 0 && data[size - 1] != '\0' && data[size] == '\0')
        return size + 1;
    return size;
}

std::string StoredText(std::string_view utf8) { return Utf16LeFromUtf8(utf8); }

std::string CallText(std::string_view utf16) { return Utf8FromUtf16Le(utf16); }

}  // namespace pelmora
