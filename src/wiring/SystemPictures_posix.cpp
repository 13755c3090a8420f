#include "wiring/SystemPictures.h"

#include "wiring/MediaModuleLoader.h"

namespace pelmora {

namespace {

// Qt's pictures from the media module, loaded when the first picture is: a command that shows
// no picture never loads the toolkit.
class ModulePictures final : public PicturePort {
public:
    std::shared_ptr<const Picture> Load(const std::string& path, std::string& error) override
    {
        return Loaded(error) ? m_Pictures->Load(path, error) : nullptr;
    }

    // A picture comes from Load, so the module is there by now.
    std::optional<std::string> EncodeBmp(const Picture& picture) override
    {
        std::string error;
        return Loaded(error) ? m_Pictures->EncodeBmp(picture) : std::nullopt;
    }

    std::optional<std::string> EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight) override
    {
        std::string error;
        return Loaded(error) ? m_Pictures->EncodeFittedBmp32(picture, boxWidth, boxHeight) : std::nullopt;
    }

private:
    bool Loaded(std::string& error)
    {
        if (!m_Pictures) {
            if (const MediaModuleEntries* module = LoadMediaModule(error))
                m_Pictures = module->newPictures();
        }
        return m_Pictures != nullptr;
    }

    std::unique_ptr<PicturePort> m_Pictures;
};

}  // namespace

std::unique_ptr<PicturePort> MakeSystemPictures() { return std::make_unique<ModulePictures>(); }

}  // namespace pelmora
