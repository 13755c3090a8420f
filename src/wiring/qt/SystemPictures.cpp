#include "wiring/SystemPictures.h"

#include "platform/qt/QtPictures.h"

namespace pelmora {

// QImage reads and writes without an application object, so no display is needed.
std::unique_ptr<PicturePort> MakeSystemPictures() { return std::make_unique<QtPictures>(); }

}  // namespace pelmora
