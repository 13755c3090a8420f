#include "CurrentWindowsPage.h"

#include "branding/BrandingPlaces.h"
#include "branding/LogoMirror.h"
#include "platform/PictureFit.h"
#include "platform/qt/QtPictures.h"
#include "registry/SystemRegistry.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace pelmora::sysprops {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel* MakeLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The box Windows keeps for the logo, the picture fitted inside; null when there is none.
QLabel* MakeLogo(const std::string& windowsDir, const std::string& logoValue, QWidget* parent)
{
    const std::optional<std::string> file = LogoFileFromValue(logoValue, windowsDir);
    if (!file)
        return nullptr;
    std::string error;
    const auto picture = QtPictures().Load(*file, error);
    if (picture == nullptr)
        return nullptr;
    const QImage image = ImageOf(picture.get());
    const PictureSize fitted = FitInside({image.width(), image.height()}, {kLogoBoxSide, kLogoBoxSide});
    auto* logo = new QLabel(parent);
    logo->setObjectName("CurrentLogo");
    logo->setPixmap(QPixmap::fromImage(
        image.scaled(fitted.width, fitted.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    logo->setFixedSize(kLogoBoxSide, kLogoBoxSide);
    logo->setAlignment(Qt::AlignCenter);
    return logo;
}

}  // namespace

OemValues ReadCurrentBranding()
{
    const auto registry = OpenSystemRegistryForReading();
    return registry ? ReadOemInformation(*registry) : OemValues{};
}

QWidget* BuildCurrentWindowsPage(const std::string& windowsDir, const OemValues& values)
{
    auto* page = new QWidget;
    page->setObjectName("CurrentWindowsPage");
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(16, 16, 16, 16);
    columns->setSpacing(20);
    if (QLabel* logo = MakeLogo(windowsDir, TextOf(values, OemValue::Logo), page))
        columns->addWidget(logo, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    auto* rows = new QFormLayout;
    const struct {
        OemValue value;
        const char* label;
    } shown[] = {
        {OemValue::Manufacturer, "Manufacturer:"},
        {OemValue::Model, "Model:"},
        {OemValue::SupportPhone, "Phone number:"},
        {OemValue::SupportURL, "Website:"},
    };
    for (const auto& row : shown) {
        const std::string& text = TextOf(values, row.value);
        if (!text.empty())
            rows->addRow(row.label, MakeLabel(FromUtf8(text), QString("Current") + OemValueName(row.value), page));
    }
    if (rows->rowCount() == 0)
        right->addWidget(MakeLabel("No maker's information is set for current Windows.", "NoOemInformation", page));
    right->addLayout(rows);
    right->addStretch();
    columns->addLayout(right, 1);
    page->setMinimumSize(400, 260);
    return page;
}

}  // namespace pelmora::sysprops
