#include "platform/LocalFiles.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <algorithm>
#include <atomic>

namespace pelmora {

namespace {

Status SystemFailure(DWORD error)
{
    return Status::Failed(SystemErrorText(error));
}

// A hidden name beside the file, unique to this call.
std::string TemporaryName(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    const auto slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "~" + name + "." + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64()) + "-" + std::to_string(counter++) + ".tmp";
}

DWORD WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return GetLastError();
        bytes.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

// Fills the open temporary file, closes it and puts it in place; ERROR_SUCCESS or the failure.
DWORD FillAndReplace(HANDLE& file, const std::string& temporary, const std::string& path, std::string_view bytes)
{
    if (const DWORD error = WriteAll(file, bytes); error != ERROR_SUCCESS)
        return error;
    if (!FlushFileBuffers(file))
        return GetLastError();
    const BOOL closed = CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (!closed)
        return GetLastError();
    if (!MoveFileExW(ToUtf16(temporary).c_str(), ToUtf16(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return GetLastError();
    return ERROR_SUCCESS;
}

// ReadDiskFile's refusal of a device or pipe, beside the system's codes.
constexpr DWORD kNotRegular = 0xE0000001;

DWORD ReadDiskFile(HANDLE file, std::size_t maxBytes, std::string& bytes)
{
    if (GetFileType(file) != FILE_TYPE_DISK)
        return kNotRegular;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return GetLastError();
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return ERROR_FILE_TOO_LARGE;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr))
            return GetLastError();
        if (got == 0)
            return ERROR_SUCCESS;
        // The file may grow while it is read.
        if (bytes.size() + got > maxBytes)
            return ERROR_FILE_TOO_LARGE;
        bytes.append(buffer, got);
    }
}

}  // namespace

Status LocalFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = TemporaryName(path);
        file = CreateFileW(ToUtf16(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return SystemFailure(GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return SystemFailure(ERROR_FILE_EXISTS);

    const DWORD error = FillAndReplace(file, temporary, path, bytes);
    if (error != ERROR_SUCCESS) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        DeleteFileW(ToUtf16(temporary).c_str());
        return SystemFailure(error);
    }
    return Status::Ok();
}

Status LocalFiles::DeleteFile(const std::string& path)
{
    if (DeleteFileW(ToUtf16(path).c_str()))
        return Status::Ok();
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return Status::Ok();
    return SystemFailure(error);
}

bool LocalFiles::Exists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(ToUtf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

Status LocalFiles::ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    bytes.clear();
    const std::wstring widePath = ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Status::Failed("it is not a regular file");
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SystemFailure(GetLastError());
    const DWORD error = ReadDiskFile(file, maxBytes, bytes);
    CloseHandle(file);
    if (error == ERROR_SUCCESS)
        return Status::Ok();
    bytes.clear();
    if (error == kNotRegular)
        return Status::Failed("it is not a regular file");
    if (error == ERROR_FILE_TOO_LARGE)
        return Status::Failed("it is larger than " + std::to_string(maxBytes) + " bytes");
    return SystemFailure(error);
}

}  // namespace pelmora
