#include "testing/FakeDialogs.h"

namespace pelmora::testing {

void PrintTo(const ShownMessage& message, std::ostream* out)
{
    *out << "{\"" << message.text << "\", \"" << message.title << "\", " << static_cast<int>(message.style) << "}";
}

void FakeDialogs::ShowMessage(const std::string& text, const std::string& title, MessageStyle style)
{
    messages.push_back({text, title, style});
    if (whileShown)
        whileShown(messages.back());
}

std::string FakeDialogs::AskOpenFile(const OpenFileRequest& request)
{
    openFileRequests.push_back(request);
    if (m_OpenFileAnswers.empty())
        return "";
    std::string answer = std::move(m_OpenFileAnswers.front());
    m_OpenFileAnswers.pop_front();
    return answer;
}

bool FakeDialogs::AskYesNo(const std::string& text, const std::string&)
{
    questions.push_back(text);
    if (m_YesNoAnswers.empty())
        return false;
    const bool yes = m_YesNoAnswers.front();
    m_YesNoAnswers.pop_front();
    return yes;
}

}  // namespace pelmora::testing
