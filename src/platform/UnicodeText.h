#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// Text in memory is UTF-8; Windows keeps text as UTF-16LE (registry values, hives, a Unicode
// oeminfo.ini). The same conversion on every platform, so both builds store the same bytes.

// UTF-8 as UTF-16LE bytes; a byte that is not part of a valid sequence becomes U+FFFD.
std::string Utf16LeFromUtf8(std::string_view utf8);

// UTF-16LE bytes as UTF-8; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
std::string Utf8FromUtf16Le(std::string_view bytes);

// The length of the valid UTF-8 sequence at `offset`, or 0 when none starts there.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t offset);

// The offset of the first byte that is not part of a valid UTF-8 sequence; npos when all are.
std::size_t FirstInvalidUtf8(std::string_view text);

}  // namespace pelmora
