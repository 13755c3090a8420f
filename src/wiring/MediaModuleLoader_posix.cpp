#include "wiring/MediaModuleLoader.h"

#include <filesystem>
#include <system_error>

#include <dlfcn.h>

namespace pelmora {

namespace {

struct LoadResult {
    const MediaModuleEntries* entries = nullptr;
    std::string error;
};

std::filesystem::path ModulePath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::path() : self.parent_path()) / PELMORA_MEDIA_MODULE;
}

LoadResult Load()
{
    const std::string path = ModulePath().lexically_normal().string();
    const std::string prefix = "the picture and XML library cannot be loaded: ";
    // Never closed: the toolkit it brings does not unload cleanly.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return {nullptr, prefix + ::dlerror()};
    using EntryPoint = const MediaModuleEntries* (*)();
    auto entry = reinterpret_cast<EntryPoint>(::dlsym(handle, kMediaModuleSymbol));
    const MediaModuleEntries* entries = entry != nullptr ? entry() : nullptr;
    if (entries == nullptr || entries->version != kMediaModuleVersion)
        return {nullptr, prefix + path + " belongs to another version of the program"};
    return {entries, {}};
}

}  // namespace

const MediaModuleEntries* LoadMediaModule(std::string& error)
{
    static const LoadResult loaded = Load();
    error = loaded.error;
    return loaded.entries;
}

}  // namespace pelmora
