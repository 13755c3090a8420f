#include "registry/TargetCodePage.h"

#include "platform/AnsiText.h"

namespace pelmora {

unsigned TargetCodePage(const std::string&) { return SystemCodePage(); }

}  // namespace pelmora
