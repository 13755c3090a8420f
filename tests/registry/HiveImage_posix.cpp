#include "registry/HiveImage.h"

#include "registry/HiveHeader.h"
#include "registry/HiveRegistry.h"
#include "registry/RoutedRegistry.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>
#include <hivex.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace pelmora::testing {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Parts(const std::string& keyPath)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < keyPath.size()) {
        const std::size_t end = std::min(keyPath.find('\\', start), keyPath.size());
        if (end > start)
            parts.push_back(keyPath.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Name(hive_h* hive, hive_node_h node)
{
    char* name = hivex_node_name(hive, node);
    std::string text = name ? std::string(name, hivex_node_name_len(hive, node)) : std::string();
    std::free(name);
    return text;
}

// The child spelt exactly so; 0 when there is none.
hive_node_h ExactChild(hive_h* hive, hive_node_h node, const std::string& name)
{
    hive_node_h* children = hivex_node_children(hive, node);
    hive_node_h found = 0;
    for (hive_node_h* child = children; child && *child && !found; ++child)
        if (Name(hive, *child) == name)
            found = *child;
    std::free(children);
    return found;
}

hive_node_h ExactKey(hive_h* hive, const std::string& keyPath)
{
    hive_node_h node = hivex_root(hive);
    for (const std::string& part : Parts(keyPath))
        if (node)
            node = ExactChild(hive, node, part);
    return node;
}

std::uint32_t Word(const std::string& bytes, std::size_t offset)
{
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i)
        word |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return word;
}

void SetWord(std::string& bytes, std::size_t offset, std::uint32_t word)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((word >> (8 * i)) & 0xFF);
}

}  // namespace

std::string Utf16(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string MinimalHivePath()
{
    return (fs::path(PELMORA_TEST_DATA_DIR) / "registry" / "data" / "minimal").string();
}

void AddToHive(const std::string& hivePath, const std::vector<HiveValue>& values)
{
    hive_h* hive = hivex_open(hivePath.c_str(), HIVEX_OPEN_WRITE);
    ASSERT_NE(hive, nullptr) << hivePath << ": " << std::strerror(errno);
    for (const HiveValue& value : values) {
        hive_node_h node = hivex_root(hive);
        for (const std::string& part : Parts(value.keyPath)) {
            hive_node_h child = ExactChild(hive, node, part);
            node = child ? child : hivex_node_add_child(hive, node, part.c_str());
            ASSERT_NE(node, 0u) << value.keyPath;
        }
        hive_set_value pair{const_cast<char*>(value.name.c_str()), static_cast<hive_type>(value.type),
                            value.data.size(), const_cast<char*>(value.data.data())};
        ASSERT_EQ(hivex_node_set_value(hive, node, &pair, 0), 0) << value.name;
    }
    ASSERT_EQ(hivex_commit(hive, nullptr, 0), 0);
    hivex_close(hive);
}

std::optional<HiveValue> ReadFromHive(const std::string& hivePath, const std::string& keyPath,
                                      const std::string& name)
{
    hive_h* hive = hivex_open(hivePath.c_str(), 0);
    if (!hive)
        return std::nullopt;
    std::optional<HiveValue> found;
    if (const hive_node_h node = ExactKey(hive, keyPath)) {
        hive_value_h* values = hivex_node_values(hive, node);
        for (hive_value_h* value = values; value && *value && !found; ++value) {
            char* key = hivex_value_key(hive, *value);
            if (key && key == name) {
                hive_type type{};
                std::size_t size = 0;
                char* data = hivex_value_value(hive, *value, &type, &size);
                found = HiveValue{keyPath, name, static_cast<std::uint32_t>(type), std::string(data, size)};
                std::free(data);
            }
            std::free(key);
        }
        std::free(values);
    }
    hivex_close(hive);
    return found;
}

std::vector<std::string> ValueNamesInHive(const std::string& hivePath, const std::string& keyPath)
{
    std::vector<std::string> names;
    hive_h* hive = hivex_open(hivePath.c_str(), 0);
    if (!hive)
        return names;
    if (const hive_node_h node = ExactKey(hive, keyPath)) {
        hive_value_h* values = hivex_node_values(hive, node);
        for (hive_value_h* value = values; value && *value; ++value) {
            char* key = hivex_value_key(hive, *value);
            names.emplace_back(key ? key : "");
            std::free(key);
        }
        std::free(values);
    }
    hivex_close(hive);
    return names;
}

void MarkUnfinished(const std::string& hivePath)
{
    std::string bytes = ReadBytes(hivePath);
    ASSERT_GE(bytes.size(), kHiveBaseBlockSize);
    SetWord(bytes, 4, Word(bytes, 4) + 1);
    SetWord(bytes, 508, HiveHeaderChecksum(bytes));
    std::ofstream(hivePath, std::ios::binary | std::ios::trunc) << bytes;
}

WindowsImage::WindowsImage(const std::vector<HiveValue>& values, const std::vector<std::string>& hiveNames)
{
    m_WindowsDir = temp.File("Windows");
    fs::path folder = m_WindowsDir;
    for (std::size_t i = 0; i + 1 < hiveNames.size(); ++i)
        folder /= hiveNames[i];
    fs::create_directories(folder);
    m_HivePath = (folder / hiveNames.back()).string();
    fs::copy_file(MinimalHivePath(), m_HivePath);
    fs::permissions(m_HivePath, fs::perms::owner_read | fs::perms::owner_write);
    if (!values.empty())
        AddToHive(m_HivePath, values);
}

namespace {

// The image is a base so it exists before the store opens it and goes after the store has closed.
struct ScratchImage {
    WindowsImage image;
};

class ScratchImageRegistry : private ScratchImage, public RoutedRegistry {
public:
    ScratchImageRegistry() : RoutedRegistry(std::make_unique<HiveRegistry>(Options(image)), MakeScratchRegistry()) {}

private:
    static HiveRegistryOptions Options(const WindowsImage& image)
    {
        HiveRegistryOptions options;
        options.path = image.HivePath();
        options.syncToDisk = false;  // thrown away after the test
        return options;
    }
};

}  // namespace

std::unique_ptr<RegistryApi> MakeScratchImageRegistry()
{
    return std::make_unique<ScratchImageRegistry>();
}

void AddSystemHive(const WindowsImage& image, const std::string& acp)
{
    const fs::path system = fs::path(image.HivePath()).parent_path() / "SYSTEM";
    fs::copy_file(MinimalHivePath(), system);
    fs::permissions(system, fs::perms::owner_read | fs::perms::owner_write);
    const std::uint32_t current = 2;
    const std::u16string code(acp.begin(), acp.end());
    const std::string select(reinterpret_cast<const char*>(&current), 4);
    AddToHive(system.string(), {{"Select", "Current", kRegDword, select},
                                {"ControlSet001\\Control\\Nls\\CodePage", "ACP", kRegSz, StoredText(u"1252")},
                                {"ControlSet002\\Control\\Nls\\CodePage", "ACP", kRegSz, StoredText(code)}});
}

}  // namespace pelmora::testing
