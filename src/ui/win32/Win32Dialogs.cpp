#include "Win32Dialogs.h"

#include "platform/SystemLibrary_win32.h"
#include "platform/Utf16_win32.h"

#include <cderr.h>
#include <commdlg.h>

namespace pelmora::win32 {

namespace {

// Long enough for any path the system takes (the extended-length limit).
constexpr std::size_t kFileNameCapacity = 32768;

}  // namespace

OtherWindowsDisabled::OtherWindowsDisabled(HWND keep) : m_Keep(keep)
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) -> BOOL {
            auto* scope = reinterpret_cast<OtherWindowsDisabled*>(self);
            // Hidden windows take no input; the system keeps some of its own among them.
            if (window != scope->m_Keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                scope->m_Disabled.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

OtherWindowsDisabled::~OtherWindowsDisabled()
{
    for (HWND window : m_Disabled)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

std::wstring DialogFilter(const std::string& filter)
{
    std::wstring result = ToUtf16(filter);
    for (wchar_t& c : result)
        if (c == L'|')
            c = L'\0';
    result.push_back(L'\0');
    result.push_back(L'\0');  // the whole list's end (beside the string's own)
    return result;
}

void Win32Dialogs::ShowMessage(const std::string& text, const std::string& title, MessageStyle style)
{
    HWND owner = m_Owner ? m_Owner() : nullptr;
    // Without an owner, MB_TASKMODAL disables the thread's windows itself.
    const UINT modality = owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL;
    OtherWindowsDisabled others(owner);
    MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(title).c_str(), MB_OK | static_cast<UINT>(style) | modality);
}

bool Win32Dialogs::AskYesNo(const std::string& text, const std::string& title)
{
    HWND owner = m_Owner ? m_Owner() : nullptr;
    const UINT modality = owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL;
    OtherWindowsDisabled others(owner);
    return MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(title).c_str(), MB_YESNO | MB_ICONQUESTION | modality) ==
           IDYES;
}

std::string Win32Dialogs::AskOpenFile(const OpenFileRequest& request)
{
    HWND owner = m_Owner ? m_Owner() : nullptr;
    const std::wstring filter = DialogFilter(request.filter);
    const std::wstring title = ToUtf16(request.title);
    std::wstring start = ToUtf16(request.fileName);
    OtherWindowsDisabled others(owner);
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<wchar_t> file(kFileNameCapacity, L'\0');
        if (start.size() < file.size())
            start.copy(file.data(), start.size());
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrTitle = title.c_str();
        dialog.Flags = static_cast<DWORD>(request.flags);
        static const auto getOpenFileName = SystemEntry<decltype(&GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
        static const auto extendedError = SystemEntry<decltype(&CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
        if (getOpenFileName == nullptr || extendedError == nullptr)
            break;
        if (getOpenFileName(&dialog))
            return FromUtf16(file.data());
        // A starting name the dialog will not take (a character it refuses) would keep it from
        // opening at all: it opens again without one.
        if (extendedError() != FNERR_INVALIDFILENAME || start.empty())
            break;
        start.clear();
    }
    return {};
}

}  // namespace pelmora::win32
