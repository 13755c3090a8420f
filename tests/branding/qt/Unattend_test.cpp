// The answer file as Qt's XML writer makes it, read back by an XML parser.
#include "branding/UnattendExport.h"

#include "platform/LocalFiles.h"
#include "platform/qt/QtXmlWriter.h"
#include "testing/TempDir.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace pelmora {
namespace {

constexpr const char* kUnattendNamespace = "urn:schemas-microsoft-com:unattend";

struct Parsed {
    std::map<std::string, std::string> component;  // its attributes
    std::string pass;
    std::map<std::string, std::string> values;  // OEMInformation's children
    bool inUnattendNamespace = true;
    std::string error;
};

std::string S(QStringView text) { return text.toString().toStdString(); }

Parsed Parse(const std::string& document)
{
    Parsed parsed;
    QXmlStreamReader reader(QByteArray(document.data(), static_cast<qsizetype>(document.size())));
    QStringList path;
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (reader.isStartElement()) {
            path << reader.name().toString();
            parsed.inUnattendNamespace &= reader.namespaceUri() == QLatin1String(kUnattendNamespace);
            const QString where = path.join('/');
            if (where == "unattend/settings")
                parsed.pass = S(reader.attributes().value("pass"));
            if (where == "unattend/settings/component") {
                for (const QXmlStreamAttribute& attribute : reader.attributes())
                    parsed.component[S(attribute.qualifiedName())] = S(attribute.value());
                for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations())
                    parsed.component["xmlns:" + S(declaration.prefix())] = S(declaration.namespaceUri());
            }
            if (path.size() == 5 && path[3] == "OEMInformation") {
                parsed.values[S(reader.name())] = S(reader.readElementText());  // ends on its end element
                path.removeLast();
            }
        } else if (reader.isEndElement()) {
            path.removeLast();
        }
    }
    if (reader.hasError())
        parsed.error = reader.errorString().toStdString();
    return parsed;
}

TEST(Unattend, TheAnswerFileCarriesEveryValueThroughAnXmlParser)
{
    const OemValues values{
        {OemValue::Manufacturer, "M\xc3\xbcller & S\xc3\xb6hne <GmbH>"},
        {OemValue::Model, "\xe5\x9e\x8b\xe5\x8f\xb7 \"X1\" 'pro' ]]> \xf0\x9f\x98\x80"},
        {OemValue::SupportURL, "https://example.com/?a=1&b=<2>"},
        {OemValue::SupportPhone, ""},  // left out
        {OemValue::Logo, "C:\\Windows\\System32\\oemlogo.bmp"},
    };
    QtXmlWriter xml;
    std::string error;
    const auto document = UnattendDocument(xml, values, error);
    ASSERT_TRUE(document) << error;
    EXPECT_EQ(document->find("Söhne <GmbH>"), std::string::npos) << "escaped, never joined";

    const Parsed parsed = Parse(*document);
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.inUnattendNamespace);
    EXPECT_EQ(parsed.pass, "specialize");
    EXPECT_EQ(parsed.component, (std::map<std::string, std::string>{
                                    {"name", "Microsoft-Windows-Shell-Setup"},
                                    {"processorArchitecture", "amd64"},
                                    {"publicKeyToken", "31bf3856ad364e35"},
                                    {"language", "neutral"},
                                    {"versionScope", "nonSxS"},
                                    {"xmlns:wcm", "http://schemas.microsoft.com/WMIConfig/2002/State"},
                                    {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
                                }));
    std::map<std::string, std::string> expected;
    for (const OemValueText& value : values) {
        if (!value.text.empty())
            expected[OemValueName(value.value)] = value.text;
    }
    EXPECT_EQ(parsed.values, expected);
}

TEST(Unattend, AControlCharacterIsRefusedByNameAndNothingIsWritten)
{
    testing::TempDir temp;
    LocalFiles files;
    QtXmlWriter xml;
    const std::string path = temp.File("unattend.xml");
    const Status status = ExportUnattend(files, xml, {{OemValue::Model, "X\x01"}}, path);
    EXPECT_EQ(status.error, "Model contains a control character, which an answer file cannot hold. Nothing was saved.");
    EXPECT_FALSE(files.Exists(path));

    ASSERT_TRUE(ExportUnattend(files, xml, {{OemValue::Model, "X1"}}, path));
    EXPECT_EQ(Parse(testing::ReadBytes(path)).values, (std::map<std::string, std::string>{{"Model", "X1"}}));
}

}  // namespace
}  // namespace pelmora
