#pragma once

#include "Win32BaseWindow.h"
#include "Win32Pixels.h"
#include "designs/WindowDesign.h"
#include "platform/ViewPort.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::win32 {

class CommandButton;
class PictureBox;

// A top-level window built from its design: caption, client size in twips at the window's DPI,
// border, back colour and picture, every control in tab order with its design font, menus whose
// shortcuts work from anywhere in the window. It decides nothing: buttons and menu items only
// announce their design names. The window's table holds each control's name, id and window; a
// hidden label, text box or picture has no window, only its text.
class DesignedWindow final : public BaseWindow<DesignedWindow>, public ViewPort {
public:
    static constexpr const wchar_t* kClassName = L"PelmoraDesignedWindow";

    using CommandHandler = std::function<void(std::string_view controlName)>;

    // Creates the window hidden. `owner` keeps a window off the taskbar (null: none).
    DesignedWindow(const designs::WindowDesign& design, HWND owner);
    ~DesignedWindow() override;

    void OnCommand(CommandHandler handler) { m_OnCommand = std::move(handler); }
    void OnDestroyed(std::function<void()> handler) { m_OnDestroyed = std::move(handler); }

    // ViewPort
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetPicture(std::string_view control, std::shared_ptr<const Picture> picture) override;
    void Unload() override;

    // Shows the window where its design places it; a shown one comes to the front instead.
    void ShowPlaced();
    // False from the moment the window is being destroyed.
    bool IsOpen() const { return Window() != nullptr && !m_Destroying; }

    // The design name of a designed window or of a control in one; empty for any other window.
    static std::string NameOf(HWND window);
    HWND Control(std::string_view name) const;  // null for a hidden label, text box or picture
    int ControlId(std::string_view name) const;  // controls and menu items; 0 for none
    PictureBox* PictureOf(std::string_view name) const;
    CommandButton* ButtonOf(std::string_view name) const;
    // Alt with `typed` pressed anywhere in the window: the first shown, enabled button whose
    // access key it is clicks. False when none does.
    bool PressAccessKey(wchar_t typed);
    HACCEL Accelerators() const { return m_Accelerators; }
    UINT Dpi() const { return m_Dpi; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Entry;

    void BuildMenus();
    void BuildControls();
    SIZE ClientSize() const;
    void FitFrame();
    void ApplyDpi(UINT dpi);
    void ComposeBackdrop();
    void ShowDesignPictures();
    RECT DesignedPlace(const designs::ControlDesign& design, const RECT& current) const;
    void PlaceControls();
    void FitAutoSize(const Entry& entry);
    HFONT FontFor(const designs::ControlDesign& control);
    const Entry* Find(std::string_view name) const;
    Entry* Find(std::string_view name);
    const Entry* EntryOfWindow(HWND control) const;
    bool Command(WPARAM wParam, LPARAM lParam);
    // Every button forgets the key that went down last and looks again for the pointer.
    void InputTaken();
    LRESULT ControlColours(HDC dc, HWND control, bool editable);
    void Destroyed();
    // The messages' handlers.
    LRESULT OnEraseBackground(WPARAM wParam);
    LRESULT OnControlColours(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam);
    LRESULT OnEnterMenuLoop(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    designs::WindowDesign m_Design;
    UINT m_Dpi = 96;
    std::vector<Entry> m_Entries;
    HMENU m_Menu = nullptr;
    HACCEL m_Accelerators = nullptr;
    std::vector<std::pair<ButtonFont, HFONT>> m_Fonts;
    PixelBlock m_Backdrop;
    HBRUSH m_BackdropBrush = nullptr;
    HWND m_LastFocus = nullptr;
    bool m_Destroying = false;
    CommandHandler m_OnCommand;
    std::function<void()> m_OnDestroyed;
};

}  // namespace pelmora::win32
