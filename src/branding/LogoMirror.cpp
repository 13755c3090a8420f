#include "branding/LogoMirror.h"

#include "branding/OemInformation.h"

namespace pelmora {

BrandingSteps InstallLogoMirror(FilePort& files, PicturePort& pictures, RegistryApi& registry,
                                const BrandingPlaces& places, const Picture& picture)
{
    if (!places.Mirrored())
        return {};
    const std::string what = places.logoFile + " was not written";
    if (const auto refusal = RefuseTooLong(LogoValue(places)))
        return {{Status::Failed(*refusal), what}};
    const std::optional<std::string> bmp = pictures.EncodeFittedBmp32(picture, kLogoBoxSide, kLogoBoxSide);
    if (!bmp)
        return {{Status::Failed("the picture could not be converted to a 32-bit bitmap"), what}};
    BrandingSteps steps{{files.WriteFile(places.logoFile, *bmp), what}};
    if (!steps.front().status)
        return steps;
    for (BrandingStep& step : WriteOemValues(registry, LogoValue(places)))
        steps.push_back(std::move(step));
    return steps;
}

BrandingSteps RemoveLogoMirror(FilePort& files, RegistryApi& registry, const BrandingPlaces& places)
{
    if (!places.Mirrored())
        return {};
    BrandingSteps steps{{files.DeleteFile(places.logoFile), places.logoFile + " was not deleted"}};
    for (BrandingStep& step : WriteOemValues(registry, {{OemValue::Logo, ""}}))
        steps.push_back(std::move(step));
    return steps;
}

}  // namespace pelmora
