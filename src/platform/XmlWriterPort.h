#pragma once

#include <memory>
#include <optional>
#include <string>

namespace pelmora {

// One XML document, built in memory through the platform's XML writer: UTF-8 with an XML
// declaration, indented. Names are plain XML names; the writer escapes text and attribute values,
// so a document is never joined from strings. The calls nest as the document does.
class XmlDocument {
public:
    virtual ~XmlDocument() = default;

    virtual void StartElement(const std::string& name) = 0;
    // Declares a namespace on the element just started; an empty prefix declares the default one.
    virtual void DeclareNamespace(const std::string& prefix, const std::string& uri) = 0;
    // An attribute of the element just started.
    virtual void Attribute(const std::string& name, const std::string& value) = 0;
    virtual void Text(const std::string& text) = 0;
    virtual void EndElement() = 0;

    // Ends the document and gives its bytes; null when the writer failed, `error` then says why.
    virtual std::optional<std::string> Finish(std::string& error) = 0;
};

class XmlWriterPort {
public:
    virtual ~XmlWriterPort() = default;
    virtual std::unique_ptr<XmlDocument> NewDocument() = 0;
};

}  // namespace pelmora
