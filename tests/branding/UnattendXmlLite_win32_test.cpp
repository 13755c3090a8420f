// The answer file as XmlLite writes it, read back by XmlLite's own parser.
#include "branding/UnattendExport.h"
#include "platform/WindowsApi.h"
#include "platform/XmlLiteWriter.h"

#include <objbase.h>
#include <xmllite.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace pelmora {
namespace {

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

std::string Utf8(const wchar_t* wide)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    return text;
}

struct Parsed {
    std::map<std::string, std::string> attributes;  // of every element, by "element@name"
    std::map<std::string, std::string> texts;       // by element name
    std::map<std::string, std::string> namespaces;  // by element name
    HRESULT result = S_OK;
};

Parsed Parse(const std::string& document)
{
    Parsed parsed;
    HMODULE library = LoadLibraryW(L"xmllite.dll");
    const auto create = reinterpret_cast<CreateXmlReaderFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReader")));
    IXmlReader* reader = nullptr;
    IStream* stream = nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, document.size());
    std::memcpy(GlobalLock(memory), document.data(), document.size());
    GlobalUnlock(memory);
    parsed.result = CreateStreamOnHGlobal(memory, TRUE, &stream);
    if (SUCCEEDED(parsed.result))
        parsed.result = create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr);
    if (SUCCEEDED(parsed.result))
        parsed.result = reader->SetInput(stream);
    std::string element;
    XmlNodeType type;
    while (SUCCEEDED(parsed.result) && (parsed.result = reader->Read(&type)) == S_OK) {
        const wchar_t* text = nullptr;
        if (type == XmlNodeType_Element) {
            reader->GetLocalName(&text, nullptr);
            element = Utf8(text);
            reader->GetNamespaceUri(&text, nullptr);
            parsed.namespaces[element] = Utf8(text);
            for (HRESULT more = reader->MoveToFirstAttribute(); more == S_OK; more = reader->MoveToNextAttribute()) {
                const wchar_t* name = nullptr;
                reader->GetQualifiedName(&name, nullptr);
                reader->GetValue(&text, nullptr);
                parsed.attributes[element + "@" + Utf8(name)] = Utf8(text);
            }
        } else if (type == XmlNodeType_Text) {
            reader->GetValue(&text, nullptr);
            parsed.texts[element] += Utf8(text);
        }
    }
    if (parsed.result == S_FALSE)
        parsed.result = S_OK;
    if (reader)
        reader->Release();
    if (stream)
        stream->Release();
    FreeLibrary(library);
    return parsed;
}

TEST(UnattendXmlLite, TheAnswerFileCarriesEveryValueThroughAnXmlParser)
{
    const OemValues values{
        {OemValue::Manufacturer, "M\xc3\xbcller & S\xc3\xb6hne <GmbH>"},
        {OemValue::Model, "\xe5\x9e\x8b\xe5\x8f\xb7 \"X1\" ]]> \xf0\x9f\x98\x80"},
        {OemValue::SupportURL, "https://example.com/?a=1&b=<2>"},
        {OemValue::SupportPhone, ""},
        {OemValue::Logo, "C:\\Windows\\System32\\oemlogo.bmp"},
    };
    XmlLiteWriter xml;
    std::string error;
    const auto document = UnattendDocument(xml, values, error);
    ASSERT_TRUE(document) << error;

    const Parsed parsed = Parse(*document);
    ASSERT_EQ(parsed.result, S_OK) << *document;
    EXPECT_EQ(parsed.namespaces.at("unattend"), "urn:schemas-microsoft-com:unattend");
    EXPECT_EQ(parsed.namespaces.at("Manufacturer"), "urn:schemas-microsoft-com:unattend") << *document;
    EXPECT_EQ(parsed.attributes.at("settings@pass"), "specialize");
    EXPECT_EQ(parsed.attributes.at("component@name"), "Microsoft-Windows-Shell-Setup");
    EXPECT_EQ(parsed.attributes.at("component@processorArchitecture"), "amd64");
    EXPECT_EQ(parsed.attributes.at("component@publicKeyToken"), "31bf3856ad364e35");
    EXPECT_EQ(parsed.attributes.at("component@language"), "neutral");
    EXPECT_EQ(parsed.attributes.at("component@versionScope"), "nonSxS");
    EXPECT_EQ(parsed.attributes.at("component@xmlns:wcm"), "http://schemas.microsoft.com/WMIConfig/2002/State");
    EXPECT_EQ(parsed.attributes.at("component@xmlns:xsi"), "http://www.w3.org/2001/XMLSchema-instance");
    EXPECT_EQ(parsed.texts, (std::map<std::string, std::string>{
                                {"Logo", "C:\\Windows\\System32\\oemlogo.bmp"},
                                {"Manufacturer", "M\xc3\xbcller & S\xc3\xb6hne <GmbH>"},
                                {"Model", "\xe5\x9e\x8b\xe5\x8f\xb7 \"X1\" ]]> \xf0\x9f\x98\x80"},
                                {"SupportURL", "https://example.com/?a=1&b=<2>"},
                            }));
}

}  // namespace
}  // namespace pelmora
