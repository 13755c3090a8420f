#pragma once

#include <memory>

namespace pelmora {

// A kernel transaction (KTM) that registry keys are opened in: every change made through such a
// key is committed with it or rolled back with it. Reached at run time, as not every system has
// the entry points (Wine has none that work).
class Win32Transaction {
public:
    // Whether the system offers registry transactions; false once a call said it does not.
    static bool Available();

    // A new transaction; null when the system has none, with `code` 0, or when it could not be
    // made, with `code` the system's error.
    static std::unique_ptr<Win32Transaction> Begin(long& code);

    ~Win32Transaction();  // rolls back what was not committed
    Win32Transaction(const Win32Transaction&) = delete;
    Win32Transaction& operator=(const Win32Transaction&) = delete;

    // RegCreateKeyTransactedW and RegOpenKeyTransactedW with the access RegCreateKeyW and
    // RegOpenKeyW ask for. ERROR_CALL_NOT_IMPLEMENTED makes Available() false from then on.
    long CreateKey(void* base, const wchar_t* path, void*& key);
    long OpenKey(void* base, const wchar_t* path, void*& key);

    long Commit();

private:
    explicit Win32Transaction(void* handle) : m_Handle(handle) {}

    void* m_Handle;
    bool m_Finished = false;
};

}  // namespace pelmora
