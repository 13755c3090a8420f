#include "platform/ProtectedFolder.h"

namespace pelmora {

Status ProtectFolderForAdministrators(const std::string&) { return Status::Ok(); }

}  // namespace pelmora
