#include "wiring/SystemPictures.h"

#include "platform/WicPictures_win32.h"

namespace pelmora {

std::unique_ptr<PicturePort> MakeSystemPictures() { return std::make_unique<WicPictures>(); }

}  // namespace pelmora
