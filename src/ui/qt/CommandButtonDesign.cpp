#include "CommandButtonDesign.h"

#include "QtControls.h"
#include "controls/PropertyBagText.h"

namespace pelmora::qt {

ButtonAmbient HostOf(const designs::ControlDesign& button, const designs::WindowDesign& window)
{
    return ButtonAmbient{window.font.value_or(ButtonFont{}), kHostForeColour, button.name};
}

PropertyBag BagOfEntries(const std::vector<designs::PropertyEntry>& entries)
{
    PropertyBag bag;
    for (const designs::PropertyEntry& entry : entries)
        if (const std::optional<PropertyValue> value = ParsePropertyValue(entry.value))
            bag.WriteProperty(entry.name, *value);
    return bag;
}

std::vector<designs::PropertyEntry> EntriesOfBag(const PropertyBag& bag)
{
    std::vector<designs::PropertyEntry> entries;
    for (const PropertyBag::Entry& entry : bag.Entries())
        if (const std::optional<std::string> text = FormatPropertyValue(entry.value))
            entries.push_back({entry.name, *text});
    return entries;
}

std::vector<designs::PropertyEntry> WriteButtonEntries(const CommandButton& button,
                                                       const std::vector<designs::PropertyEntry>& stored)
{
    PropertyBag bag = BagOfEntries(stored);
    button.WriteProperties(bag);
    return EntriesOfBag(bag);
}

CommandButton* CreateCommandButton(const designs::ControlDesign& design, const designs::WindowDesign& window,
                                   QWidget* parent, const std::function<void()>& onClick)
{
    auto* button = new CommandButton(HostOf(design, window), parent);
    button->ReadProperties(BagOfEntries(design.properties));
    PlaceControl(*button, design);
    button->setVisible(design.visible);
    QObject::connect(button, &CommandButton::Click, button, [onClick] {
        if (onClick)
            onClick();
    });
    return button;
}

}  // namespace pelmora::qt
