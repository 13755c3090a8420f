#pragma once

#include <cstdint>
#include <string_view>

namespace pelmora {

// REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ: the types whose data the entry points hand out as text.
bool IsRegTextType(std::uint32_t type);

// What RegQueryValueEx gives for a value of type `storedType` whose data the caller sees as
// `bytes`: the type and the size needed; with a buffer of `*size` bytes the data, or kRegMoreData
// when it is too small. Text without a NUL of its own gets one after it where the buffer has room,
// not counted in the size, as advapi32's ANSI entry point does; nothing else is written beyond the
// data. A buffer without a size is kRegInvalidParameter.
long CopyOutValue(std::uint32_t storedType, std::string_view bytes, std::uint32_t* type, char* data,
                  std::uint32_t* size);

}  // namespace pelmora
