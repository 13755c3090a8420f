#include "CurrentWindowsPage.h"

#include "branding/BrandingPlaces.h"
#include "branding/LogoMirror.h"
#include "platform/PictureFit.h"
#include "platform/qt/QtPictures.h"
#include "registry/RegReadCheck.h"
#include "registry/SystemRegistry.h"

#include <QFont>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace pelmora::sysprops {

namespace {

// The page's room for a line of text, as on the General page: a longer text ends in an ellipsis.
constexpr int kTextWidth = 400;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Elided(const QString& text, const QFont& font)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, kTextWidth);
}

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

// A row of a section, its text cut to the page's width (the whole text is its tool tip).
void AddRow(QFormLayout& rows, const char* label, const std::string& text, const QString& name, QWidget* page)
{
    const QString whole = FromUtf8(text);
    QLabel* shown = MakeLabel(Elided(whole, page->font()), name, page);
    shown->setToolTip(whole);
    rows.addRow(label, shown);
}

// A titled block of rows; false, and nothing added, when none of its values is set.
bool AddSection(const char* title, QFormLayout* rows, QVBoxLayout& into, QWidget* page)
{
    if (rows->rowCount() == 0) {
        delete rows;
        return false;
    }
    QLabel* heading = MakeLabel(title, QString(title).remove(' '), page);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    into.addWidget(heading);
    into.addLayout(rows);
    return true;
}

// Settings' About page: its Support section.
bool AddSupportSection(const OemValues& values, QVBoxLayout& into, QWidget* page)
{
    auto* rows = new QFormLayout;
    const struct {
        OemValue value;
        const char* label;
    } shown[] = {
        {OemValue::Manufacturer, "Manufacturer:"}, {OemValue::Model, "Model:"},
        {OemValue::SupportPhone, "Phone number:"}, {OemValue::SupportHours, "Hours:"},
        {OemValue::SupportURL, "Website:"},
    };
    for (const auto& row : shown) {
        if (const std::string& text = TextOf(values, row.value); !text.empty())
            AddRow(*rows, row.label, text, QString("Current") + OemValueName(row.value), page);
    }
    return AddSection("Support", rows, into, page);
}

// Get Help's contact: the provider's name (else the manufacturer's) and what it opens, the
// support app before the website.
bool AddGetHelp(const OemValues& values, QVBoxLayout& into, QWidget* page)
{
    auto* rows = new QFormLayout;
    const std::string& provider = TextOf(values, OemValue::SupportProvider);
    const std::string& name = provider.empty() ? TextOf(values, OemValue::Manufacturer) : provider;
    if (!name.empty())
        AddRow(*rows, "Contact:", name, "GetHelpContact", page);
    const std::string& app = TextOf(values, OemValue::SupportAppURL);
    const std::string& opens = app.empty() ? TextOf(values, OemValue::SupportURL) : app;
    if (!opens.empty())
        AddRow(*rows, app.empty() ? "Opens the website:" : "Opens the support app:", opens, "GetHelpOpens", page);
    return AddSection("Get Help", rows, into, page);
}

}  // namespace

CurrentBranding ReadCurrentBranding(const std::string& windowsDir)
{
    const auto registry = OpenSystemRegistryForReading(windowsDir);
    if (!registry)
        return {};
    const RegReadCheck reads(*registry);
    OemValues values = ReadOemInformation(*registry);
    return {std::move(values), reads.Failure()};
}

QWidget* BuildCurrentWindowsPage(const std::string& windowsDir, const CurrentBranding& current)
{
    const OemValues& values = current.values;
    auto* page = new QWidget;
    page->setObjectName("CurrentWindowsPage");
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(16, 16, 16, 16);
    columns->setSpacing(20);
    if (QLabel* logo = MakeLogo(windowsDir, TextOf(values, OemValue::Logo), page))
        columns->addWidget(logo, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    if (current.unread) {
        right->addWidget(MakeLabel(Elided("The OEMInformation values could not be read: " +
                                              FromUtf8(*current.unread), page->font()),
                                   "UnreadOemInformation", page));
    } else {
        const bool support = AddSupportSection(values, *right, page);
        const bool getHelp = AddGetHelp(values, *right, page);
        if (!support && !getHelp)
            right->addWidget(MakeLabel("No maker's information is set for current Windows.", "NoOemInformation", page));
    }
    right->addStretch();
    columns->addLayout(right, 1);
    page->setMinimumSize(400, 260);
    return page;
}

}  // namespace pelmora::sysprops
