#include "CliTestBed.h"
#include "branding/BrandingFields.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace pelmora::cli::testing {
namespace {

// What Tab offers after `words`, from the completion script as installed.
std::string Completed(const std::string& words)
{
    const std::string line = "bash -c 'source \"$0\"; COMP_WORDS=(" + words +
                             " \"--\"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _pelmora_cli; echo \"${COMPREPLY[*]}\"' " +
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
            if (window != FieldWindow::Main)
                EXPECT_NE(help.find("[--" + std::string(field.option) + " T]"), std::string::npos) << field.option;
            EXPECT_NE(help.find(field.profileKey), std::string::npos) << field.profileKey;
        }
        EXPECT_EQ(Completed(std::string("pelmora-cli ") + command), options) << command;
    }
}

}  // namespace
}  // namespace pelmora::cli::testing
