#include "branding/RegExport.h"

#include "BrandingTestBed.h"
#include "branding/OemInformation.h"
#include "branding/RegFileFormat.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::BrandingTestBed;

// ASCII and Latin-1 text (UTF-8 in the source) as UTF-16LE, independently of the exporter's own conversion.
std::string Utf16Le(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned code = static_cast<unsigned char>(utf8[i]);
        if (code >= 0xC0)
            code = ((code & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        out += static_cast<char>(code);
        out += '\0';
    }
    return out;
}

TEST(RegFileFormat, EachValueInTheEditorsForm)
{
    const struct {
        const char* what;
        RegValueEntry value;
        std::vector<std::string> lines;
    } cases[] = {
        {"default value", {"", kRegSz, "C:\\PICS\\LOGO.BMP"}, {"@=\"C:\\\\PICS\\\\LOGO.BMP\""}},
        {"quotes and backslashes", {"Manufacturer", kRegSz, "Contoso \"Best\" \\ Ltd"},
         {"\"Manufacturer\"=\"Contoso \\\"Best\\\" \\\\ Ltd\""}},
        {"a name that needs escaping", {"a\"b\\c", kRegSz, "x"}, {"\"a\\\"b\\\\c\"=\"x\""}},
        {"another program's closing NUL", {"Model", kRegSz, std::string("X1\0", 3)}, {"\"Model\"=\"X1\""}},
        {"a character of any script", {"Model", kRegSz, "M\xc3\xbc \xce\xa9"}, {"\"Model\"=\"M\xc3\xbc \xce\xa9\""}},
        {"empty", {"Model", kRegSz, ""}, {"\"Model\"=\"\""}},
        {"a line break", {"S", kRegSz, "a\r\nb"}, {"\"S\"=hex(1):61,00,0d,00,0a,00,62,00"}},
        {"a NUL inside", {"S", kRegSz, std::string("a\0b", 3)}, {"\"S\"=hex(1):61,00,00,00,62,00"}},
        {"a number", {"Run", kRegDword, std::string("\x2a\0\0\x80", 4)}, {"\"Run\"=dword:8000002a"}},
        {"a short number", {"Run", kRegDword, "\x01\x02\x03"}, {"\"Run\"=hex(4):01,02,03"}},
        {"binary", {"B", kRegBinary, "\xde\xad\xbe\xef"}, {"\"B\"=hex:de,ad,be,ef"}},
        {"empty binary", {"B", kRegBinary, ""}, {"\"B\"=hex:"}},
        {"expandable, as UTF-16", {"E", kRegExpandSz, std::string("%W%\xc3\xa9\0", 6)},
         {"\"E\"=hex(2):25,00,57,00,25,00,e9,00,00,00"}},
        {"any other type", {"Q", 11, std::string("\x01\0\0\0\0\0\0\0", 8)}, {"\"Q\"=hex(b):01,00,00,00,00,00,00,00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RegValueLines(c.value), c.lines);
    }
}

TEST(RegFileFormat, LongDataWrapsAsTheEditorWrapsIt)
{
    std::string bytes;
    for (int i = 0; i < 40; ++i)
        bytes += static_cast<char>(i);
    const std::vector<std::string> lines = RegValueLines({"Blob", kRegBinary, bytes});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\");
    EXPECT_EQ(lines[1], "  16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27");
    const std::vector<std::string> longer = RegValueLines({"Blob", kRegBinary, std::string(300, 'x')});
    for (const std::string& line : longer)
        EXPECT_LE(line.size(), 80u);
}

TEST(RegExport, TheFileSetsTheKeyAndTheProgramsOwnValuesInUtf16)
{
    BrandingTestBed bed;
    const std::string maker = "M\xc3\xbcller & \"S\xc3\xb6hne\"";
    WriteOemValues(bed.registry, {{OemValue::Logo, "C:\\Windows\\System32\\oemlogo.bmp"}});
    WriteOemValues(bed.registry, ManufacturerAndModel(maker, "X1"));
    WriteRegString(bed.registry, RegRoot::LocalMachine, kOemKey, "Manufacture", maker);
    WriteRegString(bed.registry, RegRoot::LocalMachine, kOemKey, "web addres", "http://x");
    WriteRegString(bed.registry, RegRoot::LocalMachine, kReadKey, "", "C:\\PICS\\LOGO.BMP");

    const std::string text =
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation]\r\n"
        "\"Logo\"=\"C:\\\\Windows\\\\System32\\\\oemlogo.bmp\"\r\n"
        "\"Manufacturer\"=\"M\xc3\xbcller & \\\"S\xc3\xb6hne\\\"\"\r\n"
        "\"Model\"=\"X1\"\r\n"
        "\"SupportAppURL\"=-\r\n"
        "\"SupportHours\"=-\r\n"
        "\"SupportPhone\"=-\r\n"
        "\"SupportProvider\"=-\r\n"
        "\"SupportURL\"=-\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelmora\\Corvexa]\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelmora\\Corvexa\\OEM]\r\n"
        "\"Manufacture\"=\"M\xc3\xbcller & \\\"S\xc3\xb6hne\\\"\"\r\n"
        "\"web addres\"=\"http://x\"\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelmora\\Corvexa\\read]\r\n"
        "@=\"C:\\\\PICS\\\\LOGO.BMP\"\r\n"
        "\r\n";
    std::string error;
    const auto bytes = RegExportBytes(bed.registry, error);
    ASSERT_TRUE(bytes) << error;
    EXPECT_EQ(*bytes, "\xff\xfe" + Utf16Le(text));
    EXPECT_EQ(bytes->substr(0, 10), std::string("\xff\xfeW\0i\0n\0d\0", 10));

    const std::string path = bed.temp.File("branding.reg");
    ASSERT_TRUE(ExportReg(bed.files, bed.registry, path));
    EXPECT_EQ(bed.FileBytes(path), *bytes);
}

TEST(RegExport, AnEmptyStoreDeletesTheValuesAndLeavesTheProgramKeyOut)
{
    BrandingTestBed bed;
    std::string error;
    const auto bytes = RegExportBytes(bed.registry, error);
    ASSERT_TRUE(bytes) << error;
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation]\r\n"
                             "\"Logo\"=-\r\n\"Manufacturer\"=-\r\n\"Model\"=-\r\n\"SupportAppURL\"=-\r\n"
                             "\"SupportHours\"=-\r\n\"SupportPhone\"=-\r\n\"SupportProvider\"=-\r\n"
                             "\"SupportURL\"=-\r\n\r\n";
    EXPECT_EQ(*bytes, "\xff\xfe" + Utf16Le(text));
}

}  // namespace
}  // namespace pelmora
