#include "platform/qt/QtXmlWriter.h"

#include <QByteArray>
#include <QXmlStreamWriter>

namespace pelmora {

namespace {

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

class QtXmlDocument final : public XmlDocument {
public:
    QtXmlDocument() : m_Writer(&m_Bytes)
    {
        m_Writer.setAutoFormatting(true);
        m_Writer.setAutoFormattingIndent(2);
        m_Writer.writeStartDocument();
    }

    void StartElement(const std::string& name) override { m_Writer.writeStartElement(Q(name)); }

    void DeclareNamespace(const std::string& prefix, const std::string& uri) override
    {
        if (prefix.empty())
            m_Writer.writeDefaultNamespace(Q(uri));
        else
            m_Writer.writeNamespace(Q(uri), Q(prefix));
    }

    void Attribute(const std::string& name, const std::string& value) override
    {
        m_Writer.writeAttribute(Q(name), Q(value));
    }

    void Text(const std::string& text) override { m_Writer.writeCharacters(Q(text)); }
    void EndElement() override { m_Writer.writeEndElement(); }

    std::optional<std::string> Finish(std::string& error) override
    {
        m_Writer.writeEndDocument();
        // Qt sets the error for a character XML cannot hold, which it leaves out.
        if (m_Writer.hasError()) {
            error = "the XML writer could not write every character";
            return std::nullopt;
        }
        return std::string(m_Bytes.constData(), static_cast<std::size_t>(m_Bytes.size()));
    }

private:
    QByteArray m_Bytes;
    QXmlStreamWriter m_Writer;
};

}  // namespace

std::unique_ptr<XmlDocument> QtXmlWriter::NewDocument() { return std::make_unique<QtXmlDocument>(); }

}  // namespace pelmora
