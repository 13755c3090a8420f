#include "profile/ProfileCheck.h"

#include "oem/OemInfoEncoding.h"
#include "profile/ProfileFields.h"

#include <algorithm>
#include <cstdio>

namespace pelmora {

namespace {

class Differences {
public:
    void Add(std::string key, DifferencePlace place, std::string text)
    {
        list.push_back({std::move(key), place, std::move(text)});
    }

    std::vector<ProfileDifference> list;
};

void CompareFields(const ExpectedBranding& expected, const MachineBranding& machine, Differences& out)
{
    for (const ProfileField& field : kProfileFields) {
        const std::string& want = expected.stored.*field.member;
        const std::string& have = machine.stored.*field.member;
        if (have != want) {
            out.Add(field.profileKey, DifferencePlace::Stored,
                    std::string("stored value ") + StoredValueName(field) + " is " + Quoted(have) +
                        ", the profile gives " + Quoted(want));
        }
    }
}

// An OEMInformation value: the empty text stands for no value.
void CompareValue(const std::string& key, OemValue value, const std::string& want, const MachineBranding& machine,
                  DifferencePlace place, Differences& out)
{
    const std::string& have = TextOf(machine.mirror, value);
    if (have == want)
        return;
    out.Add(key, place,
            std::string("OEMInformation value ") + OemValueName(value) + " is " +
                (have.empty() ? "missing" : Quoted(have)) + ", the profile gives " +
                (want.empty() ? "none" : Quoted(want)));
}

void CompareMirror(const ExpectedBranding& expected, const MachineBranding& machine, Differences& out)
{
    for (const ProfileField& field : kProfileFields) {
        if (field.oemValue)
            CompareValue(field.profileKey, *field.oemValue, expected.stored.*field.member, machine, DifferencePlace::Mirror, out);
    }
}

// A file that should hold `want` (none: should not exist). False when it could not be compared
// or does not exist where it should, after noting that.
bool CompareFileState(const std::string& key, DifferencePlace place, const std::string& path,
                      const std::optional<std::string>& want, const FileState& have, Differences& out)
{
    if (!want) {
        if (have.exists)
            out.Add(key, place, path + " exists, the profile gives none");
        return false;
    }
    if (!have.exists) {
        out.Add(key, place, path + " is missing");
        return false;
    }
    if (!have.bytes) {
        out.Add(key, place, path + " could not be read: " + have.error);
        return false;
    }
    return true;
}

void CompareInfoFile(const ExpectedBranding& expected, const MachineBranding& machine, Differences& out)
{
    const std::string& path = machine.places.legacyInfo;
    const FileState& file = machine.legacyInfo;
    if (!CompareFileState(kInfoFileKey, DifferencePlace::InfoFile, path, expected.infoFile, file, out) ||
        *file.bytes == expected.infoFile)
        return;
    // Compared as text, whole; the bytes decide only whether the file is in the encoding it should be.
    const std::string wantText = OemInfoFileText(expected.infoFile, expected.codePage);
    const std::string haveText = OemInfoFileText(*file.bytes, expected.codePage);
    const std::vector<std::string> want = CrLfLines(wantText);
    const std::vector<std::string> have = CrLfLines(haveText);
    if (want.size() != have.size()) {
        out.Add(kInfoFileKey, DifferencePlace::InfoFile,
                path + " has " + std::to_string(have.size()) + " lines, the profile gives " +
                    std::to_string(want.size()) + (WantsSupportSection(expected.stored) ? " (with the support section)"
                                                                                         : " (the general section only)"));
        return;
    }
    bool lineDiffers = false;
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (want[i] == have[i])
            continue;
        lineDiffers = true;
        const std::string& key = expected.infoLineKeys[i];
        out.Add(key.empty() ? kInfoFileKey : key, DifferencePlace::InfoFile,
                path + " line " + std::to_string(i + 1) + " is " + Quoted(have[i]) +
                    ", the profile gives " + Quoted(want[i]));
    }
    if (lineDiffers)
        return;
    if (haveText == wantText)
        out.Add(kInfoFileKey, DifferencePlace::InfoFile,
                path + " holds the text in another encoding than " +
                    (expected.infoFile.starts_with("\xFF\xFE") ? std::string("UTF-16LE")
                                                               : "code page " + std::to_string(expected.codePage)));
    else
        out.Add(kInfoFileKey, DifferencePlace::InfoFile, path + " does not end its lines with CR LF as the profile gives");
}

void CompareLogo(const ExpectedBranding& expected, const MachineBranding& machine, Differences& out)
{
    auto compare = [&](const std::string& path, const std::optional<std::string>& want, const FileState& have) {
        if (CompareFileState(kLogoKey, DifferencePlace::Logo, path, want, have, out) && *have.bytes != *want)
            out.Add(kLogoKey, DifferencePlace::Logo, path + " is not the bitmap the profile's picture gives");
    };
    compare(machine.places.legacyLogo, expected.legacyLogo, machine.legacyLogo);
    if (!machine.places.Mirrored())
        return;
    compare(machine.places.logoFile, expected.mirrorLogo, machine.mirrorLogo);
    CompareValue(kLogoKey, OemValue::Logo, expected.logoValue, machine, DifferencePlace::Logo, out);
}

// The logo first, then the fields in the profile's order, then what no one field explains.
int Rank(const std::string& key)
{
    if (key == kLogoKey)
        return -1;
    for (std::size_t i = 0; i < std::size(kProfileFields); ++i) {
        if (key == kProfileFields[i].profileKey)
            return static_cast<int>(i);
    }
    return static_cast<int>(std::size(kProfileFields));
}

}  // namespace

std::vector<ProfileDifference> CompareBranding(const ExpectedBranding& expected, const MachineBranding& machine)
{
    Differences out;
    CompareLogo(expected, machine, out);
    CompareFields(expected, machine, out);
    if (machine.places.Mirrored())
        CompareMirror(expected, machine, out);
    CompareInfoFile(expected, machine, out);
    // Each key's lines together, so a report reads field by field.
    std::stable_sort(out.list.begin(), out.list.end(),
                     [](const ProfileDifference& a, const ProfileDifference& b) { return Rank(a.key) < Rank(b.key); });
    return std::move(out.list);
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace pelmora
