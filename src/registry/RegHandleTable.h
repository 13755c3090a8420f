#pragma once

#include "registry/RegistryApi.h"

#include <optional>
#include <utility>
#include <vector>

namespace pelmora {

// The keys a store has handed out: a handle is a slot's index + 1, so 0 is never one, and a closed
// key's slot is taken by the next key opened.
template <typename Opened>
class RegHandleTable {
public:
    RegKey Add(Opened opened)
    {
        for (std::size_t i = 0; i < m_Slots.size(); ++i) {
            if (!m_Slots[i]) {
                m_Slots[i] = std::move(opened);
                return i + 1;
            }
        }
        m_Slots.push_back(std::move(opened));
        return m_Slots.size();
    }

    // The key behind the handle; null for 0, a closed key or a handle never given.
    Opened* Find(RegKey key)
    {
        if (key == 0 || key > m_Slots.size() || !m_Slots[key - 1])
            return nullptr;
        return &*m_Slots[key - 1];
    }
    const Opened* Find(RegKey key) const { return const_cast<RegHandleTable*>(this)->Find(key); }

    // False when the handle names no open key.
    bool Remove(RegKey key)
    {
        if (!Find(key))
            return false;
        m_Slots[key - 1].reset();
        return true;
    }

private:
    std::vector<std::optional<Opened>> m_Slots;
};

}  // namespace pelmora
