#include "platform/ProtectedFolder.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <aclapi.h>
#include <sddl.h>

namespace pelmora {

namespace {

// System and Administrators: full control; owner rights and Users: read and execute (0x1200a9);
// each inherited by the files and folders inside. "P": nothing inherited from above.
constexpr const wchar_t* kAdministratorsOnly =
    L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;OW)(A;OICI;0x1200a9;;;BU)";

}  // namespace

Status ProtectFolderForAdministrators(const std::string& folder)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(kAdministratorsOnly, SDDL_REVISION_1, &descriptor,
                                                              nullptr))
        return Status::Failed(SystemErrorText(GetLastError()));
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
    std::wstring path = ToUtf16(folder);
    const DWORD result = SetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT,
                                               DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                               nullptr, nullptr, dacl, nullptr);
    LocalFree(descriptor);
    if (result != ERROR_SUCCESS)
        return Status::Failed(SystemErrorText(result));
    return Status::Ok();
}

}  // namespace pelmora
