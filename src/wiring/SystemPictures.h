#pragma once

#include "platform/PicturePort.h"

#include <memory>

namespace pelmora {

// The platform's own pictures, for a program without a toolkit of its own (the console tool):
// the Windows Imaging Component on Windows, Qt's image library elsewhere.
std::unique_ptr<PicturePort> MakeSystemPictures();

}  // namespace pelmora
