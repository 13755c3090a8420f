#pragma once

#include "platform/DialogPort.h"

#include <ostream>
#include <string>

namespace pelmora::cli {

// Message boxes as console lines: a stop message goes to stderr, an information or exclamation
// message to stdout. The open-file dialog answers with the file named on the command line.
class ConsoleDialogs : public DialogPort {
public:
    ConsoleDialogs(std::ostream& out, std::ostream& err) : m_Out(out), m_Err(err) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageStyle style) override;
    // Nobody answers a console: the question goes to stderr with No, which keeps what is stored.
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string AskOpenFile(const OpenFileRequest& request) override;

    void SetFileToOpen(std::string path) { m_FileToOpen = std::move(path); }

    // True once a command was refused or failed; the status is then 1.
    bool Refused() const { return m_Refused; }
    int ExitStatus() const { return m_Refused ? 1 : 0; }

private:
    std::ostream& m_Out;
    std::ostream& m_Err;
    std::string m_FileToOpen;
    bool m_Refused = false;
};

}  // namespace pelmora::cli
