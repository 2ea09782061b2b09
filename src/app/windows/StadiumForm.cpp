#include "windows/StadiumForm.h"

#include "venues/VenueTable.h"
#include "windows/LinkButton.h"
#include "windows/ScreenCentre.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tiplark {
namespace {

// The room the window and the venue pictures were designed for.
constexpr QSize SmallestWindow(560, 471);
constexpr QSize PictureSize(353, 241);

QLabel* makeCaption(QWidget* parent, const char* name, const std::string& text)
{
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QPushButton* makeArrow(QWidget* parent, const char* name, const std::string& caption, const QPixmap& glyph)
{
    const QString accessibleName = QString::fromStdString(caption);
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(44, 44);
    button->setIcon(glyph);
    button->setIconSize(QSize(24, 24));
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TStadiumForm::TStadiumForm(QWidget* parent, const Language& language, int venueNumber, WebLinkLauncher& links,
                           const AssetLocator& assets)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_browser(language, venueNumber)
    , m_links(links)
{
    setObjectName(QStringLiteral("StadiumForm"));
    setWindowTitle(QString::fromStdString(m_browser.caption()));

    m_stadiumName = new QLabel(this);
    m_stadiumName->setObjectName(QStringLiteral("StadiumNamePanel"));
    m_stadiumName->setAlignment(Qt::AlignCenter);
    m_stadiumName->setMinimumHeight(34);
    QFont nameFont = m_stadiumName->font();
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    m_stadiumName->setFont(nameFont);
    m_stadiumName->setAccessibleName(QString::fromStdString(language.text("venue.stadiumName")));

    // The twelve pictures lie on top of each other; one at a time is shown.
    m_pictures = new QWidget(this);
    m_pictures->setObjectName(QStringLiteral("Panel1"));
    m_pictures->setFixedSize(PictureSize);
    for (const VenueInfo& venue : venues()) {
        auto* picture = new QLabel(m_pictures);
        picture->setObjectName(QLatin1String(venue.picture));
        picture->setGeometry(QRect(QPoint(), PictureSize));
        picture->setScaledContents(true);
        picture->setPixmap(assets.picture(QLatin1String(venue.pictureFile)));
        picture->setAccessibleName(QString::fromStdString(language.text(venue.cityKey) + venue.suffix));
        picture->hide();
    }

    QPushButton* left = makeArrow(this, "LeftButton", language.text("venue.previous"),
                                  assets.picture(QStringLiteral("arrow-left.png")));
    QPushButton* right = makeArrow(this, "RightButton", language.text("venue.next"),
                                   assets.picture(QStringLiteral("arrow-right.png")));

    QLabel* cityCaption = makeCaption(this, "CityWebSiteStaticPanel", language.text("venue.cityWebSite"));
    m_cityWebSite = new LinkButton(this);
    m_cityWebSite->setObjectName(QStringLiteral("CityWebSitePanel"));
    m_cityWebSite->setAccessibleName(cityCaption->text());

    QLabel* stadiumCaption = makeCaption(this, "StadiumWebSiteStaticPanel", language.text("venue.stadiumWebSite"));
    m_stadiumWebSite = new LinkButton(this);
    m_stadiumWebSite->setObjectName(QStringLiteral("StadiumWebSitePanel"));
    m_stadiumWebSite->setAccessibleName(stadiumCaption->text());

    QLabel* capacityCaption = makeCaption(this, "CapacityStaticPanel", language.text("venue.capacity"));
    m_capacity = new QLabel(QStringLiteral("99999"), this);
    m_capacity->setObjectName(QStringLiteral("CapacityPanel"));
    m_capacity->setMinimumSize(80, 26);
    m_capacity->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_capacity->setAlignment(Qt::AlignCenter);
    m_capacity->setAccessibleName(capacityCaption->text());
    capacityCaption->setBuddy(m_capacity);

    auto* close = new QPushButton(QString::fromStdString(language.text("venue.close")), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setMinimumSize(80, 27);
    close->setDefault(true);

    auto* browse = new QHBoxLayout;
    browse->addStretch();
    browse->addWidget(left);
    browse->addSpacing(19);
    browse->addWidget(m_pictures);
    browse->addSpacing(19);
    browse->addWidget(right);
    browse->addStretch();

    auto* details = new QGridLayout;
    details->setColumnStretch(1, 1);
    details->addWidget(cityCaption, 0, 0);
    details->addWidget(m_cityWebSite, 0, 1);
    details->addWidget(stadiumCaption, 1, 0);
    details->addWidget(m_stadiumWebSite, 1, 1);
    details->addWidget(capacityCaption, 2, 0);
    details->addWidget(m_capacity, 2, 1, Qt::AlignLeft);

    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stadiumName);
    layout->addLayout(browse);
    layout->addSpacing(12);
    layout->addLayout(details);
    layout->addStretch();
    layout->addLayout(closing);

    connect(left, &QPushButton::clicked, this, &TStadiumForm::LeftButtonClick);
    connect(right, &QPushButton::clicked, this, &TStadiumForm::RightButtonClick);
    connect(m_cityWebSite, &QPushButton::clicked, this, &TStadiumForm::CityWebSitePanelClick);
    connect(m_stadiumWebSite, &QPushButton::clicked, this, &TStadiumForm::StadiumWebSitePanelClick);
    connect(close, &QPushButton::clicked, this, &TStadiumForm::CloseButtonClick);
    setTabOrder(left, right);
    setTabOrder(right, m_cityWebSite);
    setTabOrder(m_cityWebSite, m_stadiumWebSite);
    setTabOrder(m_stadiumWebSite, close);
    for (QWidget* button : {static_cast<QWidget*>(left), static_cast<QWidget*>(right),
                            static_cast<QWidget*>(m_cityWebSite), static_cast<QWidget*>(m_stadiumWebSite),
                            static_cast<QWidget*>(close)})
        button->installEventFilter(this);

    showVenue();
    // The designed size, or more where a language's captions need it.
    setMinimumSize(SmallestWindow.expandedTo(minimumSizeHint()));
    resize(minimumSize());
    fitOnScreen(this);
}

bool TStadiumForm::eventFilter(QObject* watched, QEvent* event)
{
    // Buttons would move the focus on the arrow keys; here they step like the arrow buttons.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Right) {
            RightButtonClick();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Left) {
            LeftButtonClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TStadiumForm::showVenue()
{
    const VenueView view = m_browser.view();
    m_stadiumName->setText(QString::fromStdString(view.stadiumName));
    m_cityWebSite->setAddress(QString::fromStdString(view.cityAddress));
    m_stadiumWebSite->setAddress(QString::fromStdString(view.stadiumAddress));
    m_capacity->setText(QString::fromStdString(view.capacity));
    SetNextStadiumImage(QString::fromStdString(view.picture));
}

void TStadiumForm::SetNextStadiumImage(const QString& pictureName)
{
    for (QLabel* picture : m_pictures->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        picture->setVisible(picture->objectName() == pictureName);
}

void TStadiumForm::RightButtonClick()
{
    m_browser.RightButtonClick();
    showVenue();
}

void TStadiumForm::LeftButtonClick()
{
    m_browser.LeftButtonClick();
    showVenue();
}

void TStadiumForm::CityWebSitePanelClick()
{
    m_links.openCaption(m_cityWebSite->text().toStdString());
}

void TStadiumForm::StadiumWebSitePanelClick()
{
    m_links.openCaption(m_stadiumWebSite->text().toStdString());
}

void TStadiumForm::CloseButtonClick()
{
    accept();
}

void showVenueWindow(QWidget* parent, const Language& language, int venueNumber, WebLinkLauncher& links)
{
    TStadiumForm form(parent, language, venueNumber, links, AssetLocator());
    form.exec();
}

}  // namespace tiplark
