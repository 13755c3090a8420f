#include "Win32MessageLoop.h"

#include "Win32DesignedWindow.h"

namespace pelmora::win32 {

bool PreTranslateDesignedWindowMessage(MSG& message)
{
    if (message.hwnd == nullptr)
        return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    DesignedWindow* window = DesignedWindow::FromHandle(root);
    if (window == nullptr)
        return false;
    if (message.message == WM_SYSCHAR && window->PressAccessKey(static_cast<wchar_t>(message.wParam)))
        return true;
    if (window->Accelerators() != nullptr && TranslateAcceleratorW(root, window->Accelerators(), &message))
        return true;
    return IsDialogMessageW(root, &message) != FALSE;
}

int RunMessageLoop(const std::function<void()>& afterEach)
{
    if (afterEach)
        afterEach();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!PreTranslateDesignedWindowMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (afterEach)
            afterEach();
    }
    return static_cast<int>(message.wParam);
}

}  // namespace pelmora::win32
