#pragma once

#include <string>

namespace pelmora {

// Message box styles by the platform's numbers; every box but a question has a single OK button.
enum class MessageStyle { Stop = 16, Exclamation = 48, Information = 64 };

struct OpenFileRequest {
    std::string filter;    // "Description|pattern", e.g. "Bitmap Only|*.bmp"
    std::string title;
    int flags = 0;         // 4 hides the read-only check box
    std::string fileName;  // the name the dialog starts with
};

// The modal dialogs of one window.
class DialogPort {
public:
    virtual ~DialogPort() = default;

    // Returns when the user has closed the box.
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageStyle style) = 0;

    // A question box with Yes and No (the question icon); true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;

    // The chosen file name, or the empty text when the dialog was cancelled.
    virtual std::string AskOpenFile(const OpenFileRequest& request) = 0;
};

}  // namespace pelmora
