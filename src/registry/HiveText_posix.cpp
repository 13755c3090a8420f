#include "registry/HiveText.h"

#include "platform/UnicodeText.h"
#include "registry/RegValueCopy.h"

namespace pelmora {

std::uint32_t TextCallSize(std::uint32_t type, const char* data, std::uint32_t size)
{
    if (IsRegTextType(type) && data && size > 0 && data[size - 1] != '\0' && data[size] == '\0')
        return size + 1;
    return size;
}

std::string StoredText(std::string_view utf8) { return Utf16LeFromUtf8(utf8); }

std::string CallText(std::string_view utf16) { return Utf8FromUtf16Le(utf16); }

}  // namespace pelmora
