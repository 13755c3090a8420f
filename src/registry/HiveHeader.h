#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pelmora {

// A registry hive file begins with a 4 KiB base block: "regf", two sequence numbers, the size of
// the hive's data after the block, and a checksum over the block's first 508 bytes. Windows raises
// the first sequence number before it writes to the hive and sets the second to match when it has
// finished, so numbers that differ mean the hive's latest changes are still in its log files.
inline constexpr std::size_t kHiveBaseBlockSize = 4096;

enum class HiveHeaderState {
    Clean,
    Dirty,        // the sequence numbers differ
    NotAHive,     // no "regf" signature
    Truncated,    // shorter than its base block says
    BadChecksum,  // the base block is damaged
};

// `baseBlock` is the start of the file (up to its first 4 KiB), `fileSize` the size of the whole file.
HiveHeaderState InspectHiveHeader(std::string_view baseBlock, std::uint64_t fileSize);

// The XOR of the base block's first 127 little-endian 32-bit words.
std::uint32_t HiveHeaderChecksum(std::string_view baseBlock);

}  // namespace pelmora
