#include "profile/ExpectedBranding.h"

#include "branding/LogoMirror.h"
#include "profile/ProfileFields.h"
#include "registry/TargetCodePage.h"

namespace pelmora {

namespace {

// Which line shows which field: the lines that change when only that field changes.
std::vector<std::string> LineKeys(const SupportInfo& info, bool supportSection)
{
    const std::vector<std::string> lines = CrLfLines(InfoFileText(info, supportSection));
    std::vector<std::string> keys(lines.size());
    for (const ProfileField& field : kProfileFields) {
        SupportInfo changed = info;
        changed.*field.member += "\x01";
        const std::vector<std::string> changedLines = CrLfLines(InfoFileText(changed, supportSection));
        for (std::size_t i = 0; i < lines.size() && i < changedLines.size(); ++i) {
            if (lines[i] != changedLines[i])
                keys[i] = field.profileKey;
        }
    }
    return keys;
}

}  // namespace

std::optional<ExpectedBranding> ExpectBranding(const BrandingProfile& profile, const Picture* logo,
                                               PicturePort& pictures, const BrandingPlaces& places,
                                               std::string& error)
{
    ExpectedBranding expected;
    for (const ProfileField& field : kProfileFields)
        expected.stored.*field.member = AsStored(profile.info.*field.member);
    const bool supportSection = WantsSupportSection(profile.info);
    expected.codePage = TargetCodePage(places.windowsDir);
    expected.infoFile = InfoFileBytes(profile.info, supportSection, expected.codePage);
    expected.infoLineKeys = LineKeys(profile.info, supportSection);
    if (logo == nullptr)
        return expected;

    expected.legacyLogo = pictures.EncodeBmp(*logo);
    if (!expected.legacyLogo) {
        error = "the logo could not be converted to a bitmap";
        return std::nullopt;
    }
    if (places.Mirrored()) {
        expected.mirrorLogo = pictures.EncodeFittedBmp32(*logo, kLogoBoxSide, kLogoBoxSide);
        if (!expected.mirrorLogo) {
            error = "the logo could not be converted to a 32-bit bitmap";
            return std::nullopt;
        }
        expected.logoValue = AsStored(places.logoValue);
    }
    return expected;
}

std::vector<std::string> CrLfLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace pelmora
