#pragma once

#include "platform/XmlWriterPort.h"

#include <memory>

namespace pelmora {

// The platform's XML writer, for a program without a toolkit of its own (the console tool):
// XmlLite on Windows, Qt's stream writer elsewhere.
std::unique_ptr<XmlWriterPort> MakeSystemXmlWriter();

}  // namespace pelmora
