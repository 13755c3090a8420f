#include "ImageSystemName.h"

#include "registry/ImageRegistry.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "registry/SystemRegistry.h"

#include <QString>
#include <QSysInfo>

namespace pelmora::sysprops {

namespace {

std::string Value(RegistryApi& registry, const char* name)
{
    return ReadRegString(registry, RegRoot::LocalMachine, kCurrentVersionKey, name, "");
}

}  // namespace

std::string SystemNameOf(const std::string& windowsDir)
{
    const auto host = [] { return QSysInfo::prettyProductName().toStdString(); };
    if (!FindSoftwareHive(windowsDir))
        return host();
    const auto registry = OpenSystemRegistryForReading(windowsDir);
    if (!registry)
        return host();
    std::string name = Value(*registry, "ProductName");
    if (name.empty())
        name = "Windows";
    std::string version = Value(*registry, "DisplayVersion");
    for (const char* older : {"ReleaseId", "CurrentVersion"}) {
        if (version.empty())
            version = Value(*registry, older);
    }
    const std::string build = Value(*registry, "CurrentBuild");
    if (!version.empty())
        name += "\nVersion " + version;
    if (!build.empty())
        name += (version.empty() ? "\nBuild " : " (build ") + build + (version.empty() ? "" : ")");
    return name;
}

}  // namespace pelmora::sysprops
