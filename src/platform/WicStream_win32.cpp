#include "platform/WicStream_win32.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

HRESULT EndWatchingStream::QueryInterface(REFIID id, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_ISequentialStream) || IsEqualIID(id, IID_IStream)) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT EndWatchingStream::Read(void* buffer, ULONG size, ULONG* read)
{
    const ULONGLONG left = m_Position < m_Bytes.size() ? m_Bytes.size() - m_Position : 0;
    const ULONG count = static_cast<ULONG>(std::min<ULONGLONG>(size, left));
    if (count < size)
        m_ReachedEnd = true;
    std::memcpy(buffer, m_Bytes.data() + m_Position, count);
    m_Position += count;
    if (read != nullptr)
        *read = count;
    return count == size ? S_OK : S_FALSE;
}

HRESULT EndWatchingStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position)
{
    LONGLONG base = 0;
    switch (origin) {
    case STREAM_SEEK_SET: base = 0; break;
    case STREAM_SEEK_CUR: base = static_cast<LONGLONG>(m_Position); break;
    case STREAM_SEEK_END: base = static_cast<LONGLONG>(m_Bytes.size()); break;
    default: return STG_E_INVALIDFUNCTION;
    }
    if (base + move.QuadPart < 0)
        return STG_E_INVALIDFUNCTION;
    m_Position = static_cast<ULONGLONG>(base + move.QuadPart);
    if (position != nullptr)
        position->QuadPart = m_Position;
    return S_OK;
}

HRESULT EndWatchingStream::Stat(STATSTG* stat, DWORD)
{
    if (stat == nullptr)
        return STG_E_INVALIDPOINTER;
    *stat = STATSTG{};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = m_Bytes.size();
    stat->grfMode = STGM_READ;
    return S_OK;
}

}  // namespace pelmora
