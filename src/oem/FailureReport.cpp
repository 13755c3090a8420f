#include "oem/FailureReport.h"

namespace pelmora {

void ShowStop(DialogPort& dialogs, const std::string& text)
{
    dialogs.ShowMessage(text, kStopTitle, MessageStyle::Stop);
}

std::string Why(std::string error)
{
    while (!error.empty() && (error.back() == '\n' || error.back() == '\r' || error.back() == ' ' || error.back() == '.'))
        error.pop_back();
    return error.empty() ? "unknown error" : error;
}

void FailureReport::Check(const Status& status, const std::string& what)
{
    if (!status)
        m_Lines.push_back(what + ": " + Why(status) + ".");
}

std::string FailureReport::Text(const std::string& heading) const
{
    std::string text = heading;
    for (const std::string& line : m_Lines)
        text += "\n" + line;
    return text;
}

}  // namespace pelmora
