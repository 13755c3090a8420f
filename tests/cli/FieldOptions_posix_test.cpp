#include "CliTestBed.h"
#include "CommandTable.h"
#include "branding/BrandingFields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

namespace pelmora::cli::testing {
namespace {

// What Tab offers after `words` for the word `typed`, from the completion script as installed.
std::string Completed(const std::string& words, const std::string& typed = "--")
{
    const std::string line = "bash -c 'source \"$0\"; COMP_WORDS=(" + words + " \"" + typed +
                             "\"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _pelmora_cli; echo \"${COMPREPLY[*]}\"' " +
                             PELMORA_COMPLETION;
    std::string out;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            out += buffer;
        pclose(pipe);
    }
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

// Each command that takes fields offers, completes and explains exactly the table's options of its window.
TEST(CliFieldOptions, CompletionAndHelpFollowTheTableOfFields)
{
    const std::pair<const char*, FieldWindow> commands[] = {
        {"apply-oem", FieldWindow::Main},
        {"apply-support", FieldWindow::SupportEditor},
        {"apply-windows", FieldWindow::CurrentWindows},
    };
    CliTestBed bed;
    const std::string help = bed.Run({"--help"}).out;
    for (const auto& [command, window] : commands) {
        std::string options;
        for (const BrandingField& field : kTextFields) {
            if (field.window != window)
                continue;
            options += (options.empty() ? "--" : " --") + std::string(field.option);
            if (window != FieldWindow::Main) {
                EXPECT_NE(help.find("[--" + std::string(field.option) + " T]"), std::string::npos) << field.option;
            }
            EXPECT_NE(help.find(field.profileKey), std::string::npos) << field.profileKey;
        }
        EXPECT_EQ(Completed(std::string("pelmora-cli ") + command), options) << command;
    }
}

std::set<std::string> Words(const std::string& text)
{
    std::istringstream stream(text);
    std::set<std::string> words;
    for (std::string word; stream >> word;)
        words.insert(word);
    return words;
}

// Tab offers exactly the table's commands and global options, and each command's options; the
// manual page has an entry for each command and names every option.
TEST(CliCommandTable, CompletionAndManualPageNameEveryCommandAndOption)
{
    std::ifstream manFile(PELMORA_MAN_PAGE);
    const std::string man((std::istreambuf_iterator<char>(manFile)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(man.empty());
    std::set<std::string> expected = {"--help", "--version"};
    for (const GlobalOption& option : GlobalOptions()) {
        expected.insert("--" + std::string(option.name));
        EXPECT_NE(man.find("*--" + std::string(option.name) + "*"), std::string::npos) << option.name;
    }
    for (const CliCommand& command : CliCommands()) {
        const std::string name(command.name);
        expected.insert(name);
        EXPECT_NE(man.find("\n*" + name + "*"), std::string::npos) << name;
        const std::set<std::string> offered = Words(Completed("pelmora-cli " + name));
        for (const OptionSpec& option : command.options) {
            const std::string dashed = "--" + std::string(option.name);
            EXPECT_TRUE(offered.contains(dashed)) << name << " " << dashed;
            EXPECT_NE(man.find("*" + dashed + "*"), std::string::npos) << name << " " << dashed;
        }
    }
    EXPECT_EQ(Words(Completed("pelmora-cli", "")), expected);
}

}  // namespace
}  // namespace pelmora::cli::testing
