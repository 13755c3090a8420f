#include "ConsoleDialogs.h"

namespace pelmora::cli {

namespace {

// The warning before the OEM information is removed carries the stop icon but refuses nothing:
// the removal goes on after it, so it must not turn the run into a failure.
constexpr const char* kRemovalWarning = "this will remove all Oem informations";

}  // namespace

void ConsoleDialogs::ShowMessage(const std::string& text, const std::string&, MessageStyle style)
{
    if (style != MessageStyle::Stop) {
        m_Out << text << '\n' << std::flush;  // keeps the order of both streams in one log
        return;
    }
    m_Err << text << '\n';
    if (text != kRemovalWarning)
        m_Refused = true;
}

bool ConsoleDialogs::AskYesNo(const std::string& text, const std::string&)
{
    m_Err << text << " No.\n";
    return false;
}

std::string ConsoleDialogs::AskOpenFile(const OpenFileRequest&)
{
    return m_FileToOpen;
}

}  // namespace pelmora::cli
