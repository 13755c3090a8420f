#include "platform/RegularFile.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <algorithm>

namespace pelmora {

RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit)
{
    RegularFileRead read;
    // A folder does not open without backup semantics; a pipe or device opens but is no disk file.
    const std::wstring widePath = ToUtf16(path);
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        read.status = Status::Failed(SystemErrorText(GetLastError()));
        return read;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        read.status = Status::Failed("not a file but a pipe or a device");
        CloseHandle(file);
        return read;
    }
    LARGE_INTEGER size{};
    const auto expected = GetFileSizeEx(file, &size) ? static_cast<std::size_t>(size.QuadPart) : 0;
    // Room for the end to be seen without growing, unless the file grows meanwhile.
    read.bytes.resize(std::min(limit, expected) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (read.bytes.size() == filled)
            read.bytes.resize(std::min(limit + 1, 2 * read.bytes.size()));
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(read.bytes.size() - filled, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file, read.bytes.data() + filled, want, &got, nullptr)) {
            read.status = Status::Failed(SystemErrorText(GetLastError()));
            read.bytes.clear();
            CloseHandle(file);
            return read;
        }
        if (got == 0)
            break;
        filled += got;
        if (filled > limit)
            break;
    }
    CloseHandle(file);
    read.cut = filled > limit;
    read.bytes.resize(std::min(filled, limit));
    return read;
}

}  // namespace pelmora
