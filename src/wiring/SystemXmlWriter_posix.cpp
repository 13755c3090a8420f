#include "wiring/SystemXmlWriter.h"

#include "wiring/MediaModuleLoader.h"

namespace pelmora {

namespace {

// A document that cannot be written: its Finish says why.
class UnavailableDocument final : public XmlDocument {
public:
    explicit UnavailableDocument(std::string error) : m_Error(std::move(error)) {}
    void StartElement(const std::string&) override {}
    void DeclareNamespace(const std::string&, const std::string&) override {}
    void Attribute(const std::string&, const std::string&) override {}
    void Text(const std::string&) override {}
    void EndElement() override {}
    std::optional<std::string> Finish(std::string& error) override
    {
        error = m_Error;
        return std::nullopt;
    }

private:
    std::string m_Error;
};

// Qt's XML writer from the media module, loaded with the first document.
class ModuleXmlWriter final : public XmlWriterPort {
public:
    std::unique_ptr<XmlDocument> NewDocument() override
    {
        std::string error;
        if (!m_Writer) {
            if (const MediaModuleEntries* module = LoadMediaModule(error))
                m_Writer = module->newXmlWriter();
        }
        if (!m_Writer)
            return std::make_unique<UnavailableDocument>(error);
        return m_Writer->NewDocument();
    }

private:
    std::unique_ptr<XmlWriterPort> m_Writer;
};

}  // namespace

std::unique_ptr<XmlWriterPort> MakeSystemXmlWriter() { return std::make_unique<ModuleXmlWriter>(); }

}  // namespace pelmora
