#include "registry/Win32Transaction.h"

#include "platform/WindowsApi.h"

#include <atomic>

namespace pelmora {

namespace {

using CreateTransactionFn = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPGUID, DWORD, DWORD, DWORD, DWORD, LPWSTR);
using FinishTransactionFn = BOOL(WINAPI*)(HANDLE);
using CreateKeyTransactedFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM, const LPSECURITY_ATTRIBUTES,
                                            PHKEY, LPDWORD, HANDLE, PVOID);
using OpenKeyTransactedFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY, HANDLE, PVOID);

// The entry points, looked up once; all null when one is missing.
struct Entries {
    CreateTransactionFn createTransaction = nullptr;
    FinishTransactionFn commitTransaction = nullptr;
    FinishTransactionFn rollbackTransaction = nullptr;
    CreateKeyTransactedFn createKey = nullptr;
    OpenKeyTransactedFn openKey = nullptr;

    Entries()
    {
        HMODULE ktm = LoadLibraryA("ktmw32.dll");
        HMODULE advapi = GetModuleHandleA("advapi32.dll");
        if (!ktm || !advapi)
            return;
        auto find = [](HMODULE module, const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); };
        void* all[] = {find(ktm, "CreateTransaction"), find(ktm, "CommitTransaction"), find(ktm, "RollbackTransaction"),
                       find(advapi, "RegCreateKeyTransactedW"), find(advapi, "RegOpenKeyTransactedW")};
        for (void* entry : all)
            if (!entry)
                return;
        createTransaction = reinterpret_cast<CreateTransactionFn>(all[0]);
        commitTransaction = reinterpret_cast<FinishTransactionFn>(all[1]);
        rollbackTransaction = reinterpret_cast<FinishTransactionFn>(all[2]);
        createKey = reinterpret_cast<CreateKeyTransactedFn>(all[3]);
        openKey = reinterpret_cast<OpenKeyTransactedFn>(all[4]);
    }
};

const Entries& Api()
{
    static const Entries entries;
    return entries;
}

std::atomic<bool> g_NotImplemented{false};

long Noted(long code)
{
    if (code == ERROR_CALL_NOT_IMPLEMENTED)
        g_NotImplemented = true;
    return code;
}

}  // namespace

bool Win32Transaction::Available()
{
    return Api().createTransaction && !g_NotImplemented;
}

std::unique_ptr<Win32Transaction> Win32Transaction::Begin(long& code)
{
    code = ERROR_SUCCESS;
    if (!Available())
        return nullptr;
    HANDLE handle = Api().createTransaction(nullptr, nullptr, 0, 0, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        code = Noted(static_cast<long>(GetLastError()));
        return nullptr;
    }
    return std::unique_ptr<Win32Transaction>(new Win32Transaction(handle));
}

Win32Transaction::~Win32Transaction()
{
    if (!m_Finished)
        Api().rollbackTransaction(m_Handle);
    CloseHandle(m_Handle);
}

long Win32Transaction::CreateKey(void* base, const wchar_t* path, void*& key)
{
    HKEY created = nullptr;
    const long code = Api().createKey(static_cast<HKEY>(base), path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      MAXIMUM_ALLOWED, nullptr, &created, nullptr, m_Handle, nullptr);
    key = code == ERROR_SUCCESS ? created : nullptr;
    return Noted(code);
}

long Win32Transaction::OpenKey(void* base, const wchar_t* path, void*& key)
{
    HKEY opened = nullptr;
    const long code = Api().openKey(static_cast<HKEY>(base), path, 0, MAXIMUM_ALLOWED, &opened, m_Handle, nullptr);
    key = code == ERROR_SUCCESS ? opened : nullptr;
    return Noted(code);
}

long Win32Transaction::Commit()
{
    m_Finished = true;
    return Api().commitTransaction(m_Handle) ? ERROR_SUCCESS : static_cast<long>(GetLastError());
}

}  // namespace pelmora
