// pelmora-cli.exe run as a script runs it, on the system's registry and Windows directory (a
// Wine prefix of the tests' own): what it prints, its exit status, and what lands in
// C:\windows\system and under HKLM, read back through the system's own calls.
#include "AccessGuard_win32.h"
#include "RunCli.h"
#include "oem/JournalFile.h"
#include "oem/RegistrySnapshot.h"
#include "platform/LocalFiles.h"
#include "platform/Utf16_win32.h"
#include "platform/WicPictures_win32.h"
#include "platform/WindowsApi.h"
#include "platform/XmlLiteWriter.h"
#include "registry/SystemRegistry.h"
#include "testing/FakeFaultyRegistry.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeProgramData.h"
#include "testing/FakeWindowsDirectory.h"
#include "testing/ScratchLock.h"
#include "testing/ScratchRegistry.h"
#include "testing/TempDir.h"
#include "testing/TextTable.h"

#include <wincodec.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::cli::testing {
namespace {

constexpr const char* kOemKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";
constexpr const char* kOemInformationKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";

struct ProgramRun {
    DWORD status = 0;
    std::string out;
    std::string err;
};

std::filesystem::path Beside(const wchar_t* name)
{
    std::wstring own(32768, L'\0');
    own.resize(GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size())));
    return std::filesystem::path(own).parent_path() / name;
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The command line as CommandLineToArgvW splits it back: each argument quoted, quotes and the
// backslashes before them escaped.
std::wstring Quoted(const std::wstring& argument)
{
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

// Runs pelmora-cli.exe with its output and errors redirected to files, as a script would.
ProgramRun RunProgram(const std::vector<std::wstring>& args, const pelmora::testing::TempDir& temp)
{
    std::wstring line = Quoted(Beside(L"pelmora-cli.exe").wstring());
    for (const std::wstring& arg : args)
        line += L" " + Quoted(arg);
    // Files of their own for every run: an ended child's handles may close a moment after it ends.
    static int runs = 0;
    ++runs;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const std::filesystem::path outPath = temp.Path() / ("out" + std::to_string(runs) + ".txt");
    const std::filesystem::path errPath = temp.Path() / ("err" + std::to_string(runs) + ".txt");
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, share, &inherit, CREATE_NEW, 0, nullptr);
    HANDLE err = CreateFileW(errPath.c_str(), GENERIC_WRITE, share, &inherit, CREATE_NEW, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ProgramRun run;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        run.status = 0xFFFFFFFF;
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadAll(outPath);
    run.err = ReadAll(errPath);
    return run;
}

// A value under HKLM as the system returns it, ANSI bytes; nullopt when there is none.
std::optional<std::string> MachineValue(const char* key, const char* name)
{
    HKEY open = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &open) != ERROR_SUCCESS)
        return std::nullopt;
    char data[4096] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(open, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(open);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    return std::string(data, size > 0 && data[size - 1] == '\0' ? size - 1 : size);
}

// The same through the wide call, as UTF-16.
std::optional<std::wstring> MachineText(const char* key, const wchar_t* name)
{
    HKEY open = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ToUtf16(key).c_str(), 0, KEY_QUERY_VALUE, &open) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t data[2048] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG result = RegQueryValueExW(open, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(open);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    std::wstring text(data, size / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

std::string Ansi(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

// A 5 x 3 PNG made by the system's own encoder.
bool WritePng(const std::filesystem::path& path)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    std::vector<std::uint32_t> pixels(15, 0xFF3366CCu);
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const bool written =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(5, 3)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
        format == GUID_WICPixelFormat32bppBGRA &&
        SUCCEEDED(frame->WritePixels(3, 20, 60, reinterpret_cast<BYTE*>(pixels.data()))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory})
        if (object != nullptr)
            object->Release();
    CoUninitialize();
    return written;
}

class CliProgram : public ::testing::Test {
protected:
    CliProgram()
    {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        m_System = std::filesystem::path(windows) / "System";
        m_System32 = std::filesystem::path(windows) / "System32";
        std::filesystem::create_directories(m_System);  // Windows has it; a fresh Wine prefix does not
        Clean();
    }
    ~CliProgram() override { Clean(); }

    void Clean()
    {
        for (const char* name : {"oemlogo.bmp", "oeminfo.ini"}) {
            SetFileAttributesW((m_System / name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((m_System / name).c_str());
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Pelmora");
        // What current Windows reads, and the factory backup kept before the first change.
        DeleteFileW((m_System32 / "oemlogo.bmp").c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kOemInformationKey);
        wchar_t programData[MAX_PATH] = {};
        if (GetEnvironmentVariableW(L"ProgramData", programData, MAX_PATH) > 0) {
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::path(programData) / "Pelmora", ignored);
        }
    }

    ProgramRun Cli(const std::vector<std::wstring>& args) { return RunProgram(args, m_Temp); }
    std::string SystemFile(const char* name) const { return ReadAll(m_System / name); }
    bool SystemFileExists(const char* name) const { return std::filesystem::exists(m_System / name); }

    pelmora::testing::TempDir m_Temp;
    std::filesystem::path m_System;
    std::filesystem::path m_System32;
};

TEST_F(CliProgram, AppliesShowsAndRemovesOnTheSystemsRegistryAndWindowsDirectory)
{
    const ProgramRun oem = Cli({L"apply-oem", L"--manufacturer", L"Quillon Works", L"--model", L"QW 7"});
    ASSERT_EQ(oem.status, 0u) << oem.err;
    EXPECT_EQ(SystemFile("oeminfo.ini"), "[GENERAL]\r\nMANUFACTURER=Quillon Works\r\nMODEL=QW 7\r\n\r\n");
    EXPECT_EQ(MachineValue(kOemKey, "Manufacture"), "Quillon Works");
    EXPECT_EQ(MachineValue(kOemKey, "Model"), "QW 7");
    EXPECT_EQ(MachineValue(kOemInformationKey, "Manufacturer"), "Quillon Works");
    EXPECT_EQ(MachineValue(kOemInformationKey, "Model"), "QW 7");

    const ProgramRun support = Cli({L"apply-support", L"--web", L"https://quillon.example", L"--telephone", L"+1 555 0100"});
    ASSERT_EQ(support.status, 0u) << support.err;
    const std::string ini = SystemFile("oeminfo.ini");
    EXPECT_EQ(ini.rfind("[GENERAL]\r\nMANUFACTURER=Quillon Works\r\nMODEL=QW 7\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("[SUPPORT INFORMATION]\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("https://quillon.example"), std::string::npos) << ini;
    EXPECT_NE(ini.find("+1 555 0100"), std::string::npos) << ini;
    EXPECT_EQ(MachineValue(kOemKey, "web addres"), "https://quillon.example");
    EXPECT_EQ(MachineValue(kOemInformationKey, "SupportURL"), "https://quillon.example");
    EXPECT_EQ(MachineValue(kOemInformationKey, "SupportPhone"), "+1 555 0100");

    const std::filesystem::path png = m_Temp.Path() / "logo.png";
    ASSERT_TRUE(WritePng(png));
    const ProgramRun logo = Cli({L"apply-logo", png.wstring()});
    ASSERT_EQ(logo.status, 0u) << logo.err;
    const std::string bmp = SystemFile("oemlogo.bmp");
    ASSERT_GT(bmp.size(), 26u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[18]), 5u) << "at the picture's own width";
    EXPECT_EQ(static_cast<unsigned char>(bmp[22]), 3u) << "and height";
    std::string stored = Ansi(png.wstring());
    CharUpperBuffA(stored.data(), static_cast<DWORD>(stored.size()));
    EXPECT_EQ(MachineValue("SOFTWARE\\Pelmora\\Corvexa\\read", ""), stored) << "the path as the box shows it";
    const std::string current = ReadAll(m_System32 / "oemlogo.bmp");
    ASSERT_GT(current.size(), 28u) << "current Windows' logo in System32";
    EXPECT_EQ(current.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(current[28]), 32u) << "in 32-bit colour";
    EXPECT_EQ(static_cast<unsigned char>(current[18]), 5u) << "smaller than the box: its own size";
    const std::string logoValue = MachineValue(kOemInformationKey, "Logo").value_or("");
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, logoValue.c_str(), -1,
                             (m_System32 / "oemlogo.bmp").string().c_str(), -1),
              CSTR_EQUAL)
        << logoValue;

    const ProgramRun shown = Cli({L"show"});
    ASSERT_EQ(shown.status, 0u) << shown.err;
    EXPECT_NE(shown.out.find("\nManufacture=Quillon Works\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\nLogoInstalled=yes\nInfoInstalled=yes\n"), std::string::npos) << shown.out;

    const ProgramRun query = Cli({L"reg", L"query", L"HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM", L"/v", L"Model"});
    ASSERT_EQ(query.status, 0u) << query.err;
    EXPECT_NE(query.out.find("Model"), std::string::npos) << query.out;
    EXPECT_NE(query.out.find("REG_SZ"), std::string::npos) << query.out;
    EXPECT_NE(query.out.find("QW 7"), std::string::npos) << query.out;

    const ProgramRun noLogo = Cli({L"remove-logo"});
    EXPECT_EQ(noLogo.status, 0u) << noLogo.err;
    EXPECT_FALSE(SystemFileExists("oemlogo.bmp"));
    EXPECT_FALSE(std::filesystem::exists(m_System32 / "oemlogo.bmp"));
    EXPECT_EQ(MachineValue(kOemInformationKey, "Logo"), std::nullopt);
    const ProgramRun noOem = Cli({L"remove-oem"});
    EXPECT_EQ(noOem.status, 0u) << noOem.err;
    EXPECT_FALSE(SystemFileExists("oeminfo.ini"));
    EXPECT_EQ(MachineValue(kOemKey, "Manufacture"), "") << "emptied, not deleted";
    EXPECT_EQ(MachineValue(kOemInformationKey, "Manufacturer"), std::nullopt) << "deleted, as Windows reads it";
}

// Arguments arrive as UTF-16 and every place keeps them whole: the registry (read back by the
// system's wide call), oeminfo.ini (read back by the system's profile function: ANSI bytes when
// the code page holds the text, else UTF-16LE with a mark), show and reg query (UTF-8 output).
TEST_F(CliProgram, TextOfAnyScriptRoundTrips)
{
    for (const auto& row : pelmora::testing::TextTable()) {
        SCOPED_TRACE(row.what);
        const std::wstring text = ToUtf16(row.text);
        const ProgramRun applied = Cli({L"apply-oem", L"--manufacturer", text, L"--model", L"QW 7"});
        ASSERT_EQ(applied.status, 0u) << applied.err;
        EXPECT_EQ(MachineText(kOemKey, L"Manufacture"), text);
        EXPECT_EQ(MachineText(kOemInformationKey, L"Manufacturer"), text);
        const std::string bytes = SystemFile("oeminfo.ini");
        const bool ansi = GetACP() == 1252 ? row.western : !bytes.starts_with("\xff\xfe");
        EXPECT_EQ(bytes, ansi ? "[GENERAL]\r\nMANUFACTURER=" + Ansi(text) + "\r\nMODEL=QW 7\r\n\r\n" : bytes);
        EXPECT_EQ(bytes.starts_with("\xff\xfe"), !ansi);
        wchar_t read[256] = {};
        GetPrivateProfileStringW(L"GENERAL", L"MANUFACTURER", L"", read, 256, (m_System / "oeminfo.ini").c_str());
        EXPECT_EQ(std::wstring(read), text);

        const ProgramRun shown = Cli({L"show"});
        EXPECT_NE(shown.out.find("\nManufacture=" + row.text + "\n"), std::string::npos) << shown.out;
        const ProgramRun query =
            Cli({L"reg", L"query", L"HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM", L"/v", L"Manufacture"});
        EXPECT_NE(query.out.find(row.text), std::string::npos) << query.out;
    }
}

// A picture whose name the ANSI code page cannot hold is loaded, installed and remembered whole.
TEST_F(CliProgram, APictureNamedInAnyScriptIsInstalled)
{
    const std::filesystem::path png = m_Temp.Path() / L"\u30ed\u30b4.png";
    ASSERT_TRUE(WritePng(png));
    const ProgramRun logo = Cli({L"apply-logo", png.wstring()});
    ASSERT_EQ(logo.status, 0u) << logo.err;
    EXPECT_TRUE(SystemFileExists("oemlogo.bmp"));
    const std::wstring stored = MachineText("SOFTWARE\\Pelmora\\Corvexa\\read", L"").value_or(L"");
    EXPECT_NE(stored.find(L"\\\u30ed\u30b4.PNG"), std::wstring::npos) << "whole, upper-cased where the code page can";
}

TEST_F(CliProgram, UsageAndVersionWithoutTouchingAnything)
{
    const ProgramRun version = Cli({L"--version"});
    EXPECT_EQ(version.status, 0u);
    EXPECT_EQ(version.out, std::string("pelmora-cli ") + PELMORA_VERSION + "\n");
    const ProgramRun wrong = Cli({L"apply-oem", L"--colour", L"red"});
    EXPECT_EQ(wrong.status, 2u);
    EXPECT_NE(wrong.err.find("pelmora-cli --help"), std::string::npos) << wrong.err << wrong.out;
    EXPECT_FALSE(SystemFileExists("oeminfo.ini"));
}

// A profile exported from a machine branded by hand brands a fresh one alike through the exe;
// a second apply writes nothing, and a check names the one field changed since.
TEST_F(CliProgram, AProfileRoundTripsThroughTheProgram)
{
    const std::filesystem::path png = m_Temp.Path() / "logo.png";
    ASSERT_TRUE(WritePng(png));
    ASSERT_EQ(Cli({L"apply-oem", L"--manufacturer", L"Quillon Works", L"--model", L"QW 7"}).status, 0u);
    ASSERT_EQ(Cli({L"apply-support", L"--web", L"https://quillon.example", L"--fax", L"+1 555 0199"}).status, 0u);
    ASSERT_EQ(Cli({L"apply-logo", png.wstring()}).status, 0u);
    const std::wstring profile = (m_Temp.Path() / "deploy" / "brand.json").wstring();
    std::filesystem::create_directories(m_Temp.Path() / "deploy");
    const ProgramRun exported = Cli({L"export-profile", profile});
    ASSERT_EQ(exported.status, 0u) << exported.err;
    const std::string ini = SystemFile("oeminfo.ini");
    const std::string logo = SystemFile("oemlogo.bmp");
    const std::string current = ReadAll(m_System32 / "oemlogo.bmp");

    Clean();
    const ProgramRun applied = Cli({L"apply-profile", profile});
    ASSERT_EQ(applied.status, 0u) << applied.out << applied.err;
    EXPECT_EQ(SystemFile("oeminfo.ini"), ini);
    EXPECT_EQ(SystemFile("oemlogo.bmp"), logo);
    EXPECT_EQ(ReadAll(m_System32 / "oemlogo.bmp"), current);
    EXPECT_EQ(MachineValue(kOemInformationKey, "SupportURL"), "https://quillon.example");
    const ProgramRun again = Cli({L"apply-profile", profile});
    EXPECT_EQ(again.status, 0u) << again.err;
    EXPECT_EQ(again.out, "The machine already matches the profile; nothing was changed.\n");
    EXPECT_EQ(Cli({L"check-profile", profile}).status, 0u);

    ASSERT_EQ(Cli({L"apply-support", L"--web", L"https://quillon.example", L"--fax", L"0"}).status, 0u);
    const ProgramRun checked = Cli({L"check-profile", profile});
    EXPECT_EQ(checked.status, 1u) << checked.err;
    EXPECT_EQ(checked.out.rfind("fax: ", 0), 0u) << checked.out;
    EXPECT_EQ(checked.out.find("\nweb: "), std::string::npos) << checked.out;
}

// A command killed midway leaves its journal in ProgramData: the next run of any command puts
// its files back when its values had not been stored, and keeps them when they had, saying
// which in one line.
TEST_F(CliProgram, TheNextRunSettlesACommandKilledMidway)
{
    ASSERT_EQ(Cli({L"apply-oem", L"--manufacturer", L"Quillon Works", L"--model", L"QW 7"}).status, 0u);
    const std::string ini = SystemFile("oeminfo.ini");
    wchar_t programData[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"ProgramData", programData, MAX_PATH), 0u);
    const std::string journalPath = (std::filesystem::path(programData) / "Pelmora" / "command-journal").string();
    const auto registry = MakeSystemRegistry();
    LocalFiles files;
    CommandJournal journal{"pelmora-cli", {{(m_System / "oeminfo.ini").string(), ini}}, {}, std::nullopt};
    ASSERT_TRUE(TakeSnapshot(*registry, BrandingTrees(), journal.before));

    // Killed after replacing oeminfo.ini, before its values.
    std::ofstream(m_System / "oeminfo.ini", std::ios::binary) << "[GENERAL]\r\nMANUFACTURER=Half\r\n";
    ASSERT_TRUE(WriteJournalFile(files, journalPath, journal));
    const ProgramRun undone = Cli({L"show"});
    EXPECT_EQ(undone.status, 0u);
    EXPECT_NE(undone.err.find("what it had changed was put back"), std::string::npos) << undone.err;
    EXPECT_EQ(SystemFile("oeminfo.ini"), ini);
    EXPECT_FALSE(std::filesystem::exists(journalPath));

    // Killed once its values were stored: the files it wrote stand.
    ASSERT_EQ(Cli({L"apply-oem", L"--manufacturer", L"Later", L"--model", L"QW 8"}).status, 0u);
    journal.after.emplace();
    ASSERT_TRUE(TakeSnapshot(*registry, BrandingTrees(), *journal.after));
    const std::string later = SystemFile("oeminfo.ini");
    ASSERT_TRUE(WriteJournalFile(files, journalPath, journal));
    const ProgramRun completed = Cli({L"show"});
    EXPECT_EQ(completed.status, 0u) << completed.err;
    EXPECT_NE(completed.err.find("it was completed"), std::string::npos) << completed.err;
    EXPECT_EQ(SystemFile("oeminfo.ini"), later);
    EXPECT_EQ(MachineValue(kOemKey, "Manufacture"), "Later");
    EXPECT_FALSE(std::filesystem::exists(journalPath));
}

// A refused write ends the command with one line and status 1, at the first refusal.
TEST(CliAccessDenied, ARefusedRegistryWriteEndsTheCommandWithOneLine)
{
    const auto scratch = pelmora::testing::MakeScratchRegistry();
    pelmora::testing::FaultyRegistry registry(*scratch);
    registry.FailWritesOf("Manufacture");
    pelmora::testing::TempDir temp;
    std::filesystem::create_directories(temp.Path() / "System");
    LocalFiles files;
    WicPictures pictures;
    pelmora::testing::FakeWindowsDirectory windows(temp.Path().string());
    pelmora::testing::FakeProcesses processes;
    pelmora::testing::FakeProgramData programData((temp.Path() / "ProgramData").string());
    NamedLock lock(pelmora::testing::ScratchLockName(temp), pelmora::testing::kScratchLockWait);
    AppServices services{registry, files, pictures, windows, processes, programData, "pelmora-cli", lock};
    AccessGuardedServices guarded(services);
    XmlLiteWriter xml;

    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli({"apply-oem", "--manufacturer", "Q", "--model", "M"}, out, err, guarded.Services(), xml);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(), "pelmora-cli: access denied writing HKEY_LOCAL_MACHINE\\" + std::string(kOemKey) +
                             ": run it as an administrator (from an elevated prompt)\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(std::filesystem::exists(temp.Path() / "System" / "oeminfo.ini")) << "nothing after the refusal";
}

}  // namespace
}  // namespace pelmora::cli::testing
