#pragma once

#include "registry/RegistryApi.h"
#include "testing/TempDir.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows images for the offline-hive tests: a Windows folder whose SOFTWARE hive is a copy of
// the hivex project's minimal hive, with keys and values added by hivex itself.
namespace pelmora::testing {

inline constexpr std::uint32_t kRegMultiSz = 7;

// A value as a hive holds it. Key paths are below the hive's top, UTF-8, backslash-separated.
struct HiveValue {
    std::string keyPath;
    std::string name;  // UTF-8
    std::uint32_t type = kRegNone;
    std::string data;  // the stored bytes
};

// The UTF-16LE bytes of a text, as Windows stores it.
std::string Utf16(std::u16string_view text);

// What RegSetValueExA stores for text given without its NUL (as WriteRegString gives it): the
// UTF-16LE bytes with a NUL after them.
inline std::string StoredText(std::u16string_view text)
{
    return Utf16(text) + std::string(2, '\0');
}

// The carried copy of the hivex project's minimal hive.
std::string MinimalHivePath();

// Adds the values (and their keys) to a hive file with hivex.
void AddToHive(const std::string& hivePath, const std::vector<HiveValue>& values);

// The value as stored, read with hivex, names matched exactly; none when it is missing.
std::optional<HiveValue> ReadFromHive(const std::string& hivePath, const std::string& keyPath,
                                      const std::string& name);

// The names of the values of a key, read with hivex, in the hive's order.
std::vector<std::string> ValueNamesInHive(const std::string& hivePath, const std::string& keyPath);

// Makes the hive look as Windows leaves it after hibernation or a fast start-up: the sequence
// numbers differ, the checksum fits.
void MarkUnfinished(const std::string& hivePath);

// A Windows folder in a temporary folder; its config folder's names may be spelt otherwise.
class WindowsImage {
public:
    explicit WindowsImage(const std::vector<HiveValue>& values = {},
                          const std::vector<std::string>& hiveNames = {"System32", "config", "SOFTWARE"});

    const std::string& WindowsDir() const { return m_WindowsDir; }
    const std::string& HivePath() const { return m_HivePath; }

    TempDir temp;

private:
    std::string m_WindowsDir;
    std::string m_HivePath;
};

// Gives the image a SYSTEM hive whose current control set (the second; the first says 1252) names
// `acp` (ASCII) as its ANSI code page.
void AddSystemHive(const WindowsImage& image, const std::string& acp);

// A registry of its own, gone with the object: an image's SOFTWARE hive for HKLM "SOFTWARE" and a
// scratch store for the rest, as the program runs on an offline image.
std::unique_ptr<RegistryApi> MakeScratchImageRegistry();

}  // namespace pelmora::testing
