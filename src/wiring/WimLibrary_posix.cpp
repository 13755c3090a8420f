#include "wiring/WimLibrary_posix.h"

#include <stdexcept>
#include <string>

#include <dlfcn.h>

namespace pelmora {

namespace {

struct Loaded {
    WimLibrary functions{};
    std::string error;
};

template <typename Function>
void Resolve(void* library, const char* name, Function& function, std::string& error)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    if (function == nullptr && error.empty())
        error = std::string(PELMORA_WIMLIB_SONAME " lacks ") + name;
}

Loaded Load()
{
    Loaded loaded;
    // Never closed: a mount's threads may still run in it when the program ends.
    void* library = ::dlopen(PELMORA_WIMLIB_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        loaded.error = ::dlerror();
        return loaded;
    }
    WimLibrary& f = loaded.functions;
    Resolve(library, "wimlib_open_wim", f.openWim, loaded.error);
    Resolve(library, "wimlib_free", f.free, loaded.error);
    Resolve(library, "wimlib_get_wim_info", f.getWimInfo, loaded.error);
    Resolve(library, "wimlib_get_image_name", f.getImageName, loaded.error);
    Resolve(library, "wimlib_mount_image", f.mountImage, loaded.error);
    Resolve(library, "wimlib_unmount_image", f.unmountImage, loaded.error);
    Resolve(library, "wimlib_get_error_string", f.errorString, loaded.error);
    return loaded;
}

}  // namespace

const WimLibrary& Wimlib()
{
    static const Loaded loaded = Load();
    if (!loaded.error.empty())
        throw std::runtime_error("WIM images need wimlib, which cannot be loaded: " + loaded.error);
    return loaded.functions;
}

}  // namespace pelmora
