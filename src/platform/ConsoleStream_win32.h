#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace pelmora {

// An output buffer over a standard handle. On a console, text goes out as UTF-16 through
// WriteConsoleW, so every character shows whatever the console's code page; redirected to a
// file or pipe, the UTF-8 bytes go out as they are. A character split across two flushes is
// held back until it is whole.
class ConsoleStreamBuf final : public std::streambuf {
public:
    explicit ConsoleStreamBuf(void* handle);
    ~ConsoleStreamBuf() override;
    ConsoleStreamBuf(const ConsoleStreamBuf&) = delete;
    ConsoleStreamBuf& operator=(const ConsoleStreamBuf&) = delete;

    bool IsConsole() const { return m_Console; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Flush();
    bool WriteOut(const char* data, std::size_t size);

    void* m_Handle;
    bool m_Console;
    char m_Buffer[4096];
    std::size_t m_Held = 0;  // bytes of an unfinished character kept at the buffer's start
};

// Puts std::cout and std::cerr on console buffers of the standard output and error handles
// while it lives, and back when it goes.
class StandardConsoleStreams {
public:
    StandardConsoleStreams();
    ~StandardConsoleStreams();
    StandardConsoleStreams(const StandardConsoleStreams&) = delete;
    StandardConsoleStreams& operator=(const StandardConsoleStreams&) = delete;

private:
    ConsoleStreamBuf m_Out;
    ConsoleStreamBuf m_Err;
    std::streambuf* m_OldOut;
    std::streambuf* m_OldErr;
};

// The length of the longest start of `text` that ends on a whole UTF-8 character; what is left
// is at most three bytes of a character still to come. Invalid bytes count as whole.
std::size_t WholeUtf8Length(std::string_view text);

}  // namespace pelmora
