#pragma once

#include "registry/RegistryApi.h"

#include <optional>
#include <string>

namespace pelmora {

// Taken before a command's reads: says afterwards whether each of them reached the store, so a
// default text that stands for a failed read is not taken for an absent value.
class RegReadCheck {
public:
    explicit RegReadCheck(const RegistryApi& api) : m_Api(api), m_Before(api.ReadFailures().count) {}

    // Why the latest read since then failed, naming the store; none when every read was answered.
    std::optional<std::string> Failure() const
    {
        RegReadFailures now = m_Api.ReadFailures();
        if (now.count == m_Before)
            return std::nullopt;
        return std::move(now.latest);
    }

private:
    const RegistryApi& m_Api;
    std::uint64_t m_Before;
};

}  // namespace pelmora
