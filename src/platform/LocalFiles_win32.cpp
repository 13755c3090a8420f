#include "platform/LocalFiles.h"

#include "platform/AnsiText.h"
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
    if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

Status LocalFiles::WriteFile(const std::string& path, std::string_view bytes)
{
    const std::string ansiPath = ToAnsi(path);
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = TemporaryName(ansiPath);
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return SystemFailure(GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return SystemFailure(ERROR_FILE_EXISTS);

    const DWORD error = FillAndReplace(file, temporary, ansiPath, bytes);
    if (error != ERROR_SUCCESS) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        DeleteFileA(temporary.c_str());
        return SystemFailure(error);
    }
    return Status::Ok();
}

Status LocalFiles::DeleteFile(const std::string& path)
{
    if (DeleteFileA(ToAnsi(path).c_str()))
        return Status::Ok();
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return Status::Ok();
    return SystemFailure(error);
}

bool LocalFiles::Exists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(ToAnsi(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace pelmora
