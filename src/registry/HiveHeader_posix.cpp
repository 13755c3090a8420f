#include "registry/HiveHeader.h"

namespace pelmora {

namespace {

constexpr std::size_t kPrimarySequence = 4;
constexpr std::size_t kSecondarySequence = 8;
constexpr std::size_t kDataSize = 0x28;
constexpr std::size_t kChecksum = 508;

std::uint32_t Word(std::string_view bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

}  // namespace

std::uint32_t HiveHeaderChecksum(std::string_view baseBlock)
{
    std::uint32_t sum = 0;
    for (std::size_t offset = 0; offset < kChecksum; offset += 4)
        sum ^= Word(baseBlock, offset);
    return sum;
}

HiveHeaderState InspectHiveHeader(std::string_view baseBlock, std::uint64_t fileSize)
{
    if (baseBlock.substr(0, 4) != "regf")
        return HiveHeaderState::NotAHive;
    if (baseBlock.size() < kHiveBaseBlockSize || fileSize < kHiveBaseBlockSize)
        return HiveHeaderState::Truncated;
    // Windows stores a sum of 0 as 1 and one of all bits as all bits but the lowest.
    const std::uint32_t sum = HiveHeaderChecksum(baseBlock);
    const std::uint32_t stored = Word(baseBlock, kChecksum);
    const std::uint32_t adjusted = sum == 0 ? 1u : sum == 0xFFFFFFFFu ? 0xFFFFFFFEu : sum;
    if (stored != sum && stored != adjusted)
        return HiveHeaderState::BadChecksum;
    if (fileSize < kHiveBaseBlockSize + std::uint64_t{Word(baseBlock, kDataSize)})
        return HiveHeaderState::Truncated;
    if (Word(baseBlock, kPrimarySequence) != Word(baseBlock, kSecondarySequence))
        return HiveHeaderState::Dirty;
    return HiveHeaderState::Clean;
}

}  // namespace pelmora
