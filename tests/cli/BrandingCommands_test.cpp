// The branding as current Windows reads it, end to end: the commands write it (their rules are
// the presenters', tests/app), the exports carry it, restore-factory takes it back.
#include "CliTestBed.h"
#include "branding/OemInformation.h"
#include "registry/RegString.h"
#include "testing/LockHolder.h"
#include "testing/ScratchRegistry.h"

#include <QImage>
#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace pelmora::cli::testing {
namespace {

const std::string kMaker = "Quillon & Söhne <Works>";

// The program's commands on a current Windows: manufacturer, model, support links and a logo.
void Brand(CliTestBed& bed)
{
    QImage logo(400, 300, QImage::Format_RGB32);
    logo.fill(qRgb(20, 90, 160));
    ASSERT_TRUE(logo.save(QString::fromStdString(bed.File("logo.png"))));
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"apply-oem", "--manufacturer", kMaker, "--model", "QW 7"},
             std::vector<std::string>{"apply-support", "--web", "https://example.com/?a=1&b=2", "--telephone", "555"},
             std::vector<std::string>{"apply-logo", bed.File("logo.png")},
             std::vector<std::string>{"apply-windows", "--hours", "9-17", "--app-url", "quillon-help"},
         }) {
        const CliRun run = bed.Run(args);
        ASSERT_EQ(run.status, 0) << args[0] << ": " << run.err;
    }
}

std::string Stored(CliTestBed& bed, const char* name)
{
    return ReadRegString(bed.Registry(), RegRoot::LocalMachine, kOemInformationKey, name, "<none>");
}

// The OEMInformation element's children of an answer file, by name.
std::map<std::string, std::string> AnswerFileValues(const std::string& bytes)
{
    std::map<std::string, std::string> values;
    QXmlStreamReader xml(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    bool inside = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"settings") {
            EXPECT_EQ(xml.attributes().value("pass"), u"specialize");
        }
        if (xml.isStartElement() && xml.name() == u"component") {
            EXPECT_EQ(xml.attributes().value("name"), u"Microsoft-Windows-Shell-Setup");
            EXPECT_EQ(xml.attributes().value("processorArchitecture"), u"amd64");
        }
        if (xml.isStartElement() && xml.name() == u"OEMInformation")
            inside = true;
        else if (xml.isEndElement() && xml.name() == u"OEMInformation")
            inside = false;
        else if (inside && xml.isStartElement())
            values[xml.name().toString().toStdString()] = xml.readElementText().toStdString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return values;
}

TEST(CliBranding, ExportUnattendWritesTheValuesThroughTheXmlWriter)
{
    CliTestBed bed(SystemFolder::Current);
    const std::string path = bed.File("unattend.xml");
    const CliRun empty = bed.Run({"export-unattend", path});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "The answer file was not written to " + path +
                             ": nothing is branded here (no OEMInformation value is set).\n");
    EXPECT_FALSE(std::filesystem::exists(path));

    Brand(bed);
    const CliRun run = bed.Run({"export-unattend", path});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string logo = bed.File("$OEM$/$$/System32/oemlogo.bmp");
    EXPECT_EQ(run.out, "The answer file was written to " + path +
                           ".\nIts logo was written beside it, as a distribution share carries it: " + logo + ".\n");
    EXPECT_EQ(CliTestBed::ReadBytes(logo), CliTestBed::ReadBytes(bed.WindowsDir() + "/System32/oemlogo.bmp"));
    const std::map<std::string, std::string> expected = {
        {"Logo", WindowsSystemRoot(bed.WindowsDir()) + "\\System32\\oemlogo.bmp"},
        {"Manufacturer", kMaker},
        {"Model", "QW 7"},
        {"SupportPhone", "555"},
        {"SupportHours", "9-17"},
        {"SupportAppURL", "quillon-help"},
        {"SupportURL", "https://example.com/?a=1&b=2"},
    };
    EXPECT_EQ(AnswerFileValues(CliTestBed::ReadBytes(path)), expected);
}

TEST(CliBranding, ExportRegWritesARegistryEditorFile)
{
    CliTestBed bed(SystemFolder::Current);
    Brand(bed);
    const std::string path = bed.File("branding.reg");
    const CliRun run = bed.Run({"export-reg", path});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string bytes = CliTestBed::ReadBytes(path);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    const std::string text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data() + 2),
                                                static_cast<qsizetype>(bytes.size() - 2) / 2)
                                 .toStdString();
    for (const std::string& line : {
             std::string("Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation]\r\n"),
             "\r\n\"Manufacturer\"=\"" + kMaker + "\"\r\n",
             "\r\n\"Logo\"=\"" + std::string("C:\\\\Windows\\\\System32\\\\oemlogo.bmp") + "\"\r\n",
             std::string("\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelmora\\Corvexa\\OEM]\r\n"),
             std::string("\r\n\"Manufacture\"=\"") + kMaker + "\"\r\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
}

TEST(CliBranding, AnExportThatCannotBeWrittenFails)
{
    CliTestBed bed(SystemFolder::Current);
    for (const char* command : {"export-unattend", "export-reg"}) {
        const std::string path = bed.File("no such folder/out");
        const CliRun run = bed.Run({command, path});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(" was not written to " + path + ": "), std::string::npos) << run.err;
    }
}

TEST(CliBranding, RestoreFactoryPutsBackWhatWasThereBeforeTheFirstChange)
{
    CliTestBed bed(SystemFolder::Current);
    const CliRun nothing = bed.Run({"restore-factory"});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.out, "");
    EXPECT_NE(nothing.err.find("There is no factory backup at "), std::string::npos) << nothing.err;

    std::ofstream(bed.InfoPath(), std::ios::binary) << "[GENERAL]\r\nMANUFACTURER=Factory\r\n";
    WriteRegString(bed.Registry(), RegRoot::LocalMachine, kOemInformationKey, "Manufacturer", "Factory");
    Brand(bed);
    ASSERT_EQ(bed.Run({"apply-oem", "--manufacturer", "Later", "--model", "L"}).status, 0);

    const CliRun run = bed.Run({"restore-factory"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "The factory branding was put back.\n");
    EXPECT_EQ(CliTestBed::ReadBytes(bed.InfoPath()), "[GENERAL]\r\nMANUFACTURER=Factory\r\n");
    EXPECT_FALSE(std::filesystem::exists(bed.LogoPath())) << "there was no logo before";
    EXPECT_FALSE(std::filesystem::exists(bed.MirrorLogoPath()));
    EXPECT_EQ(Stored(bed, "Manufacturer"), "Factory");
    for (const char* name : {"Model", "SupportURL", "SupportPhone", "Logo"})
        EXPECT_EQ(Stored(bed, name), "<none>") << name;
}

TEST(CliBranding, AnExportOfValuesThatCouldNotBeReadFails)
{
    const std::string locked = "the registry store /x/registry.sqlite3 is locked by another program";
    CliTestBed bed(SystemFolder::Current);
    Brand(bed);
    for (const char* command : {"export-unattend", "export-reg"}) {
        SCOPED_TRACE(command);
        const std::string path = bed.File(std::string(command) + ".out");
        bed.Registry().FailReadsFrom(2, locked);
        const CliRun run = bed.Run({command, path});
        bed.Registry().Heal();
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(" was not written to " + path + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(locked), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST(CliBranding, RestoreFactoryWaitsForTheCommandLockAndPutsBackTheValuesInOneTransaction)
{
    CliTestBed bed(SystemFolder::Current);
    WriteRegString(bed.Registry(), RegRoot::LocalMachine, kOemInformationKey, "Manufacturer", "Factory");
    WriteRegString(bed.Registry(), RegRoot::LocalMachine, kOemInformationKey, "Model", "F1");
    Brand(bed);
    {
        const pelmora::testing::LockHolder other(bed.CommandLockName(), "pelmora");
        ASSERT_TRUE(other.Held());
        const CliRun run = bed.Run({"restore-factory"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind("Nothing was changed: another command is changing the OEM information (", 0), 0u)
            << run.err;
        EXPECT_EQ(Stored(bed, "Manufacturer"), kMaker);
        EXPECT_TRUE(std::filesystem::exists(bed.MirrorLogoPath()));
    }
    if (!pelmora::testing::ScratchRegistryKeepsGroupsWhole())
        return;  // this system's registry has no transactions
    // Ended after the manufacturer was put back, before the model: neither value changes.
    bed.Registry().beforeSet = [](const std::string& name) {
        if (name == "Model")
            throw std::runtime_error("the program ends here");
    };
    const CliRun died = bed.Run({"restore-factory"});
    bed.Registry().beforeSet = nullptr;
    EXPECT_EQ(died.err, "pelmora-cli: the program ends here\n");
    EXPECT_EQ(Stored(bed, "Manufacturer"), kMaker);
    EXPECT_EQ(Stored(bed, "Model"), "QW 7");

    const CliRun run = bed.Run({"restore-factory"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Stored(bed, "Manufacturer"), "Factory");
    EXPECT_EQ(Stored(bed, "Model"), "F1");
}

TEST(CliBranding, RestoreFactoryWithoutAWindowsDirectoryRefuses)
{
    CliTestBed bed(SystemFolder::NoWindowsDirectory);
    const CliRun run = bed.Run({"restore-factory"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "No Windows directory was found, so there is no factory branding to put back.\n");
}

}  // namespace
}  // namespace pelmora::cli::testing
