#pragma once

#include <string>

namespace pelmora {

// What makes the folder given as a Windows directory on the command line unfit to be branded, for
// the message; empty when it may be used. It must hold System32 or System (any letter case): the
// mount root of an image does not, and the message then names its Windows folder. A SOFTWARE
// hive must be a regular file (never a link), and no link on the way to it may lead out of the
// image, which is the folder holding the Windows directory.
std::string WindowsImageProblem(const std::string& windowsDir);

}  // namespace pelmora
