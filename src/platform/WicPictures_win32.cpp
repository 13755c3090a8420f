#include "platform/WicPictures_win32.h"

#include "platform/AreaScale.h"
#include "platform/BmpWriter.h"
#include "platform/PictureFit.h"
#include "platform/RasterPicture.h"
#include "platform/SystemLibrary_win32.h"
#include "platform/Utf16_win32.h"
#include "platform/WicStream_win32.h"
#include "platform/WindowsApi.h"

#include <wincodec.h>

#include <cstdio>

namespace pelmora {

namespace {

constexpr LONGLONG kMostFileBytes = 512LL << 20;
constexpr UINT64 kMostPixels = 1ULL << 26;  // 256 MiB of pixels, e.g. 8192 x 8192

// Releases a COM interface when it goes.
template <typename T>
class Com {
public:
    Com() = default;
    ~Com()
    {
        if (m_Pointer != nullptr)
            m_Pointer->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T** operator&() { return &m_Pointer; }
    T* operator->() const { return m_Pointer; }
    T* Get() const { return m_Pointer; }

private:
    T* m_Pointer = nullptr;
};

// COM and the imaging library, loaded with the first picture.
struct ImagingEntries {
    decltype(&CoInitializeEx) initialize = SystemEntry<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    decltype(&CoUninitialize) uninitialize = SystemEntry<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    decltype(&CoCreateInstance) createInstance =
        SystemEntry<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    decltype(&WICConvertBitmapSource) convert =
        SystemEntry<decltype(&WICConvertBitmapSource)>(L"windowscodecs.dll", "WICConvertBitmapSource");
    bool Complete() const { return initialize && uninitialize && createInstance && convert; }
};

const ImagingEntries& Imaging()
{
    static const ImagingEntries entries;
    return entries;
}

// COM for the calling thread while one picture is read; a thread that has it already keeps it.
class ComScope {
public:
    ComScope() : m_Result(Imaging().Complete() ? Imaging().initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_Result))
            Imaging().uninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_Result;
};

std::string HexCode(HRESULT result)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

std::string DecodeFailure(HRESULT result)
{
    switch (result) {
    case WINCODEC_ERR_COMPONENTNOTFOUND:
    case WINCODEC_ERR_UNKNOWNIMAGEFORMAT:
        return "it is not a picture in a format this system reads";
    case WINCODEC_ERR_BADHEADER:
    case WINCODEC_ERR_BADIMAGE:
    case WINCODEC_ERR_BADMETADATAHEADER:
    case WINCODEC_ERR_BADSTREAMDATA:
        return "its picture data is damaged";
    default:
        return "the picture could not be decoded (" + HexCode(result) + ")";
    }
}

// The whole file, refused when it is not a regular file that can be read to its end.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error)
{
    const std::wstring widePath = ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        error = SystemErrorText(GetLastError());
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = "it is a folder, not a file";
        return false;
    }
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = SystemErrorText(GetLastError());
        return false;
    }
    bool ok = false;
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK)
        error = "it is not a regular file";
    else if (!GetFileSizeEx(file, &size))
        error = SystemErrorText(GetLastError());
    else if (size.QuadPart > kMostFileBytes)
        error = "the file is too large for a picture (" + std::to_string(size.QuadPart) + " bytes)";
    else {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        if (!ok)
            error = SystemErrorText(GetLastError());
        else if (read != bytes.size()) {
            ok = false;
            error = "its data ends early";
        }
    }
    CloseHandle(file);
    return ok;
}

// The container of the formats named for this program, by their signatures: their own decoder
// then reports what is wrong with a damaged file instead of "no decoder found".
const GUID* KnownContainer(std::string_view bytes)
{
    struct Signature {
        std::string_view start;
        const GUID* container;
    };
    static const Signature signatures[] = {
        {"BM", &GUID_ContainerFormatBmp},
        {"\x89PNG\r\n\x1A\n", &GUID_ContainerFormatPng},
        {"\xFF\xD8\xFF", &GUID_ContainerFormatJpeg},
        {"GIF87a", &GUID_ContainerFormatGif},
        {"GIF89a", &GUID_ContainerFormatGif},
        {std::string_view("II*\0", 4), &GUID_ContainerFormatTiff},
        {std::string_view("MM\0*", 4), &GUID_ContainerFormatTiff},
        {std::string_view("\0\0\1\0", 4), &GUID_ContainerFormatIco},
    };
    for (const Signature& signature : signatures)
        if (bytes.starts_with(signature.start))
            return signature.container;
    return nullptr;
}

HRESULT OpenDecoder(IWICImagingFactory& factory, IStream& stream, std::string_view bytes, IWICBitmapDecoder** decoder)
{
    const GUID* container = KnownContainer(bytes);
    if (container == nullptr)
        return factory.CreateDecoderFromStream(&stream, nullptr, WICDecodeMetadataCacheOnDemand, decoder);
    HRESULT result = factory.CreateDecoder(*container, nullptr, decoder);
    if (SUCCEEDED(result))
        result = (*decoder)->Initialize(&stream, WICDecodeMetadataCacheOnDemand);
    return result;
}

std::shared_ptr<const Picture> Decode(const std::string& bytes, std::string& error)
{
    if (bytes.empty()) {
        error = "the file is empty";
        return nullptr;
    }
    Com<IWICImagingFactory> factory;
    HRESULT result = Imaging().Complete()
                         ? Imaging().createInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                    IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))
                         : E_NOINTERFACE;
    if (FAILED(result)) {
        error = "the Windows Imaging Component is not available (" + HexCode(result) + ")";
        return nullptr;
    }
    // Declared first, so it outlives every reader that holds it.
    EndWatchingStream stream(bytes);
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICBitmapSource> pixels;
    result = OpenDecoder(*factory.Get(), stream, bytes, &decoder);
    if (SUCCEEDED(result))
        result = decoder->GetFrame(0, &frame);
    if (SUCCEEDED(result))
        result = Imaging().convert(GUID_WICPixelFormat32bppBGRA, frame.Get(), &pixels);
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result))
        result = pixels->GetSize(&width, &height);
    if (FAILED(result)) {
        error = stream.ReachedEnd() ? "its data ends early" : DecodeFailure(result);
        return nullptr;
    }
    if (width == 0 || height == 0 || static_cast<UINT64>(width) * height > kMostPixels) {
        error = "the picture's size is not supported (" + std::to_string(width) + " x " + std::to_string(height) +
                " pixels)";
        return nullptr;
    }
    // 32bppBGRA in memory is one 0xAARRGGBB value a pixel on this little-endian machine.
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
    result = pixels->CopyPixels(nullptr, width * 4, static_cast<UINT>(argb.size() * 4),
                                reinterpret_cast<BYTE*>(argb.data()));
    if (FAILED(result)) {
        error = stream.ReachedEnd() ? "its data ends early" : DecodeFailure(result);
        return nullptr;
    }
    return std::make_shared<RasterPicture>(static_cast<int>(width), static_cast<int>(height), std::move(argb));
}

}  // namespace

std::shared_ptr<const Picture> WicPictures::Load(const std::string& path, std::string& error)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error))
        return nullptr;
    ComScope com;
    auto picture = Decode(bytes, error);
    if (picture)
        error.clear();
    return picture;
}

std::optional<std::string> WicPictures::EncodeBmp(const Picture& picture)
{
    auto* raster = dynamic_cast<const RasterPicture*>(&picture);
    if (raster == nullptr)
        return std::nullopt;
    return WriteBmp(raster->Width(), raster->Height(), OverWhite(raster->Pixels()), BmpDepth::Rgb24);
}

std::optional<std::string> WicPictures::EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight)
{
    auto* raster = dynamic_cast<const RasterPicture*>(&picture);
    if (raster == nullptr)
        return std::nullopt;
    const PictureSize size{raster->Width(), raster->Height()};
    const PictureSize fitted = FitInside(size, {boxWidth, boxHeight});
    // Laid over white first, so the averaging never takes in the colour under a see-through pixel.
    std::vector<std::uint32_t> pixels = OverWhite(raster->Pixels());
    if (fitted != size)
        pixels = ScaleDownByArea(pixels, size, fitted);
    return WriteBmp(fitted.width, fitted.height, pixels, BmpDepth::Rgb32);
}

}  // namespace pelmora
