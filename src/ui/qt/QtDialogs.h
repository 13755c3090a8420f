#pragma once

#include "platform/DialogPort.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace pelmora::qt {

// "Bitmap Only|*.bmp" as Qt writes a filter: "Bitmap Only (*.bmp)"; pairs become ";;" entries.
QString ToQtFilter(const std::string& filter);

// The message boxes and the open-file dialog of one window, each over that window and modal to
// the whole program.
class QtDialogs final : public DialogPort {
public:
    explicit QtDialogs(QWidget* window) : m_Window(window) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageStyle style) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string AskOpenFile(const OpenFileRequest& request) override;

private:
    QPointer<QWidget> m_Window;
};

}  // namespace pelmora::qt
