#include "Usage.h"

#include "CommandTable.h"
#include "branding/BrandingFields.h"

#include <string>

namespace pelmora::cli {

namespace {

struct Section {
    CommandSection id;
    const char* heading;
    std::size_t column;  // where the commands' texts start
};

constexpr Section kSections[] = {
    {CommandSection::Windows,
     "The commands are the buttons of the program's windows, run on the same store and files:\n", 17},
    {CommandSection::Deployment,
     "Current Windows shows the branding from HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\\n"
     "OEMInformation and a 32-bit System32\\oemlogo.bmp, which the commands above write too. For\n"
     "deployment and for going back:\n",
     19},
    {CommandSection::Profiles,
     "For many machines, a profile: a JSON file with the fields under their option names\n"
     "(@keys@), each left out meaning none, and\n"
     "logo (a picture, relative to the profile's folder; null for none):\n",
     18},
};

constexpr const char* kClosing = R"(Options may also be given as --name=value; "--" ends the options.

Exit status: 0 done, 1 refused or failed (the message is on stderr), 2 usage error or, for
the profile commands, a profile with a problem (each is listed; nothing is changed).
Off Windows the store is $PELMORA_REGISTRY and the Windows directory --windows-dir or
$PELMORA_WINDOWS_DIR.
)";

// Usage lines wrap before this column, the rest under the first option.
constexpr std::size_t kLineWidth = 94;

std::string OptionText(const OptionSpec& option)
{
    std::string text = "--" + std::string(option.name);
    if (option.TakesValue())
        text += " " + std::string(option.valueName);
    return option.optional ? "[" + text + "]" : text;
}

// One form of a command: its name, the form's arguments, then its options.
std::string FormLine(const CliCommand& command, std::string_view arguments)
{
    std::string head = "  pelmora-cli " + std::string(command.name);
    if (!arguments.empty())
        head += " " + std::string(arguments);
    std::string text = head;
    std::size_t lineStart = 0;
    for (const OptionSpec& option : command.options) {
        const std::string piece = " " + OptionText(option);
        if (text.size() - lineStart + piece.size() > kLineWidth) {
            lineStart = text.size() + 1;
            text += "\n" + std::string(head.size(), ' ');
        }
        text += piece;
    }
    return text + "\n";
}

std::string FormLines(const CliCommand& command)
{
    std::string lines;
    std::string_view rest = command.arguments;
    do {
        const std::size_t end = rest.find('\n');
        lines += FormLine(command, rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    } while (!rest.empty());
    return lines;
}

std::string GlobalSynopsis()
{
    std::string text = "  pelmora-cli";
    for (const GlobalOption& option : GlobalOptions())
        text += " [--" + std::string(option.name) + " " + std::string(option.valueName) + "]";
    return text + " COMMAND ...\n";
}

const Section& SectionOf(const CliCommand& command)
{
    for (const Section& section : kSections) {
        if (section.id == command.section)
            return section;
    }
    return kSections[0];
}

// The command's name, then its text in the section's column.
std::string SummaryBlock(const CliCommand& command)
{
    const std::size_t column = SectionOf(command).column;
    const std::size_t used = 2 + command.name.size();
    std::string text = "  " + std::string(command.name) + std::string(used + 2 <= column ? column - used : 2, ' ');
    for (const char c : command.summary)
        text += c == '\n' ? "\n" + std::string(column, ' ') : std::string(1, c);
    return text + "\n";
}

std::string KeyList()
{
    std::string keys;
    for (const BrandingField& field : kTextFields)
        keys += (keys.empty() ? "" : ", ") + std::string(field.profileKey);
    return keys;
}

std::string Heading(const Section& section)
{
    std::string text = section.heading;
    const std::string marker = "@keys@";
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), KeyList());
    return text;
}

}  // namespace

void PrintUsage(std::ostream& out)
{
    out << "Usage:\n" << GlobalSynopsis();
    for (const CliCommand& command : CliCommands())
        out << FormLines(command);
    out << "  pelmora-cli --help | --version\n";
    for (const Section& section : kSections) {
        out << '\n' << Heading(section);
        for (const CliCommand& command : CliCommands()) {
            if (command.section == section.id)
                out << SummaryBlock(command);
        }
    }
    for (const GlobalOption& option : GlobalOptions())
        out << '\n' << option.text << '\n';
    out << '\n' << kClosing;
}

void PrintCommandHelp(std::ostream& out, const CliCommand& command)
{
    out << "Usage:\n" << FormLines(command) << '\n' << SummaryBlock(command);
}

void PrintVersion(std::ostream& out) { out << "pelmora-cli " << PELMORA_VERSION << '\n'; }

}  // namespace pelmora::cli
