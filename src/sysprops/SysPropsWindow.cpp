#include "SysPropsWindow.h"

#include "CurrentWindowsPage.h"
#include "ImageSystemName.h"
#include "oem/OemFileLocations.h"
#include "registry/TargetCodePage.h"
#include "platform/qt/QtPictures.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelmora::sysprops {

namespace {

// The page's room for a line of text, and for the logo: a longer text ends in an ellipsis, a
// larger logo is cut at its right and bottom (never scaled), so no file makes the window grow
// past what a screen shows.
constexpr int kTextWidth = 400;
constexpr QSize kLogoRoom(1024, 1024);

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Elided(const QString& text, const QFont& font)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, kTextWidth);
}

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The logo exactly as stored: not scaled, nothing when the file is missing or broken.
QLabel* MakeLogo(const std::string& windowsDir, QWidget* parent)
{
    QtPictures pictures;
    std::string error;
    auto picture = pictures.Load(OemPath(windowsDir, "oemlogo.bmp"), error);
    if (picture == nullptr)
        return nullptr;
    const QImage image = ImageOf(picture.get());
    const QRect shown = image.rect() & QRect(QPoint(0, 0), kLogoRoom);
    auto* logo = new QLabel(parent);
    logo->setObjectName("OemLogo");
    logo->setPixmap(QPixmap::fromImage(shown == image.rect() ? image : image.copy(shown)));
    logo->setFixedSize(shown.size());
    return logo;
}

}  // namespace

SysPropsWindow::SysPropsWindow(const std::string& windowsDir, const CurrentBranding& current, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_Info(ReadOemInfo(OemPath(windowsDir, "oeminfo.ini"), TargetCodePage(windowsDir)))
{
    setObjectName("SystemProperties");
    setWindowTitle("System Properties");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(BuildGeneralPage(windowsDir), "General");
    tabs->addTab(BuildCurrentWindowsPage(windowsDir, current), "Current Windows");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* SysPropsWindow::BuildGeneralPage(const std::string& windowsDir)
{
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(16, 16, 16, 16);
    columns->setSpacing(20);

    auto* left = new QVBoxLayout;
    if (QLabel* logo = MakeLogo(windowsDir, page))
        left->addWidget(logo, 0, Qt::AlignTop | Qt::AlignHCenter);
    else
        left->addSpacing(0);
    left->addStretch();
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(MakeLabel("System:", "SystemHeading", page));
    auto* system = MakeLabel(FromUtf8(SystemNameOf(windowsDir)), "SystemName", page);
    system->setIndent(16);
    right->addWidget(system);
    right->addSpacing(16);
    if (m_Info)
        right->addWidget(BuildOemBlock(*m_Info));
    right->addStretch();
    columns->addLayout(right);

    page->setMinimumSize(400, 260);
    return page;
}

QWidget* SysPropsWindow::BuildOemBlock(const OemInfo& info)
{
    auto* block = new QWidget;
    block->setObjectName("OemBlock");
    auto* lines = new QVBoxLayout(block);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(4);
    lines->addWidget(MakeLabel("Manufactured and supported by:", "SupportedBy", block));
    for (auto [text, name] : {std::pair{info.manufacturer, "Manufacturer"}, std::pair{info.model, "Model"}}) {
        QLabel* label = MakeLabel({}, name, block);
        label->setText(Elided(FromUtf8(text), label->font()));
        label->setIndent(16);
        lines->addWidget(label);
    }
    if (!info.supportLines.empty()) {
        lines->addSpacing(12);
        auto* button = new QPushButton("Support Information...", block);
        button->setObjectName("SupportButton");
        connect(button, &QPushButton::clicked, this, &SysPropsWindow::ShowSupportInformation);
        lines->addWidget(button, 0, Qt::AlignLeft);
    }
    return block;
}

void SysPropsWindow::ShowSupportInformation()
{
    if (!m_Info)
        return;
    QDialog dialog(this);
    dialog.setObjectName("SupportDialog");
    dialog.setWindowTitle(m_Info->manufacturer.empty()
                              ? QString("Support Information")
                              : Elided(FromUtf8(m_Info->manufacturer), dialog.font()) + " Support Information");
    auto* text = new QPlainTextEdit(&dialog);
    text->setObjectName("SupportText");
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const std::string& line : m_Info->supportLines)
        lines << FromUtf8(line);
    text->setPlainText(lines.join('\n'));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(560, 340);
    dialog.exec();
}

}  // namespace pelmora::sysprops
