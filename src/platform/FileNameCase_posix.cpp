#include "platform/FileNameCase.h"

namespace pelmora {

std::string ShownFileName(std::string_view utf8) { return std::string(utf8); }

}  // namespace pelmora
