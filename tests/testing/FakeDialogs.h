#pragma once

#include "platform/DialogPort.h"

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageStyle style = MessageStyle::Information;

    bool operator==(const ShownMessage&) const = default;
};

void PrintTo(const ShownMessage& message, std::ostream* out);

// A stop message under the program's title.
inline ShownMessage Stop(std::string text) { return {std::move(text), "Pelmora", MessageStyle::Stop}; }

// Records every message box; answers open-file dialogs from a queue (empty queue: cancelled).
class FakeDialogs : public DialogPort {
public:
    void ShowMessage(const std::string& text, const std::string& title, MessageStyle style) override;
    std::string AskOpenFile(const OpenFileRequest& request) override;

    bool AskYesNo(const std::string& text, const std::string& title) override;

    void AnswerOpenFile(std::string fileName) { m_OpenFileAnswers.push_back(std::move(fileName)); }
    // Answers the next question; an unexpected question is answered No and still recorded.
    void AnswerYesNo(bool yes) { m_YesNoAnswers.push_back(yes); }

    // Runs while a box is open, so a test can see what was done before the user closes it.
    std::function<void(const ShownMessage&)> whileShown;

    std::vector<ShownMessage> messages;
    std::vector<OpenFileRequest> openFileRequests;
    std::vector<std::string> questions;

private:
    std::deque<std::string> m_OpenFileAnswers;
    std::deque<bool> m_YesNoAnswers;
};

}  // namespace pelmora::testing
