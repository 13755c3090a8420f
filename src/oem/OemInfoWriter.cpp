#include "oem/OemInfoWriter.h"

#include "oem/OemInfoLayout.h"

namespace pelmora {

namespace {

Status RefuseLineBreak(const std::string& field)
{
    return Status::Failed(field + " contains a line break, which would start a new line in the file");
}

}  // namespace

Status WriteFullLayout(FilePort& files, const std::string& path, const SupportInfo& info, unsigned codePage)
{
    if (const auto field = FieldWithLineBreak(info))
        return RefuseLineBreak(*field);
    return files.WriteFile(path, FullLayoutBytes(info, codePage));
}

Status WriteShortLayout(FilePort& files, const std::string& path, const std::string& manufacturer,
                        const std::string& model, unsigned codePage)
{
    if (const auto field = FieldWithLineBreak(manufacturer, model))
        return RefuseLineBreak(*field);
    return files.WriteFile(path, ShortLayoutBytes(manufacturer, model, codePage));
}

}  // namespace pelmora
