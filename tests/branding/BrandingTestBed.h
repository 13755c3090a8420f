#pragma once

#include "branding/BrandingPlaces.h"
#include "platform/LocalFiles.h"
#include "registry/RegistryApi.h"
#include "testing/FakeFaultyFiles.h"
#include "testing/FakeFaultyRegistry.h"
#include "testing/FakePictures.h"
#include "testing/FakeProgramData.h"
#include "testing/TempDir.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::testing {

// One Windows installation in a temporary folder: Windows/System, and Windows/System32 for a
// current Windows, a scratch registry and real files behind fault injectors. Its factory backup
// goes to ProgramData beside the Windows folder on every platform, so tests never touch the
// machine's own.
class BrandingTestBed {
public:
    enum class Kind { Current, Legacy };
    explicit BrandingTestBed(Kind kind = Kind::Current);

    std::string WindowsFile(const std::string& relative) const;  // "System/oeminfo.ini"
    void PutFile(const std::string& path, const std::string& bytes) const;
    std::optional<std::string> FileBytes(const std::string& path) const;

    // The OEMInformation key as the store holds it: every value, type and bytes; nullopt without the key.
    std::optional<std::vector<RegValueEntry>> OemInformationKey();
    void SetOemValue(const std::string& name, std::uint32_t type, const std::string& bytes);

    TempDir temp;
    std::string windowsDir;
    std::unique_ptr<RegistryApi> realRegistry;
    FaultyRegistry registry;
    LocalFiles realFiles;
    FaultyFiles files;
    FakePictures pictures;
    FakeProgramData programData;
    BrandingPlaces places;
};

// A REG_SZ value's bytes as the store hands them out (advapi32 adds the NUL a stored text lacks).
std::string StoredText(const std::string& queried);

}  // namespace pelmora::testing
