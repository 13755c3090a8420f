#pragma once

#include <wimlib.h>

namespace pelmora {

// The wimlib functions this program calls, from the library loaded on the first use: a command
// without --image starts without it and the XML, NTFS, FUSE and Unicode libraries it brings,
// which would cost every start more than the command itself.
struct WimLibrary {
    decltype(&::wimlib_open_wim) openWim;
    decltype(&::wimlib_free) free;
    decltype(&::wimlib_get_wim_info) getWimInfo;
    decltype(&::wimlib_get_image_name) getImageName;
    decltype(&::wimlib_mount_image) mountImage;
    decltype(&::wimlib_unmount_image) unmountImage;
    decltype(&::wimlib_get_error_string) errorString;
};

// Loads the library once; throws std::runtime_error saying what is missing when it cannot.
const WimLibrary& Wimlib();

}  // namespace pelmora
