#pragma once

#include "platform/ViewPort.h"

#include <map>
#include <memory>
#include <string>

namespace pelmora {

// A window without a screen: each control's text and picture kept by its design name, so a
// presenter runs on it exactly as on a shown window (the console's windows, the tests'). Controls
// not yet set read as empty text.
class MemoryView : public ViewPort {
public:
    MemoryView() = default;
    explicit MemoryView(std::map<std::string, std::string, std::less<>> initialTexts) : m_Texts(std::move(initialTexts))
    {
    }

    std::string Text(std::string_view control) const override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetPicture(std::string_view control, std::shared_ptr<const Picture> picture) override;
    void Unload() override { ++m_Unloads; }

    std::shared_ptr<const Picture> PictureOf(std::string_view control) const;
    int Unloads() const { return m_Unloads; }

private:
    std::map<std::string, std::string, std::less<>> m_Texts;
    std::map<std::string, std::shared_ptr<const Picture>, std::less<>> m_Pictures;
    int m_Unloads = 0;
};

}  // namespace pelmora
