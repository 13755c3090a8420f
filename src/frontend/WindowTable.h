#pragma once

#include "frontend/ProgramWindow.h"

#include <array>
#include <functional>
#include <memory>

namespace pelmora {

// The program's windows, one instance each, as a front end holds them. `Held` is the front end's
// window with its presenter: IsOpen(), LoadAndShow(), ShowPlaced() (a shown window comes to the
// front) and Discard() (gone at once, without a close message, so nothing can ask or save).
template <typename Held>
class WindowTable {
public:
    using Make = std::function<std::unique_ptr<Held>()>;

    WindowTable() = default;
    WindowTable(const WindowTable&) = delete;
    WindowTable& operator=(const WindowTable&) = delete;

    // An open window comes to the front and is not loaded again; else a new one is made, loaded and
    // shown. A closed window's object goes only now: no command of it is running any more.
    Held& Open(ProgramWindow window, const Make& make)
    {
        std::unique_ptr<Held>& slot = m_Slots[IndexOf(window)];
        if (slot && slot->IsOpen()) {
            slot->ShowPlaced();
            return *slot;
        }
        slot.reset();
        slot = make();
        slot->LoadAndShow();
        return *slot;
    }

    // Null when the window is not open.
    Held* Find(ProgramWindow window) const
    {
        const std::unique_ptr<Held>& slot = m_Slots[IndexOf(window)];
        return slot && slot->IsOpen() ? slot.get() : nullptr;
    }

    // The window's object, open or closed and not yet replaced; null when none was made.
    Held* Last(ProgramWindow window) const { return m_Slots[IndexOf(window)].get(); }

    bool AnyOpen() const
    {
        for (ProgramWindow window : kProgramWindows)
            if (Find(window) != nullptr)
                return true;
        return false;
    }

    void DiscardAll()
    {
        for (ProgramWindow window : kProgramWindows)
            if (Held* held = Find(window))
                held->Discard();
    }

    // Every window object goes, in the table's order.
    void Clear()
    {
        for (std::unique_ptr<Held>& slot : m_Slots)
            slot.reset();
    }

private:
    std::array<std::unique_ptr<Held>, kProgramWindows.size()> m_Slots;
};

}  // namespace pelmora
