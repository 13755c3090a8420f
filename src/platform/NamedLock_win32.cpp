#include "platform/NamedLock.h"

#include "platform/WindowsApi.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

namespace {

constexpr DWORD kNoteSize = 256;
constexpr const char* kGlobal = "Global\\";
constexpr const char* kLocal = "Local\\";

std::string NoteName(const std::string& lockName)
{
    return lockName + ".holder";
}

// The mutex, in the Global namespace when the account may create objects there, else in the
// session's own (an account without that right cannot change the machine's branding anyway).
HANDLE CreateLockMutex(std::string& name)
{
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (!mutex && GetLastError() == ERROR_ACCESS_DENIED && name.rfind(kGlobal, 0) == 0) {
        name = kLocal + name.substr(std::strlen(kGlobal));
        mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    }
    return mutex;
}

std::string ReadNote(const std::string& lockName)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, NoteName(lockName).c_str());
    if (!mapping)
        return {};
    std::string note;
    if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, kNoteSize)) {
        const char* text = static_cast<const char*>(view);
        note.assign(text, strnlen(text, kNoteSize));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return note;
}

// The holder's note, kept while the handle is open; none when it cannot be made (it only names
// the holder for a waiter's message).
HANDLE WriteNote(const std::string& lockName, const std::string& note)
{
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kNoteSize,
                                        NoteName(lockName).c_str());
    if (!mapping)
        return nullptr;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kNoteSize)) {
        std::memset(view, 0, kNoteSize);
        std::memcpy(view, note.data(), std::min<std::size_t>(note.size(), kNoteSize - 1));
        UnmapViewOfFile(view);
    }
    return mapping;
}

void ClearNote(HANDLE mapping)
{
    if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kNoteSize)) {
        std::memset(view, 0, kNoteSize);
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
}

}  // namespace

NamedLock::NamedLock(std::string name, std::chrono::milliseconds wait) : m_Name(std::move(name)), m_Wait(wait) {}

NamedLock::~NamedLock()
{
    Release();
    if (m_Mutex)
        CloseHandle(m_Mutex);
}

bool NamedLock::Held() const
{
    return m_Held;
}

std::optional<LockRefusal> NamedLock::Acquire(const std::string& holder)
{
    if (m_Held)
        return LockRefusal{false, "the lock " + m_Name + " is held already"};
    if (!m_Mutex && !(m_Mutex = CreateLockMutex(m_Name)))
        return LockRefusal{false, "cannot create the lock " + m_Name + ": " + SystemErrorText(GetLastError())};

    // A mutex its holder left by ending (WAIT_ABANDONED) is ours: every change it made to the
    // store was committed or dropped whole, and every file written whole or not at all.
    switch (WaitForSingleObject(m_Mutex, static_cast<DWORD>(m_Wait.count()))) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
        break;
    case WAIT_TIMEOUT: {
        const std::string named = DescribeLockHolder(ReadNote(m_Name));
        return LockRefusal{true, "the lock " + m_Name + " is held by " +
                                     (named.empty() ? std::string("another program") : named)};
    }
    default:
        return LockRefusal{false, "cannot take the lock " + m_Name + ": " + SystemErrorText(GetLastError())};
    }
    m_Held = true;
    m_Holder = WriteNote(m_Name, std::to_string(GetCurrentProcessId()) + " " + holder);
    return std::nullopt;
}

void NamedLock::Release()
{
    if (!m_Held)
        return;
    if (m_Holder)
        ClearNote(m_Holder);
    m_Holder = nullptr;
    ReleaseMutex(m_Mutex);
    m_Held = false;
}

}  // namespace pelmora
