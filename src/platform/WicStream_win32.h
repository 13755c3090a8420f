#pragma once

#include "platform/WindowsApi.h"

#include <objidl.h>

#include <string_view>

namespace pelmora {

// A read-only IStream over bytes in memory that notes whether a reader asked for more than was
// left. A decoder that fails after reaching the end has met data that ends early; the system's
// own error codes for that differ between decoders and between Windows and Wine.
class EndWatchingStream final : public IStream {
public:
    explicit EndWatchingStream(std::string_view bytes) : m_Bytes(bytes) {}
    EndWatchingStream(const EndWatchingStream&) = delete;
    EndWatchingStream& operator=(const EndWatchingStream&) = delete;

    bool ReachedEnd() const { return m_ReachedEnd; }

    // IUnknown: the owner keeps the stream alive longer than every user; Release never deletes.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_References; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_References; }

    // ISequentialStream
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }

    // IStream
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    std::string_view m_Bytes;
    ULONGLONG m_Position = 0;
    ULONG m_References = 1;
    bool m_ReachedEnd = false;
};

}  // namespace pelmora
