// What both platforms share about code pages.
#include "platform/AnsiText.h"

#include "platform/UnicodeText.h"

namespace pelmora {

std::string FirstCharacterOutside(std::string_view utf8, unsigned codePage)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = Utf8SequenceAt(utf8, i);
        const std::string_view character = utf8.substr(i, length ? length : 1);
        if (length == 0 || !EncodeCodePage(character, codePage))
            return std::string(character);
        i += length;
    }
    return {};
}

}  // namespace pelmora
