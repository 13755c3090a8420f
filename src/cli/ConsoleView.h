#pragma once

#include "platform/ViewPort.h"

#include <map>
#include <memory>
#include <string>

namespace pelmora::cli {

// A window without a screen: each control's text and picture kept by its design name, so a
// presenter runs on it exactly as on a shown window.
class ConsoleView : public ViewPort {
public:
    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetPicture(std::string_view control, std::shared_ptr<const Picture> picture) override;
    void Unload() override;

    std::shared_ptr<const Picture> PictureOf(std::string_view control) const;
    bool Unloaded() const { return m_Unloaded; }

private:
    std::map<std::string, std::string, std::less<>> m_Texts;
    std::map<std::string, std::shared_ptr<const Picture>, std::less<>> m_Pictures;
    bool m_Unloaded = false;
};

}  // namespace pelmora::cli
