#include "windows/DonationForm.h"

#include "i18n/Language.h"
#include "windows/ScreenCentre.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tiplark {
namespace {

struct DonationButton {
    const char* name;
    const char* picture;
    const char* accessibleNameKey;
    const char* address;
};
constexpr DonationButton DonationButtons[] = {
    {"DonateEuroImage", "donate-euro.png", "donation.euros", "https://www.paypal.com/donate/?currency_code=EUR"},
    {"DonateDollarImage", "donate-dollar.png", "donation.dollars", "https://www.paypal.com/donate/?currency_code=USD"},
};

}  // namespace

TDonationForm::TDonationForm(QWidget* parent, const Language& language, WebLinkLauncher& links,
                             const AssetLocator& assets)
    : QDialog(parent)
{
    const auto text = [&language](const char* key) { return QString::fromStdString(language.text(key)); };
    setObjectName(QStringLiteral("DonationForm"));
    setWindowTitle(text("title.prefix") + text("donation.title"));

    auto* layout = new QVBoxLayout(this);
    for (const char* key : {"donation.line1", "donation.line2", "donation.line3", "donation.line4"}) {
        auto* line = new QLabel(text(key), this);
        line->setObjectName(QLatin1String(key));
        line->setWordWrap(true);
        line->setFixedWidth(440);
        layout->addWidget(line);
    }
    auto* row = new QHBoxLayout;
    for (const DonationButton& donation : DonationButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(donation.name));
        const QPixmap picture = assets.picture(QLatin1String(donation.picture));
        button->setIcon(picture);
        button->setIconSize(picture.isNull() ? QSize(160, 44) : picture.size());
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        button->setAccessibleName(text(donation.accessibleNameKey));
        button->setToolTip(QLatin1String(donation.address));
        const std::string address = donation.address;
        connect(button, &QPushButton::clicked, this, [&links, address] { links.OpenInDefaultBrowser(address); });
        row->addWidget(button);
    }
    layout->addLayout(row);
    auto* thanks = new QLabel(text("donation.thanks"), this);
    thanks->setObjectName(QStringLiteral("donation.thanks"));
    QFont bold = thanks->font();
    bold.setBold(true);
    thanks->setFont(bold);
    thanks->setAlignment(Qt::AlignCenter);
    layout->addWidget(thanks);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(text("donation.ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitOnScreen(this);
}

void showDonationWindow(QWidget* parent, const Language& language, WebLinkLauncher& links)
{
    TDonationForm form(parent, language, links, AssetLocator());
    form.exec();
}

}  // namespace tiplark
