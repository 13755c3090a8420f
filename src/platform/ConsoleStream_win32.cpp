#include "platform/ConsoleStream_win32.h"

#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace pelmora {

namespace {

bool IsConsoleHandle(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// The number of bytes a character starting with `lead` takes; 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

}  // namespace

std::size_t WholeUtf8Length(std::string_view text)
{
    // Look back over at most three continuation bytes for the lead of the last character.
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(4, size); ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        return SequenceLength(byte) > back ? size - back : size;
    }
    return size;
}

ConsoleStreamBuf::ConsoleStreamBuf(void* handle) : m_Handle(handle), m_Console(IsConsoleHandle(handle))
{
    setp(m_Buffer, m_Buffer + sizeof m_Buffer);
}

ConsoleStreamBuf::~ConsoleStreamBuf() { Flush(); }

ConsoleStreamBuf::int_type ConsoleStreamBuf::overflow(int_type c)
{
    if (!Flush())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int ConsoleStreamBuf::sync() { return Flush() ? 0 : -1; }

bool ConsoleStreamBuf::Flush()
{
    const std::size_t filled = static_cast<std::size_t>(pptr() - m_Buffer);
    // Redirected bytes need no whole characters; a console's UTF-16 does.
    const std::size_t whole = m_Console ? WholeUtf8Length(std::string_view(m_Buffer, filled)) : filled;
    const bool ok = WriteOut(m_Buffer, whole);
    std::memmove(m_Buffer, m_Buffer + whole, filled - whole);
    setp(m_Buffer, m_Buffer + sizeof m_Buffer);
    pbump(static_cast<int>(filled - whole));
    return ok;
}

bool ConsoleStreamBuf::WriteOut(const char* data, std::size_t size)
{
    if (size == 0)
        return true;
    if (m_Console) {
        const std::wstring wide = ToUtf16(std::string_view(data, size));
        for (std::size_t done = 0; done < wide.size();) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            if (!WriteConsoleW(m_Handle, wide.data() + done, chunk, &written, nullptr) || written == 0)
                return false;
            done += written;
        }
        return true;
    }
    for (std::size_t done = 0; done < size;) {
        DWORD written = 0;
        if (!WriteFile(m_Handle, data + done, static_cast<DWORD>(size - done), &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

StandardConsoleStreams::StandardConsoleStreams()
    : m_Out(GetStdHandle(STD_OUTPUT_HANDLE)),
      m_Err(GetStdHandle(STD_ERROR_HANDLE)),
      m_OldOut(std::cout.rdbuf(&m_Out)),
      m_OldErr(std::cerr.rdbuf(&m_Err))
{
}

StandardConsoleStreams::~StandardConsoleStreams()
{
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(m_OldOut);
    std::cerr.rdbuf(m_OldErr);
}

}  // namespace pelmora
