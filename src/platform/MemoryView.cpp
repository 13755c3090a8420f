#include "platform/MemoryView.h"

namespace pelmora {

std::string MemoryView::Text(std::string_view control) const
{
    const auto it = m_Texts.find(control);
    return it == m_Texts.end() ? std::string() : it->second;
}

void MemoryView::SetText(std::string_view control, const std::string& text)
{
    m_Texts.insert_or_assign(std::string(control), text);
}

void MemoryView::SetPicture(std::string_view control, std::shared_ptr<const Picture> picture)
{
    m_Pictures.insert_or_assign(std::string(control), std::move(picture));
}

std::shared_ptr<const Picture> MemoryView::PictureOf(std::string_view control) const
{
    const auto it = m_Pictures.find(control);
    return it == m_Pictures.end() ? nullptr : it->second;
}

}  // namespace pelmora
