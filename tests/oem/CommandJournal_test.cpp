#include "oem/CommandJournal.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

CommandJournal Sample()
{
    CommandJournal journal;
    journal.holder = "pelmora-cli";
    // Content that looks like the format itself must not confuse it.
    journal.files = {{"/w/System/oeminfo.ini", std::string("[General]\r\n3:abc\nend 0\n")},
                     {"/w/System32/oemlogo.bmp", std::nullopt},
                     {"/w/System/oemlogo.bmp", std::string("BM\0\0\n", 5)}};
    journal.before = {{RegRoot::LocalMachine, "SOFTWARE\\Pelmora\\Corvexa", true,
                       {{"SOFTWARE\\Pelmora\\Corvexa\\OEM", {{"Model", kRegSz, "M1"}, {"", kRegBinary, "\n\0"}}}}},
                      {RegRoot::LocalMachine, "SOFTWARE\\OEMInformation", false, {}}};
    journal.after = journal.before;
    journal.after->at(0).keys.at(0).values.at(0).data = "M2";
    return journal;
}

TEST(CommandJournal, ReadsBackWhatWasWrittenAndNothingCutShortOrDamaged)
{
    const CommandJournal journal = Sample();
    const std::string bytes = EncodeJournal(journal);
    const std::optional<CommandJournal> read = DecodeJournal(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->holder, journal.holder);
    EXPECT_EQ(read->files, journal.files);
    EXPECT_TRUE(read->before == journal.before);
    EXPECT_TRUE(read->after == journal.after);

    CommandJournal started = journal;
    started.after.reset();
    const std::optional<CommandJournal> begun = DecodeJournal(EncodeJournal(started));
    ASSERT_TRUE(begun);
    EXPECT_FALSE(begun->after);

    // A kill while it was written leaves any prefix of it; a stray write, any byte changed.
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(DecodeJournal(bytes.substr(0, size))) << "cut at " << size;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x01);
        EXPECT_FALSE(DecodeJournal(damaged)) << "damaged at " << at;
    }
    EXPECT_FALSE(DecodeJournal(bytes + "x\n"));
}

}  // namespace
}  // namespace pelmora
