// The exported file as the system's own registry editor reads it: imported with regedit /S into
// HKEY_LOCAL_MACHINE and read back with reg query and advapi32. Only under Wine, whose machine
// is a throw-away prefix; elsewhere the import would need an administrator.
#include "branding/OemInformation.h"
#include "branding/RegExport.h"
#include "platform/LocalFiles.h"
#include "platform/WindowsApi.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "testing/ScratchRegistry.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pelmora {
namespace {

bool UnderWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

struct Finished {
    DWORD exitCode = ~0u;
    std::string output;
};

// Runs a command line to its end and collects what it writes.
Finished RunToEnd(std::string commandLine)
{
    Finished finished;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return finished;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            finished.output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &finished.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return finished;
}

bool KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::wstring MachineText(const char* key, const wchar_t* name)
{
    std::wstring wideKey(key, key + std::strlen(key));
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, wideKey.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, data, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

// Removes what the import put into the machine's registry.
class ImportedKeys {
public:
    ~ImportedKeys()
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kOemInformationKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kOemInformationKey);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Pelmora");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Pelmora");
    }
};

TEST(RegImportWin32, TheRegistryEditorImportsTheExport)
{
    if (!UnderWine())
        GTEST_SKIP() << "importing into HKEY_LOCAL_MACHINE needs an administrator outside Wine";
    if (KeyExists(kOemInformationKey) || KeyExists("SOFTWARE\\Pelmora"))
        GTEST_SKIP() << "this machine has branding of its own, which the test must not touch";
    ImportedKeys cleanUp;

    auto store = testing::MakeScratchRegistry();
    const std::string maker = "M\xc3\xbcller & \"S\xc3\xb6hne\" \\ GmbH";
    WriteOemValues(*store, ManufacturerAndModel(maker, "X1"));
    WriteOemValues(*store, SupportLinks("https://example.com/?a=1&b=2", ""));
    WriteOemValues(*store, {{OemValue::Logo, "C:\\Windows\\System32\\oemlogo.bmp"}});
    WriteRegString(*store, RegRoot::LocalMachine, kOemKey, "Manufacture", maker);
    WriteRegString(*store, RegRoot::LocalMachine, kReadKey, "", "C:\\PICS\\LOGO.BMP");
    RegKey key = 0;
    store->CreateKey(RegRoot::LocalMachine, kProgramKey, key);
    store->SetValue(key, "Visits", kRegDword, "\x2a\0\0\0", 4);
    store->CloseKey(key);

    testing::TempDir temp;
    LocalFiles files;
    const std::string path = temp.File("branding.reg");
    ASSERT_TRUE(ExportReg(files, *store, path));

    // A value the export leaves out is deleted on import.
    HKEY stale = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, kOemInformationKey, &stale), ERROR_SUCCESS);
    RegSetValueExA(stale, "SupportPhone", 0, REG_SZ, reinterpret_cast<const BYTE*>("old"), 4);
    RegCloseKey(stale);

    ASSERT_EQ(RunToEnd("regedit.exe /S \"" + path + "\"").exitCode, 0u);

    const Finished query = RunToEnd(std::string("reg.exe query \"HKLM\\") + kOemInformationKey + "\"");
    EXPECT_EQ(query.exitCode, 0u);
    for (const char* line : {"Model    REG_SZ    X1", "SupportURL    REG_SZ    https://example.com/?a=1&b=2",
                             "Logo    REG_SZ    C:\\Windows\\System32\\oemlogo.bmp"})
        EXPECT_NE(query.output.find(line), std::string::npos) << line << " in\n" << query.output;
    EXPECT_EQ(query.output.find("SupportPhone"), std::string::npos) << query.output;

    const std::wstring wideMaker = L"M\u00fcller & \"S\u00f6hne\" \\ GmbH";
    EXPECT_EQ(MachineText(kOemInformationKey, L"Manufacturer"), wideMaker);
    EXPECT_EQ(MachineText(kOemKey, L"Manufacture"), wideMaker);
    EXPECT_EQ(MachineText(kReadKey, L""), L"C:\\PICS\\LOGO.BMP");
    DWORD visits = 0;
    DWORD size = sizeof visits;
    EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, kProgramKey, "Visits", RRF_RT_REG_DWORD, nullptr, &visits, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(visits, 42u);
}

}  // namespace
}  // namespace pelmora
