#include "oem/OemInfoWriter.h"

#include "oem/OemInfoLayout.h"
#include "testing/FakeMachine.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

using testing::FakeMachine;

SupportInfo Info(std::string manufacturer, std::string model)
{
    SupportInfo info;
    info.Manufacturer = std::move(manufacturer);
    info.Model = std::move(model);
    return info;
}

class OemInfoWriter : public ::testing::Test {
protected:
    FakeMachine machine;
    const std::string path = machine.InfoPath();
};

TEST_F(OemInfoWriter, EachWriterReplacesTheWholeFile)
{
    machine.PutFile(path, std::string(5000, 'z'));
    ASSERT_TRUE(WriteFullLayout(machine.files, path, Info("A", "B"), 1252));
    EXPECT_EQ(machine.FileBytes(path), FullLayoutBytes(Info("A", "B"), 1252));
    EXPECT_EQ(machine.FileBytes(path)->size(), 539u);

    ASSERT_TRUE(WriteShortLayout(machine.files, path, "A", "B", 1252));
    EXPECT_EQ(machine.FileBytes(path), "[GENERAL]\r\nMANUFACTURER=A\r\nMODEL=B\r\n\r\n");

    ASSERT_TRUE(WriteShortLayout(machine.files, path, "A", "B", 1252));
    EXPECT_EQ(machine.FileBytes(path), "[GENERAL]\r\nMANUFACTURER=A\r\nMODEL=B\r\n\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left beside it";
}

TEST_F(OemInfoWriter, AFailedWriteLeavesTheOldBytes)
{
    machine.PutFile(path, "old bytes");
    machine.files.FailWrites(path, "Access is denied.");
    const Status full = WriteFullLayout(machine.files, path, Info("A", "B"), 1252);
    const Status brief = WriteShortLayout(machine.files, path, "A", "B", 1252);
    EXPECT_FALSE(full);
    EXPECT_FALSE(brief);
    EXPECT_EQ(brief.error, "Access is denied.");
    EXPECT_EQ(machine.FileBytes(path), "old bytes");
}

TEST_F(OemInfoWriter, ALineBreakIsRefusedBeforeTheFileIsTouched)
{
    machine.PutFile(path, "old bytes");
    SupportInfo info = Info("A", "B");
    info.Fax = "1\r\n[GENERAL]";
    const Status full = WriteFullLayout(machine.files, path, info, 1252);
    const Status brief = WriteShortLayout(machine.files, path, "A\n", "B", 1252);
    EXPECT_FALSE(full);
    EXPECT_NE(full.error.find("Fax"), std::string::npos) << full.error;
    EXPECT_NE(brief.error.find("Manufacturer"), std::string::npos) << brief.error;
    EXPECT_EQ(machine.files.writes, 0);
    EXPECT_EQ(machine.FileBytes(path), "old bytes");
}

}  // namespace
}  // namespace pelmora
