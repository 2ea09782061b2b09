#include "windows/AboutForm.h"

#include "i18n/Language.h"
#include "windows/DonationForm.h"
#include "windows/LinkButton.h"
#include "windows/PictureForm.h"
#include "windows/ScreenCentre.h"
#include "windows/ThanksForm.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tiplark {
namespace {

constexpr const char* ContactAddress = "mailto:tiplark@example.org";
constexpr const char* HomeAddress = "https://tiplark.example.org/";

// A link-like button that carries a caption or a small picture and opens another window.
QPushButton* makeOpener(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new LinkButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    return button;
}

// Sub-windows are modal to the about window without blocking its caller.
void openOnTop(QDialog* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent, const Language& language, WebLinkLauncher& links, const AssetLocator& assets)
    : QDialog(parent)
    , m_language(language)
    , m_links(links)
    , m_assets(assets)
{
    const auto text = [&language](const char* key) { return QString::fromStdString(language.text(key)); };
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(text("about.title"));
    auto* layout = new QVBoxLayout(this);

    auto* header = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(assets.picture(QStringLiteral("tiplark.png"))
                        .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAccessibleName(QStringLiteral("Tiplark"));
    header->addWidget(icon);
    auto* name = new QLabel(QStringLiteral("<b style='font-size:20px'>Tiplark</b><br>Germany 2006"), this);
    name->setObjectName(QStringLiteral("ProgramNameLbl"));
    header->addWidget(name, 1);
    layout->addLayout(header);

    auto* linkGrid = new QGridLayout;
    const auto addLink = [&](int row, const char* captionKey, const char* name, const QString& shown,
                             const char* address) {
        auto* caption = new QLabel(text(captionKey), this);
        linkGrid->addWidget(caption, row, 0);
        auto* link = new LinkButton(this);
        link->setObjectName(QLatin1String(name));
        link->setAddress(shown);
        link->setAccessibleName(caption->text());
        const std::string target = address;
        connect(link, &QPushButton::clicked, this, [this, target] { m_links.OpenInDefaultBrowser(target); });
        linkGrid->addWidget(link, row, 1);
    };
    addLink(0, "about.contact", "EmailLbl", QStringLiteral("tiplark@example.org"), ContactAddress);
    addLink(1, "about.latest", "WebSiteLbl", QLatin1String(HomeAddress), HomeAddress);
    layout->addLayout(linkGrid);

    QPushButton* thanks = makeOpener(this, "ThanksLbl", text("about.thanks"));
    connect(thanks, &QPushButton::clicked, this, &TAboutForm::ThanksClick);
    layout->addWidget(thanks, 0, Qt::AlignLeft);
    QPushButton* donate = makeOpener(this, "DonateLbl", text("about.donate"));
    connect(donate, &QPushButton::clicked, this, &TAboutForm::DonateClick);
    layout->addWidget(donate, 0, Qt::AlignLeft);

    auto* pictures = new QHBoxLayout;
    const auto addPicture = [&](const char* name, const char* file, const QString& accessibleName,
                                void (TAboutForm::*open)()) {
        QPushButton* button = makeOpener(this, name, {});
        button->setIcon(assets.picture(QLatin1String(file)));
        button->setIconSize(QSize(80, 60));
        button->setAccessibleName(accessibleName);
        button->setToolTip(accessibleName);
        connect(button, &QPushButton::clicked, this, open);
        pictures->addWidget(button);
    };
    addPicture("TributeImage", "valencia.jpg", QStringLiteral("Tribute"), &TAboutForm::TributeClick);
    addPicture("DedicationImage", "dedication.jpg", QStringLiteral("Dedication"), &TAboutForm::DedicationClick);
    pictures->addStretch(1);
    layout->addLayout(pictures);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(text("options.ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitOnScreen(this);
}

void TAboutForm::ThanksClick()
{
    openOnTop(new TThanksForm(this, m_language));
}

void TAboutForm::DonateClick()
{
    openOnTop(new TDonationForm(this, m_language, m_links, m_assets));
}

void TAboutForm::TributeClick()
{
    openOnTop(new TValenciaForm(this, m_assets));
}

void TAboutForm::DedicationClick()
{
    openOnTop(new TDedicationForm(this, m_assets));
}

void showAboutWindow(QWidget* parent, const Language& language, WebLinkLauncher& links)
{
    TAboutForm form(parent, language, links, AssetLocator());
    form.exec();
}

}  // namespace tiplark
