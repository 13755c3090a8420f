#pragma once

#include "platform/WindowsApi.h"

namespace pelmora::win32 {

// A window class whose procedure is a member: `Derived` answers every message in one flat
// switch, `LRESULT HandleMessage(UINT, WPARAM, LPARAM)`, and hands the rest to DefWindowProcW.
// The object is found through the window's user data, set from the creation parameter.
template <typename Derived>
class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Window() const { return m_Window; }

    // The object behind a window of this class; null for any other window.
    static Derived* FromHandle(HWND window)
    {
        wchar_t name[64] = {};
        if (window == nullptr || !GetClassNameW(window, name, 64) || lstrcmpW(name, Derived::kClassName) != 0)
            return nullptr;
        return reinterpret_cast<Derived*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }

protected:
    ~BaseWindow() = default;

    // For the derived destructor: its window must go while the object can still answer.
    void DestroyIfOpen()
    {
        if (m_Window != nullptr)
            DestroyWindow(m_Window);
    }

    static void RegisterOnce(UINT style = CS_HREDRAW | CS_VREDRAW)
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        if (GetClassInfoExW(GetModuleHandleW(nullptr), Derived::kClassName, &windowClass))
            return;
        windowClass.style = style;
        windowClass.lpfnWndProc = &BaseWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        // The program's icon (resource 1) at the sizes of the title bar and the task switcher.
        windowClass.hIcon = ProgramIcon(SM_CXICON, SM_CYICON);
        windowClass.hIconSm = ProgramIcon(SM_CXSMICON, SM_CYSMICON);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = Derived::kClassName;
        RegisterClassExW(&windowClass);
    }

    HWND CreateAs(DWORD exStyle, const wchar_t* text, DWORD style, int x, int y, int width, int height, HWND parent,
                  HMENU menuOrId)
    {
        RegisterOnce();
        return CreateWindowExW(exStyle, Derived::kClassName, text, style, x, y, width, height, parent, menuOrId,
                               GetModuleHandleW(nullptr), static_cast<Derived*>(this));
    }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(m_Window, message, wParam, lParam);
    }

private:
    static HICON ProgramIcon(int widthMetric, int heightMetric)
    {
        return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->m_Window = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (self == nullptr)
            return DefWindowProcW(window, message, wParam, lParam);
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->m_Window = nullptr;
        }
        return result;
    }

    HWND m_Window = nullptr;
};

}  // namespace pelmora::win32
