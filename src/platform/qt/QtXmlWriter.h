#pragma once

#include "platform/XmlWriterPort.h"

namespace pelmora {

// XML documents through Qt's QXmlStreamWriter.
class QtXmlWriter final : public XmlWriterPort {
public:
    std::unique_ptr<XmlDocument> NewDocument() override;
};

}  // namespace pelmora
