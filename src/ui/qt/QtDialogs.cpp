#include "QtDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace pelmora::qt {

namespace {

QMessageBox::Icon IconOf(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Stop: return QMessageBox::Critical;
    case MessageStyle::Exclamation: return QMessageBox::Warning;
    case MessageStyle::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString ToQtFilter(const std::string& filter)
{
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return entries.join(";;");
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& title, MessageStyle style)
{
    QMessageBox box(IconOf(style), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    m_Window);
    box.setTextFormat(Qt::PlainText);
    // No window of the program takes input while a box is open: Exit in another window would
    // otherwise end the program under a command that waits on its box.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, m_Window);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

std::string QtDialogs::AskOpenFile(const OpenFileRequest& request)
{
    QFileDialog dialog(m_Window, QString::fromStdString(request.title));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name is taken, also one of a file that does not exist; the command finds out. Qt's
    // dialogs have no read-only box, so the flag that hides it (4) needs nothing here.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQtFilter(request.filter));
    if (!request.fileName.empty()) {
        QFileInfo start(QString::fromStdString(request.fileName));
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace pelmora::qt
