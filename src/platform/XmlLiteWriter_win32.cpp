#include "platform/XmlLiteWriter.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <objbase.h>
#include <xmllite.h>

#include <cstdio>

namespace pelmora {

namespace {

using CreateXmlWriterFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

std::string Describe(HRESULT result)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    return "XmlLite failed with " + std::string(code);
}

template <typename T>
void Release(T*& object)
{
    if (object)
        object->Release();
    object = nullptr;
}

// Every call after the first failure is skipped; Finish reports that failure.
class XmlLiteDocument final : public XmlDocument {
public:
    XmlLiteDocument() { Open(); }
    ~XmlLiteDocument() override
    {
        Release(m_Writer);
        Release(m_Stream);
        if (m_Library)
            FreeLibrary(m_Library);
    }
    XmlLiteDocument(const XmlLiteDocument&) = delete;
    XmlLiteDocument& operator=(const XmlLiteDocument&) = delete;

    void StartElement(const std::string& name) override
    {
        Run([&] { return m_Writer->WriteStartElement(nullptr, ToUtf16(name).c_str(), nullptr); });
    }

    void DeclareNamespace(const std::string& prefix, const std::string& uri) override
    {
        if (prefix.empty())
            Run([&] { return m_Writer->WriteAttributeString(nullptr, L"xmlns", nullptr, ToUtf16(uri).c_str()); });
        else
            Run([&] {
                return m_Writer->WriteAttributeString(L"xmlns", ToUtf16(prefix).c_str(), nullptr,
                                                      ToUtf16(uri).c_str());
            });
    }

    void Attribute(const std::string& name, const std::string& value) override
    {
        Run([&] {
            return m_Writer->WriteAttributeString(nullptr, ToUtf16(name).c_str(), nullptr, ToUtf16(value).c_str());
        });
    }

    void Text(const std::string& text) override { Run([&] { return m_Writer->WriteString(ToUtf16(text).c_str()); }); }
    void EndElement() override { Run([&] { return m_Writer->WriteEndElement(); }); }

    std::optional<std::string> Finish(std::string& error) override
    {
        Run([&] { return m_Writer->WriteEndDocument(); });
        Run([&] { return m_Writer->Flush(); });
        std::string bytes;
        Run([&] { return ReadStream(bytes); });
        if (FAILED(m_Result)) {
            error = m_Error.empty() ? Describe(m_Result) : m_Error;
            return std::nullopt;
        }
        return bytes;
    }

private:
    void Open()
    {
        m_Library = LoadLibraryW(L"xmllite.dll");
        if (!m_Library) {
            const DWORD error = GetLastError();
            Fail(HRESULT_FROM_WIN32(error), "xmllite.dll could not be loaded: " + SystemErrorText(error));
            return;
        }
        const auto create =
            reinterpret_cast<CreateXmlWriterFunction>(reinterpret_cast<void*>(GetProcAddress(m_Library, "CreateXmlWriter")));
        if (!create) {
            Fail(E_NOINTERFACE, "xmllite.dll has no CreateXmlWriter");
            return;
        }
        Run([&] { return create(__uuidof(IXmlWriter), reinterpret_cast<void**>(&m_Writer), nullptr); });
        Run([&] { return CreateStreamOnHGlobal(nullptr, TRUE, &m_Stream); });
        Run([&] { return m_Writer->SetProperty(XmlWriterProperty_Indent, TRUE); });
        Run([&] { return m_Writer->SetOutput(m_Stream); });
        Run([&] { return m_Writer->WriteStartDocument(XmlStandalone_Omit); });
    }

    template <typename Call>
    void Run(Call call)
    {
        if (SUCCEEDED(m_Result))
            m_Result = call();
    }

    void Fail(HRESULT result, std::string error)
    {
        m_Result = result;
        m_Error = std::move(error);
    }

    // The bytes written so far: from the stream's start up to its position.
    HRESULT ReadStream(std::string& bytes)
    {
        ULARGE_INTEGER end{};
        if (const HRESULT result = m_Stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &end); FAILED(result))
            return result;
        if (const HRESULT result = m_Stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr); FAILED(result))
            return result;
        bytes.resize(static_cast<std::size_t>(end.QuadPart));
        ULONG read = 0;
        if (const HRESULT result = m_Stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read); FAILED(result))
            return result;
        bytes.resize(read);
        return S_OK;
    }

    HMODULE m_Library = nullptr;
    IXmlWriter* m_Writer = nullptr;
    IStream* m_Stream = nullptr;
    HRESULT m_Result = S_OK;
    std::string m_Error;
};

}  // namespace

std::unique_ptr<XmlDocument> XmlLiteWriter::NewDocument() { return std::make_unique<XmlLiteDocument>(); }

}  // namespace pelmora
