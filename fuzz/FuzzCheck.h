#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A property a harness checks on every input: when it fails, the input is a finding, so the
// process stops the way the fuzzer and the replay driver both notice.
#define PELMORA_FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::pelmora::fuzz::Fail(#condition, __FILE__, __LINE__))

namespace pelmora::fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
    std::abort();
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace pelmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
