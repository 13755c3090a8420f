#include "Win32DesignedWindow.h"

#include "Win32Controls.h"
#include "Win32DesignStyle.h"
#include "Win32Dpi.h"
#include "Win32PictureBox.h"
#include "designs/ControlLook.h"
#include "platform/RasterPicture.h"
#include "platform/Utf16_win32.h"

#include <utility>

namespace pelmora::win32 {

namespace {

using designs::BorderStyle;
using designs::ControlDesign;
using designs::ControlKind;
using designs::StartUpPosition;

constexpr int kFirstControlId = 1000;  // clear of IDOK and IDCANCEL, which dialog keys send
constexpr int kFirstMenuId = 2000;

DWORD StyleOf(BorderStyle border)
{
    switch (border) {
    case BorderStyle::None: return WS_POPUP | WS_CLIPCHILDREN;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::Sizable: break;
    }
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

bool IsPicture(const ControlDesign& design)
{
    return design.kind == ControlKind::PictureBox || design.kind == ControlKind::Image;
}

DWORD ExStyleOf(BorderStyle border)
{
    return WS_EX_CONTROLPARENT | (border == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0);
}

}  // namespace

struct DesignedWindow::Entry {
    const ControlDesign* design = nullptr;
    int id = 0;
    HWND window = nullptr;  // null for menu items and hidden controls
    std::string text;       // a hidden control's text, which no window holds
    std::unique_ptr<PictureBox> picture;
    std::unique_ptr<CommandButton> button;
    HBRUSH brush = nullptr;  // the back colour of an opaque label or a text box
};

// Made at its size for the screen's scale with every control at its place, so nothing is
// created twice or moved before the first paint; a window that lands at another scale is fitted
// to it at once.
DesignedWindow::DesignedWindow(const designs::WindowDesign& design, HWND owner) : m_Design(design)
{
    BuildMenus();
    m_Dpi = WindowDpi(nullptr);
    const DWORD style = StyleOf(m_Design.borderStyle);
    const DWORD exStyle = ExStyleOf(m_Design.borderStyle);
    const SIZE outer = OuterSize(ClientSize(), style, exStyle, m_Menu != nullptr, m_Dpi);
    HWND window = CreateAs(exStyle, ToUtf16(m_Design.caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                           outer.cy, owner, m_Menu);
    if (window == nullptr)
        return;
    m_Dpi = WindowDpi(window);
    FitFrame();
    ComposeBackdrop();
    BuildControls();
    ShowDesignPictures();
}

DesignedWindow::~DesignedWindow()
{
    DestroyIfOpen();
    if (m_Accelerators != nullptr)
        DestroyAcceleratorTable(m_Accelerators);
    for (auto& [font, handle] : m_Fonts)
        DeleteObject(handle);
    for (Entry& entry : m_Entries)
        if (entry.brush != nullptr)
            DeleteObject(entry.brush);
    if (m_BackdropBrush != nullptr)
        DeleteObject(m_BackdropBrush);
}

void DesignedWindow::BuildMenus()
{
    std::vector<ACCEL> accelerators;
    int nextId = kFirstMenuId;
    for (const ControlDesign& menu : m_Design.controls) {
        if (menu.kind != ControlKind::Menu)
            continue;
        if (m_Menu == nullptr)
            m_Menu = CreateMenu();
        HMENU popup = CreatePopupMenu();
        for (const ControlDesign& item : menu.children) {
            if (!item.visible)
                continue;
            const int id = nextId++;
            const std::string text = item.shortcut.empty() ? item.text : item.text + "\t" + item.shortcut;
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), ToUtf16(text).c_str());
            ACCEL accelerator;
            if (!item.shortcut.empty() && ShortcutAccelerator(item.shortcut, static_cast<WORD>(id), accelerator))
                accelerators.push_back(accelerator);
            m_Entries.push_back(Entry{&item, id, nullptr, {}, nullptr, nullptr, nullptr});
        }
        AppendMenuW(m_Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), ToUtf16(menu.text).c_str());
    }
    if (!accelerators.empty())
        m_Accelerators = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

void DesignedWindow::BuildControls()
{
    // Created in the design's order, which is the tab order.
    int nextId = kFirstControlId;
    for (const ControlDesign& control : m_Design.controls) {
        if (control.kind == ControlKind::Menu)
            continue;
        const int id = nextId++;
        if (designs::HeldWithoutWindow(control)) {
            m_Entries.push_back(Entry{&control, id, nullptr, control.text, nullptr, nullptr, nullptr});
            continue;
        }
        const ControlSite site{Window(), id, DesignedPlace(control, {}), m_Dpi};
        MadeControl made = MakeControl(control, m_Design, site, m_Backdrop);
        if (made.window == nullptr)
            continue;
        Entry entry{&control, id, made.window, {}, nullptr, nullptr, nullptr};
        entry.picture = std::move(made.picture);
        entry.button = std::move(made.button);
        if (control.kind == ControlKind::TextBox || (control.kind == ControlKind::Label && control.backColor))
            entry.brush = CreateSolidBrush(control.backColor ? ToColorRef(*control.backColor) : GetSysColor(COLOR_WINDOW));
        if (!entry.button)  // a button draws its caption in its own font
            SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
        if (control.autoSize)
            FitAutoSize(entry);
        m_Entries.push_back(std::move(entry));
    }
}

SIZE DesignedWindow::ClientSize() const
{
    return {ScaledPixels(m_Design.clientSize.width, m_Dpi),
            ScaledPixels(m_Design.clientSize.height, m_Dpi)};
}

// The frame around the designed client area at the window's DPI. A menu bar that wraps onto a
// second row takes from the client area: the window grows by the loss.
void DesignedWindow::FitFrame()
{
    const SIZE client = ClientSize();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_EXSTYLE));
    SIZE outer = OuterSize(client, style, exStyle, m_Menu != nullptr, m_Dpi);
    RECT now;
    GetWindowRect(Window(), &now);
    if (now.right - now.left != outer.cx || now.bottom - now.top != outer.cy)
        SetWindowPos(Window(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT actual;
    GetClientRect(Window(), &actual);
    if (actual.right != client.cx || actual.bottom != client.cy) {
        outer.cx += client.cx - actual.right;
        outer.cy += client.cy - actual.bottom;
        SetWindowPos(Window(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void DesignedWindow::ApplyDpi(UINT dpi)
{
    m_Dpi = dpi;
    FitFrame();
    std::vector<std::pair<ButtonFont, HFONT>> oldFonts;
    oldFonts.swap(m_Fonts);
    for (const Entry& entry : m_Entries) {
        if (entry.button)
            entry.button->SetDpi(dpi);  // draws its caption in its own font
        else if (entry.window != nullptr)
            SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*entry.design)), FALSE);
    }
    for (auto& [font, handle] : oldFonts)
        DeleteObject(handle);
    ComposeBackdrop();
    ShowDesignPictures();
    PlaceControls();
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DesignedWindow::ShowDesignPictures()
{
    for (const Entry& entry : m_Entries)
        if (entry.picture && !entry.design->picture.empty())
            entry.picture->SetPicture(DesignPictureAt(entry.design->picture, m_Dpi));
}

void DesignedWindow::ComposeBackdrop()
{
    RECT client;
    GetClientRect(Window(), &client);
    const COLORREF back = m_Design.backColor ? ToColorRef(*m_Design.backColor) : GetSysColor(COLOR_BTNFACE);
    m_Backdrop = SolidBlock(client.right, client.bottom, back);
    const PixelBlock picture = DesignPictureAt(m_Design.picture, m_Dpi);
    if (m_Design.pictureTiled)
        TileOver(m_Backdrop, picture);
    else
        BlendOver(m_Backdrop, picture, 0, 0);
    if (m_BackdropBrush != nullptr)
        DeleteObject(m_BackdropBrush);
    HBITMAP bitmap = BitmapOf(m_Backdrop);
    m_BackdropBrush = bitmap != nullptr ? CreatePatternBrush(bitmap) : CreateSolidBrush(back);
    if (bitmap != nullptr)
        DeleteObject(bitmap);  // the brush keeps its own copy
}

// The design's rectangle at the window's DPI; a control without a designed size keeps `current`'s.
RECT DesignedWindow::DesignedPlace(const ControlDesign& design, const RECT& current) const
{
    const int x = design.position ? ScaledPixels(design.position->x, m_Dpi) : 0;
    const int y = design.position ? ScaledPixels(design.position->y, m_Dpi) : 0;
    const int width = design.size ? ScaledPixels(design.size->width, m_Dpi) : current.right - current.left;
    const int height = design.size ? ScaledPixels(design.size->height, m_Dpi) : current.bottom - current.top;
    return {x, y, x + width, y + height};
}

void DesignedWindow::PlaceControls()
{
    for (const Entry& entry : m_Entries) {
        if (entry.window == nullptr)
            continue;
        RECT now{};
        GetWindowRect(entry.window, &now);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&now), 2);
        const RECT place = DesignedPlace(*entry.design, now);
        if (!EqualRect(&now, &place))
            SetWindowPos(entry.window, nullptr, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (entry.design->autoSize)
            FitAutoSize(entry);
    }
}

void DesignedWindow::FitAutoSize(const Entry& entry)
{
    const std::wstring text = ToUtf16(Text(entry.design->name));
    HDC dc = GetDC(entry.window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(entry.window, WM_GETFONT, 0, 0)));
    RECT bounds{0, 0, 0, 0};
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &bounds, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(entry.window, dc);
    RECT now;
    GetClientRect(entry.window, &now);
    const int width = text.empty() ? 0 : bounds.right;
    if (now.right != width || now.bottom != bounds.bottom)
        SetWindowPos(entry.window, nullptr, 0, 0, width, bounds.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT DesignedWindow::FontFor(const ControlDesign& control)
{
    const ButtonFont font = designs::FontOf(control, m_Design);
    for (const auto& [known, handle] : m_Fonts)
        if (known == font)
            return handle;
    HFONT handle = CreateDesignFont(font, m_Dpi);
    m_Fonts.emplace_back(font, handle);
    return handle;
}

const DesignedWindow::Entry* DesignedWindow::Find(std::string_view name) const
{
    for (const Entry& entry : m_Entries)
        if (entry.design->name == name)
            return &entry;
    return nullptr;
}

DesignedWindow::Entry* DesignedWindow::Find(std::string_view name)
{
    return const_cast<Entry*>(std::as_const(*this).Find(name));
}

const DesignedWindow::Entry* DesignedWindow::EntryOfWindow(HWND control) const
{
    for (const Entry& entry : m_Entries)
        if (entry.window != nullptr && entry.window == control)
            return &entry;
    return nullptr;
}

std::string DesignedWindow::NameOf(HWND window)
{
    const DesignedWindow* owner = FromHandle(window);
    if (owner == nullptr)
        owner = FromHandle(GetParent(window));
    if (owner == nullptr)
        return {};
    if (window == owner->Window())
        return owner->m_Design.name;
    const Entry* entry = owner->EntryOfWindow(window);
    return entry != nullptr ? entry->design->name : std::string();
}

HWND DesignedWindow::Control(std::string_view name) const
{
    const Entry* entry = Find(name);
    return entry != nullptr ? entry->window : nullptr;
}

int DesignedWindow::ControlId(std::string_view name) const
{
    const Entry* entry = Find(name);
    return entry != nullptr ? entry->id : 0;
}

PictureBox* DesignedWindow::PictureOf(std::string_view name) const
{
    const Entry* entry = Find(name);
    return entry != nullptr ? entry->picture.get() : nullptr;
}

CommandButton* DesignedWindow::ButtonOf(std::string_view name) const
{
    const Entry* entry = Find(name);
    return entry != nullptr ? entry->button.get() : nullptr;
}

bool DesignedWindow::PressAccessKey(wchar_t typed)
{
    for (const Entry& entry : m_Entries)
        if (entry.button && entry.button->PressAccessKey(typed))
            return true;
    return false;
}

std::string DesignedWindow::Text(std::string_view control) const
{
    const Entry* entry = Find(control);
    if (entry == nullptr || IsPicture(*entry->design))
        return {};
    if (entry->window == nullptr)
        return entry->text;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(entry->window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(entry->window, text.data(), static_cast<int>(text.size()))));
    return FromUtf16(text);
}

void DesignedWindow::SetText(std::string_view control, const std::string& text)
{
    Entry* entry = Find(control);
    if (entry == nullptr || IsPicture(*entry->design))
        return;
    if (entry->window == nullptr) {
        entry->text = text;
        return;
    }
    SetWindowTextW(entry->window, ToUtf16(text).c_str());
    if (entry->design->autoSize)
        FitAutoSize(*entry);
}

void DesignedWindow::SetPicture(std::string_view control, std::shared_ptr<const Picture> picture)
{
    PictureBox* box = PictureOf(control);
    if (box == nullptr)
        return;
    auto* raster = dynamic_cast<const RasterPicture*>(picture.get());
    box->SetPicture(raster != nullptr ? PixelBlock{raster->Width(), raster->Height(), raster->Pixels()} : PixelBlock{});
}

void DesignedWindow::Unload()
{
    if (Window() != nullptr)
        DestroyWindow(Window());
}

void DesignedWindow::ShowPlaced()
{
    HWND window = Window();
    if (window == nullptr)
        return;
    if (IsWindowVisible(window)) {
        if (IsIconic(window))
            ShowWindow(window, SW_RESTORE);
        SetForegroundWindow(window);
        BringWindowToTop(window);
        return;
    }
    RECT outer;
    GetWindowRect(window, &outer);
    if (m_Design.startUp == StartUpPosition::Manual) {
        SetWindowPos(window, nullptr, ScaledPixels(m_Design.position.x, m_Dpi), ScaledPixels(m_Design.position.y, m_Dpi),
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (m_Design.startUp == StartUpPosition::Centred) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int width = outer.right - outer.left;
        const int height = outer.bottom - outer.top;
        SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + (work.bottom - work.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
}

bool DesignedWindow::Command(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const bool fromControl = lParam != 0;
    if (fromControl && HIWORD(wParam) != BN_CLICKED)
        return false;
    for (const Entry& entry : m_Entries) {
        if (entry.id != id)
            continue;
        const bool button = entry.design->kind == ControlKind::CommandButton;
        const bool menuItem = entry.design->kind == ControlKind::MenuItem;
        if ((fromControl && !button) || (!fromControl && !menuItem))
            return false;
        // The command may unload this window; the handler and the name are copied first.
        const CommandHandler handler = m_OnCommand;
        const std::string name = entry.design->name;
        if (handler)
            handler(name);
        return true;
    }
    return false;
}

LRESULT DesignedWindow::ControlColours(HDC dc, HWND control, bool editable)
{
    const Entry* entry = EntryOfWindow(control);
    if (entry == nullptr)
        return 0;
    const ControlDesign& design = *entry->design;
    const bool textBox = editable || design.kind == ControlKind::TextBox;
    SetTextColor(dc, design.foreColor ? ToColorRef(*design.foreColor) : GetSysColor(textBox ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    if (entry->brush != nullptr) {
        SetBkColor(dc, design.backColor ? ToColorRef(*design.backColor) : GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(entry->brush);
    }
    // Transparent: the window's backdrop from the control's own place.
    SetBkMode(dc, TRANSPARENT);
    POINT origin{0, 0};
    MapWindowPoints(control, Window(), &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return reinterpret_cast<LRESULT>(m_BackdropBrush);
}

void DesignedWindow::Destroyed()
{
    m_Destroying = true;
    if (m_OnDestroyed) {
        const std::function<void()> handler = m_OnDestroyed;
        handler();
    }
}

void DesignedWindow::InputTaken()
{
    for (const Entry& entry : m_Entries)
        if (entry.button) {
            entry.button->Host().InputTaken();
            entry.button->Host().PointerMayHaveLeft();
        }
}

LRESULT DesignedWindow::OnControlColours(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const LRESULT brush =
            ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message == WM_CTLCOLOREDIT))
        return brush;
    return Default(message, wParam, lParam);
}

LRESULT DesignedWindow::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    // A child asks its parent first: the design's hand pointer over the controls that want it.
    if (const Entry* entry = EntryOfWindow(reinterpret_cast<HWND>(wParam));
        entry != nullptr && designs::WantsHandPointer(*entry->design)) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
    }
    return Default(WM_SETCURSOR, wParam, lParam);
}

LRESULT DesignedWindow::OnCommandMessage(WPARAM wParam, LPARAM lParam)
{
    return Command(wParam, lParam) ? 0 : Default(WM_COMMAND, wParam, lParam);
}

// As a dialog does: the focus returns to the control that had it, the first stop at first.
LRESULT DesignedWindow::OnActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        InputTaken();  // another window has the keys now, and may lie over a button
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(Window(), focus))
            m_LastFocus = focus;
        return 0;
    }
    HWND target = m_LastFocus != nullptr && IsChild(Window(), m_LastFocus) ? m_LastFocus
                                                                           : GetNextDlgTabItem(Window(), nullptr, FALSE);
    if (target != nullptr)
        SetFocus(target);
    return 0;
}

// The menu takes the keys while the focus stays on its control: no button may click on the
// key-up of a key that chose a menu item.
LRESULT DesignedWindow::OnEnterMenuLoop(WPARAM wParam, LPARAM lParam)
{
    InputTaken();
    return Default(WM_ENTERMENULOOP, wParam, lParam);
}

LRESULT DesignedWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
    ApplyDpi(HIWORD(wParam));
    SetWindowPos(Window(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT DesignedWindow::OnEraseBackground(WPARAM wParam)
{
    DrawBlock(reinterpret_cast<HDC>(wParam), m_Backdrop, 0, 0);
    return 1;
}

LRESULT DesignedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return OnEraseBackground(wParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: return OnControlColours(message, wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_COMMAND: return OnCommandMessage(wParam, lParam);
    case WM_ACTIVATE: return OnActivate(wParam);
    case WM_ENTERMENULOOP: return OnEnterMenuLoop(wParam, lParam);
    case WM_DPICHANGED: return OnDpiChanged(wParam, lParam);
    case WM_DESTROY: Destroyed(); return 0;
    default: return Default(message, wParam, lParam);
    }
}

}  // namespace pelmora::win32
