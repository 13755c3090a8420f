// An offline image's hive file with any bytes: the store opens it, lists its keys and reads
// every value it finds, as the registry console and the commands would, and never crashes.
#include "FuzzCheck.h"

#include "registry/HiveHeader.h"
#include "registry/HiveRegistry.h"
#include "registry/RegString.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace pelmora;

// A folder of this process's own for the hive file, gone when the process ends.
const std::string& HivePath()
{
    static const std::string path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "pelmora-fuzz-hive-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            std::abort();
        static const std::string remove = folder;
        std::atexit([] { std::filesystem::remove_all(remove); });
        return folder + "/SOFTWARE";
    }();
    return path;
}

void PutWord(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A mutation almost never keeps the base block's checksum right, nor its size of the data when
// the length changes, and a hive with either wrong is not read at all: inputs of even length
// get both put right, so mutations reach the cells; odd ones are taken as they are.
std::string Hive(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size % 2 == 0 && size >= kHiveBaseBlockSize) {
        constexpr std::size_t kDataSize = 0x28;
        const std::uint32_t room = static_cast<std::uint32_t>((size - kHiveBaseBlockSize) & ~std::size_t{0xFFF});
        std::uint32_t declared = 0;
        for (std::size_t i = 0; i < 4; ++i)
            declared |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[kDataSize + i])) << (8 * i);
        if (declared > room)
            PutWord(bytes, kDataSize, room);
        std::uint32_t sum = HiveHeaderChecksum(bytes);
        sum = sum == 0 ? 1u : sum == 0xFFFFFFFFu ? 0xFFFFFFFEu : sum;
        PutWord(bytes, 508, sum);
    }
    return bytes;
}

constexpr int kMaxDepth = 6;
constexpr std::size_t kMaxKeys = 200;

void ReadKey(HiveRegistry& hive, const std::string& path, int depth, std::size_t& keys)
{
    RegKey key = 0;
    if (++keys > kMaxKeys || hive.OpenKey(RegRoot::LocalMachine, path, key) != kRegSuccess)
        return;
    std::vector<RegValueEntry> values;
    if (hive.EnumValues(key, values) == kRegSuccess) {
        for (const RegValueEntry& value : values) {
            std::uint32_t type = 0;
            std::uint32_t size = 0;
            if (hive.QueryValue(key, value.name, &type, nullptr, &size) != kRegSuccess)
                continue;
            std::vector<char> data(size + 1);
            std::uint32_t room = size;
            hive.QueryValue(key, value.name, &type, data.data(), &room);
            ReadRegString(hive, RegRoot::LocalMachine, path, value.name, "");
        }
    }
    std::vector<std::string> subKeys;
    if (depth < kMaxDepth && hive.EnumSubKeys(key, subKeys) == kRegSuccess) {
        for (const std::string& name : subKeys)
            ReadKey(hive, path.empty() ? name : path + "\\" + name, depth + 1, keys);
    }
    hive.CloseKey(key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = HivePath();
    const std::string bytes = Hive(data, size);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
        std::abort();

    HiveRegistryOptions options;
    options.path = path;
    options.lockTimeoutMs = 0;
    options.syncToDisk = false;
    HiveRegistry hive(options);
    std::size_t keys = 0;
    ReadKey(hive, "", 0, keys);
    ReadRegString(hive, RegRoot::LocalMachine, "Microsoft\\Windows\\CurrentVersion\\OEMInformation", "Manufacturer", "");
    return 0;
}
