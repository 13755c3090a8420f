#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace pelmora {

class Picture;

// What a presenter may do to its window. Controls are addressed by their design names
// ("Text1", "La11", "Picture1"); text boxes and labels share Text/SetText.
class ViewPort {
public:
    virtual ~ViewPort() = default;

    virtual std::string Text(std::string_view control) const = 0;
    virtual void SetText(std::string_view control, const std::string& text) = 0;

    // A null picture clears the element.
    virtual void SetPicture(std::string_view control, std::shared_ptr<const Picture> picture) = 0;

    // Unloads this window.
    virtual void Unload() = 0;
};

}  // namespace pelmora
