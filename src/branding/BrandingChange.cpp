#include "branding/BrandingChange.h"

#include "branding/FactoryBackup.h"

namespace pelmora {

namespace {

// A reason inside a sentence: without the line break or full stop some system texts end in.
std::string Reason(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

}  // namespace

std::optional<std::string> RefuseRegistryChange(RegistryApi& registry)
{
    if (const long code = registry.CanChange(); code != kRegSuccess)
        return "Nothing was changed: " + Reason(registry.DescribeError(code)) + ".";
    return std::nullopt;
}

std::optional<std::string> RefuseBrandingChange(FilePort& files, RegistryApi& registry, const BrandingPlaces& places,
                                                const OemValues& mirrored)
{
    if (auto refusal = RefuseRegistryChange(registry))
        return refusal;
    if (places.Mirrored()) {
        if (auto refusal = RefuseTooLong(mirrored))
            return refusal;
    }
    if (const auto folder = RefusedBrandingFolder(files, places))
        return "Nothing was changed: " + Reason(*folder) + ".";
    if (const Status kept = EnsureFactoryBackup(files, registry, places); !kept)
        return "Nothing was changed: the factory branding could not be saved first: " + Reason(kept.error) + ".";
    return std::nullopt;
}

}  // namespace pelmora
