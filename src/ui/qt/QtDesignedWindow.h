#pragma once

#include "designs/WindowDesign.h"
#include "platform/ViewPort.h"

#include <QImage>
#include <QWidget>

#include <map>
#include <string>

class QAction;
class QMenuBar;

namespace pelmora::qt {

// The area below the menu bar: the design's client size, its back colour and picture.
class ClientArea final : public QWidget {
public:
    ClientArea(const designs::WindowDesign& design, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_Back;
    QImage m_Picture;
    bool m_Tiled = false;
};

// A window built from its design: every control with its design name as object name, menus
// whose shortcuts work anywhere in the window. It decides nothing: buttons and menu items
// only announce their names through CommandRequested. Deletes itself when closed.
class DesignedWindow : public QWidget, public ViewPort {
    Q_OBJECT

public:
    explicit DesignedWindow(const designs::WindowDesign& design);

    // ViewPort
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetPicture(std::string_view control, std::shared_ptr<const Picture> picture) override;
    void Unload() override;

    QWidget* Control(std::string_view name) const;  // null for a hidden label, text box or picture
    QAction* MenuItem(std::string_view name) const;
    QWidget* Client() const { return m_Client; }
    const designs::WindowDesign& Design() const { return m_Design; }

    // Shows the window where its design places it; a shown window comes to the front instead.
    void ShowPlaced();

    // False once the window has been closed: it is only waiting to be deleted.
    bool IsOpen() const { return !m_Closed; }
    // Takes the window away without a close event; it is deleted soon after.
    void Discard();

signals:
    void CommandRequested(const QString& controlName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus(QMenuBar& bar);
    void BuildControls();
    void ApplyWindowKind();
    bool IsMenuShortcut(const QKeyEvent& key) const;
    void MoveToScreenCentre(const QSize& outerSize);

    designs::WindowDesign m_Design;
    ClientArea* m_Client = nullptr;
    std::map<std::string, QWidget*, std::less<>> m_Controls;
    std::map<std::string, std::string, std::less<>> m_HeldTexts;  // hidden labels' and text boxes' texts
    std::map<std::string, QAction*, std::less<>> m_MenuItems;
    bool m_Closed = false;
};

}  // namespace pelmora::qt
