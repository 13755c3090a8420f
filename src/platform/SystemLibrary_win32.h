#pragma once

#include "platform/WindowsApi.h"

namespace pelmora {

// An entry point of a system DLL, the DLL loaded from the system folder by the first call that
// needs it and kept: a window shows without the libraries only a command uses (the common
// dialogs, COM, imaging, the shell). Null when the DLL or the entry point is missing.
template <typename Function>
Function SystemEntry(const wchar_t* library, const char* name)
{
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace pelmora
