#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

namespace pelmora::qt::testing {

struct AnsweredMessage {
    std::string title;
    std::string text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every message box that opens while it lives, with its OK button, noting each.
// The boxes are the real ones of the Qt dialog port, run in their own modal loop.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer()
    {
        m_Timer.setInterval(5);
        QObject::connect(&m_Timer, &QTimer::timeout, [this] { AnswerOpenBoxes(); });
        m_Timer.start();
    }

    const std::vector<AnsweredMessage>& Answered() const { return m_Answered; }

private:
    void AnswerOpenBoxes()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            m_Answered.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon()});
            box->button(QMessageBox::Ok)->click();
        }
    }

    QTimer m_Timer;
    std::vector<AnsweredMessage> m_Answered;
};

// Answers the next open-file dialog with a file name (or cancels it when the name is empty),
// noting what the dialog offered.
class FileDialogAnswerer {
public:
    explicit FileDialogAnswerer(QString answer) : m_Answer(std::move(answer))
    {
        m_Timer.setInterval(5);
        QObject::connect(&m_Timer, &QTimer::timeout, [this] { AnswerOpenDialog(); });
        m_Timer.start();
    }

    QString title;
    QStringList filters;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    QStringList startedWith;
    int answered = 0;

private:
    void AnswerOpenDialog()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            fileMode = dialog->fileMode();
            startedWith = dialog->selectedFiles();
            ++answered;
            if (m_Answer.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(m_Answer);
                QMetaObject::invokeMethod(dialog, "accept");  // a protected slot
            }
        }
    }

    QString m_Answer;
    QTimer m_Timer;
};

}  // namespace pelmora::qt::testing
