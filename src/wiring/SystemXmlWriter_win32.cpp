#include "wiring/SystemXmlWriter.h"

#include "platform/XmlLiteWriter.h"

namespace pelmora {

std::unique_ptr<XmlWriterPort> MakeSystemXmlWriter() { return std::make_unique<XmlLiteWriter>(); }

}  // namespace pelmora
