#pragma once

#include "platform/PicturePort.h"
#include "platform/XmlWriterPort.h"

#include <memory>

namespace pelmora {

// What the loadable media module gives a program that loads it at run time, so a program that
// draws nothing starts without the toolkit's libraries and pays for them only when it decodes a
// picture or writes an XML document. Loader and module come from the same build; the version
// refuses a module left over from another.
struct MediaModuleEntries {
    int version;
    std::unique_ptr<PicturePort> (*newPictures)();
    std::unique_ptr<XmlWriterPort> (*newXmlWriter)();
};

inline constexpr int kMediaModuleVersion = 1;
// The module's one exported function: `const MediaModuleEntries* PelmoraMediaModule()`.
inline constexpr const char* kMediaModuleSymbol = "PelmoraMediaModule";

}  // namespace pelmora
