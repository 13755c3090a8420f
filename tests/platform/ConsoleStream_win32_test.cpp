// Console output and arguments of the Windows console tool. Redirected output is bytes that can
// be read back from a pipe; a console made with AllocConsole is read back as characters.
#include "platform/ConsoleStream_win32.h"

#include "platform/CommandLineArguments_win32.h"
#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// Latin, a character of three bytes and one outside the 16-bit range.
const std::string kText = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x9C\x93 \xF0\x9D\x84\x9E";

TEST(WholeUtf8Length, StopsBeforeAnUnfinishedCharacter)
{
    struct Case {
        std::string text;
        std::size_t whole;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"a\xC3", 1},
        {"a\xC3\xBC", 3},
        {"a\xE2\x9C", 1},
        {"a\xE2\x9C\x93", 4},
        {"a\xF0\x9D\x84", 1},
        {"a\xF0\x9D\x84\x9E", 5},
        {"\x80\x80\x80\x80", 4},  // no lead: invalid, passed on whole
        {"a\xFF", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WholeUtf8Length(c.text), c.whole) << c.text;
}

std::string ReadAvailable(HANDLE pipe)
{
    std::string bytes;
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        std::string chunk(available, '\0');
        DWORD read = 0;
        ReadFile(pipe, chunk.data(), available, &read, nullptr);
        bytes.append(chunk, 0, read);
    }
    return bytes;
}

TEST(ConsoleStream, RedirectedOutputIsTheUtf8Bytes)
{
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 1 << 16));
    {
        ConsoleStreamBuf buffer(writeEnd);
        EXPECT_FALSE(buffer.IsConsole());
        std::ostream out(&buffer);
        // Past the buffer's size, with a character across its end.
        const std::string filler(4095, 'a');
        out << filler << kText << '\n';
        out.flush();
        EXPECT_EQ(ReadAvailable(readEnd), filler + kText + "\n");
    }
    CloseHandle(writeEnd);
    CloseHandle(readEnd);
}

// A console of this process's own, or none where the system cannot make one.
class OwnConsole {
public:
    OwnConsole()
    {
        FreeConsole();
        if (!AllocConsole())
            return;
        m_Output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    }
    ~OwnConsole()
    {
        if (m_Output != INVALID_HANDLE_VALUE)
            CloseHandle(m_Output);
        FreeConsole();
    }
    HANDLE Output() const { return m_Output; }

    // The characters of the first row from the start.
    std::wstring FirstRow(std::size_t length) const
    {
        std::wstring row(length, L'\0');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(m_Output, row.data(), static_cast<DWORD>(length), COORD{0, 0}, &read);
        row.resize(read);
        return row;
    }

private:
    HANDLE m_Output = INVALID_HANDLE_VALUE;
};

TEST(ConsoleStream, ConsoleGetsTheCharactersAsUtf16)
{
    OwnConsole console;
    DWORD mode = 0;
    if (console.Output() == INVALID_HANDLE_VALUE || !GetConsoleMode(console.Output(), &mode))
        GTEST_SKIP() << "no console can be made here";
    ConsoleStreamBuf buffer(console.Output());
    ASSERT_TRUE(buffer.IsConsole());
    std::ostream out(&buffer);
    // The three-byte character is flushed in two parts: it must still arrive as one.
    out << kText.substr(0, 8) << std::flush << kText.substr(8) << std::flush;
    const std::wstring expected = ToUtf16(kText);
    EXPECT_EQ(console.FirstRow(expected.size()), expected);
}

TEST(CommandLineArguments, SplitsByTheSystemRulesIntoUtf8)
{
    EXPECT_EQ(SplitCommandLine(L"pelmora-cli.exe apply-oem \"Gr\u00FC\u00DFe AG\" \u0416 \"a\\\"b\" c:\\x\\"),
              (std::vector<std::string>{"pelmora-cli.exe", "apply-oem", "Gr\xC3\xBC\xC3\x9F" "e AG", "\xD0\x96",
                                        "a\"b", "c:\\x\\"}));
    const std::vector<std::string> own = CommandLineArguments();
    ASSERT_FALSE(own.empty());
    EXPECT_NE(own.front().find("pelmora_platform_tests"), std::string::npos) << own.front();
}

}  // namespace
}  // namespace pelmora
