#pragma once

#include "platform/DialogPort.h"
#include "platform/Status.h"

#include <string>
#include <vector>

namespace pelmora {

// Every message a command adds beyond its own texts is a stop message under this title.
inline constexpr const char* kStopTitle = "Pelmora";

// A command's registry changes are saved together at its end (see RegistryChanges); when that
// fails, none of them is.

void ShowStop(DialogPort& dialogs, const std::string& text);

// The system's error text without the line break or full stop some platforms end it with.
std::string Why(std::string error);
inline std::string Why(const Status& status) { return Why(status.error); }

// Collects what a command could not save, so one stop message can replace its success message.
class FailureReport {
public:
    // Notes `what` (e.g. "the value Model was not stored") when `status` failed.
    void Check(const Status& status, const std::string& what);

    // Adds a line as it is, after the failures (what became of the command's other changes).
    void Conclude(const std::string& line) { m_Lines.push_back(line); }

    bool Empty() const { return m_Lines.empty(); }

    // The heading, then one line per failure with the system's reason.
    std::string Text(const std::string& heading) const;

private:
    std::vector<std::string> m_Lines;
};

}  // namespace pelmora
