#pragma once

#include "platform/XmlWriterPort.h"

namespace pelmora {

// XML documents through XmlLite's IXmlWriter (Windows). The import library is not part of every
// MinGW-w64, so xmllite.dll is loaded when a document is started.
class XmlLiteWriter final : public XmlWriterPort {
public:
    std::unique_ptr<XmlDocument> NewDocument() override;
};

}  // namespace pelmora
