#include "registry/TargetCodePage.h"

#include "platform/AnsiText.h"
#include "registry/HiveNodes.h"
#include "registry/HiveText.h"
#include "registry/ImageRegistry.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

namespace pelmora {

namespace {

class ReadOnlyHive {
public:
    explicit ReadOnlyHive(const std::string& path) : m_Hive(hivex_open(path.c_str(), 0)) {}
    ~ReadOnlyHive()
    {
        if (m_Hive)
            hivex_close(m_Hive);
    }
    ReadOnlyHive(const ReadOnlyHive&) = delete;
    ReadOnlyHive& operator=(const ReadOnlyHive&) = delete;

    std::optional<hivenodes::StoredValue> Value(const std::vector<std::string>& key, const std::string& name) const
    {
        const hive_node_h node = m_Hive ? hivenodes::FindKey(m_Hive, key) : 0;
        hivenodes::StoredValue value;
        if (!node || !hivenodes::FindValue(m_Hive, node, name, value))
            return std::nullopt;
        return value;
    }

private:
    hive_h* m_Hive;
};

// Select\Current: the number of the control set the system starts with.
std::optional<unsigned> CurrentControlSet(const ReadOnlyHive& hive)
{
    const auto current = hive.Value({"Select"}, "Current");
    if (!current || current->type != 4 || current->data.size() != 4)
        return std::nullopt;
    std::uint32_t number = 0;
    std::memcpy(&number, current->data.data(), 4);  // little-endian, as this machine
    if (number == 0 || number > 999)
        return std::nullopt;
    return number;
}

std::optional<unsigned> AnsiCodePage(const ReadOnlyHive& hive, unsigned controlSet)
{
    char set[16];
    std::snprintf(set, sizeof set, "ControlSet%03u", controlSet);
    const auto acp = hive.Value({set, "Control", "Nls", "CodePage"}, "ACP");
    if (!acp || (acp->type != 1 && acp->type != 2))
        return std::nullopt;
    std::string text = CallText(acp->data);
    text = text.substr(0, text.find('\0'));
    unsigned codePage = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), codePage);
    if (error != std::errc() || end != text.data() + text.size() || !IsUsableCodePage(codePage))
        return std::nullopt;
    return codePage;
}

}  // namespace

unsigned TargetCodePage(const std::string& windowsDir)
{
    const auto system = FindImageHive(windowsDir, "SYSTEM");
    if (!system || !FindSoftwareHive(windowsDir))
        return kWesternCodePage;
    const ReadOnlyHive hive(*system);
    const auto controlSet = CurrentControlSet(hive);
    const auto codePage = controlSet ? AnsiCodePage(hive, *controlSet) : std::nullopt;
    return codePage.value_or(kWesternCodePage);
}

}  // namespace pelmora
