#include "oem/CommandJournal.h"

#include <charconv>
#include <cstdint>

namespace pelmora {

namespace {

constexpr std::string_view kHeader = "pelmora command journal 1\n";
constexpr std::string_view kEnd = "end ";

// FNV-1a: enough to tell a journal cut short or overwritten by chance, which is all it guards.
std::uint64_t Checksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex(std::uint64_t value)
{
    char text[17] = {};
    const auto end = std::to_chars(text, text + 16, value, 16).ptr;
    return std::string(text, end);
}

class Writer {
public:
    void Field(std::string_view bytes)
    {
        m_Text += std::to_string(bytes.size());
        m_Text += ':';
        m_Text += bytes;
        m_Text += '\n';
    }
    void Number(std::uint64_t value) { Field(std::to_string(value)); }

    void Snapshot(const RegistrySnapshot& snapshot)
    {
        Number(snapshot.size());
        for (const TreeSnapshot& tree : snapshot) {
            Number(static_cast<std::uint32_t>(tree.root));
            Field(tree.path);
            Number(tree.present ? 1 : 0);
            Number(tree.keys.size());
            for (const KeySnapshot& key : tree.keys) {
                Field(key.path);
                Number(key.values.size());
                for (const RegValueEntry& value : key.values) {
                    Field(value.name);
                    Number(value.type);
                    Field(value.data);
                }
            }
        }
    }

    std::string Finish() &&
    {
        m_Text += std::string(kEnd) + Hex(Checksum(m_Text)) + "\n";
        return std::move(m_Text);
    }

    std::string m_Text{kHeader};
};

class Reader {
public:
    explicit Reader(std::string_view text) : m_Rest(text) {}

    std::optional<std::string> Field()
    {
        std::size_t size = 0;
        const auto [colon, error] = std::from_chars(m_Rest.data(), m_Rest.data() + m_Rest.size(), size);
        const std::size_t digits = static_cast<std::size_t>(colon - m_Rest.data());
        if (error != std::errc() || digits == 0 || m_Rest.size() < digits + 2 || *colon != ':' ||
            size > m_Rest.size() - digits - 2 || m_Rest[digits + 1 + size] != '\n')
            return std::nullopt;
        std::string field(m_Rest.substr(digits + 1, size));
        m_Rest.remove_prefix(digits + size + 2);
        return field;
    }

    std::optional<std::uint64_t> Number(std::uint64_t limit)
    {
        const std::optional<std::string> field = Field();
        std::uint64_t value = 0;
        if (!field)
            return std::nullopt;
        const auto [end, error] = std::from_chars(field->data(), field->data() + field->size(), value);
        if (error != std::errc() || end != field->data() + field->size() || field->empty() || value > limit)
            return std::nullopt;
        return value;
    }

    bool Snapshot(RegistrySnapshot& snapshot)
    {
        const auto trees = Number(1000);
        for (std::uint64_t t = 0; trees && t < *trees; ++t) {
            TreeSnapshot tree;
            const auto root = Number(0xFFFFFFFFu);
            const auto path = Field();
            const auto present = Number(1);
            const auto keys = Number(1u << 20);
            if (!root || !path || !present || !keys)
                return false;
            tree = {static_cast<RegRoot>(*root), *path, *present == 1, {}};
            for (std::uint64_t k = 0; k < *keys; ++k) {
                KeySnapshot key;
                if (!Key(key))
                    return false;
                tree.keys.push_back(std::move(key));
            }
            snapshot.push_back(std::move(tree));
        }
        return trees.has_value();
    }

    bool AtEnd() const { return m_Rest.empty(); }

private:
    bool Key(KeySnapshot& key)
    {
        const auto path = Field();
        const auto values = Number(1u << 20);
        if (!path || !values)
            return false;
        key.path = *path;
        for (std::uint64_t v = 0; v < *values; ++v) {
            const auto name = Field();
            const auto type = Number(0xFFFFFFFFu);
            const auto data = Field();
            if (!name || !type || !data)
                return false;
            key.values.push_back({*name, static_cast<std::uint32_t>(*type), *data});
        }
        return true;
    }

    std::string_view m_Rest;
};

// The fields between the header and the checksum line; none when either does not hold.
std::optional<std::string_view> Body(std::string_view bytes)
{
    if (bytes.substr(0, kHeader.size()) != kHeader || bytes.empty() || bytes.back() != '\n')
        return std::nullopt;
    const std::size_t end = bytes.rfind(kEnd);
    if (end == std::string_view::npos || end < kHeader.size() || bytes[end - 1] != '\n')
        return std::nullopt;
    const std::string_view sum = bytes.substr(end + kEnd.size(), bytes.size() - end - kEnd.size() - 1);
    if (sum != Hex(Checksum(bytes.substr(0, end))))
        return std::nullopt;
    return bytes.substr(kHeader.size(), end - kHeader.size());
}

}  // namespace

std::string EncodeJournal(const CommandJournal& journal)
{
    Writer writer;
    writer.Field(journal.holder);
    writer.Number(journal.files.size());
    for (const JournaledFile& file : journal.files) {
        writer.Field(file.path);
        writer.Number(file.bytes ? 1 : 0);
        writer.Field(file.bytes.value_or(""));
    }
    writer.Snapshot(journal.before);
    writer.Number(journal.after ? 1 : 0);
    if (journal.after)
        writer.Snapshot(*journal.after);
    return std::move(writer).Finish();
}

std::optional<CommandJournal> DecodeJournal(std::string_view bytes)
{
    const std::optional<std::string_view> body = Body(bytes);
    if (!body)
        return std::nullopt;
    Reader reader(*body);
    CommandJournal journal;
    const auto holder = reader.Field();
    const auto files = reader.Number(1u << 20);
    if (!holder || !files)
        return std::nullopt;
    journal.holder = *holder;
    for (std::uint64_t f = 0; f < *files; ++f) {
        const auto path = reader.Field();
        const auto present = reader.Number(1);
        auto content = reader.Field();
        if (!path || !present || !content)
            return std::nullopt;
        journal.files.push_back({*path, *present == 1 ? std::move(content) : std::nullopt});
    }
    if (!reader.Snapshot(journal.before))
        return std::nullopt;
    const auto committing = reader.Number(1);
    if (!committing)
        return std::nullopt;
    if (*committing == 1 && !reader.Snapshot(journal.after.emplace()))
        return std::nullopt;
    if (!reader.AtEnd())
        return std::nullopt;
    return journal;
}

}  // namespace pelmora
