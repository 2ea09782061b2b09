#include "windows/StadiumForm.h"

#include "venues/VenueTable.h"
#include "windows/LinkButton.h"
#include "windows/ScreenCentre.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tiplark {
namespace {

QLabel* makeCaption(QWidget* parent, const char* name, const std::string& text, QRect where)
{
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QPushButton* makeArrow(QWidget* parent, const char* name, const QString& accessibleName, const QPixmap& glyph,
                       QRect where)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(where);
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
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_browser(language, venueNumber)
    , m_links(links)
{
    setObjectName(QStringLiteral("StadiumForm"));
    setFixedSize(560, 471);
    setWindowTitle(QString::fromStdString(m_browser.caption()));

    m_stadiumName = new QLabel(this);
    m_stadiumName->setObjectName(QStringLiteral("StadiumNamePanel"));
    m_stadiumName->setGeometry(8, 8, 544, 34);
    m_stadiumName->setAlignment(Qt::AlignCenter);
    QFont nameFont = m_stadiumName->font();
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    m_stadiumName->setFont(nameFont);
    m_stadiumName->setAccessibleName(QStringLiteral("Stadium name"));

    m_pictures = new QWidget(this);
    m_pictures->setObjectName(QStringLiteral("Panel1"));
    m_pictures->setGeometry(103, 50, 353, 241);
    for (const VenueInfo& venue : venues()) {
        auto* picture = new QLabel(m_pictures);
        picture->setObjectName(QLatin1String(venue.picture));
        picture->setGeometry(0, 0, 353, 241);
        picture->setScaledContents(true);
        picture->setPixmap(assets.picture(QLatin1String(venue.pictureFile)));
        picture->setAccessibleName(QString::fromStdString(language.text(venue.cityKey) + venue.suffix));
        picture->hide();
    }

    QPushButton* left = makeArrow(this, "LeftButton", QStringLiteral("Previous venue"),
                                  assets.picture(QStringLiteral("arrow-left.png")), QRect(40, 150, 44, 44));
    QPushButton* right = makeArrow(this, "RightButton", QStringLiteral("Next venue"),
                                   assets.picture(QStringLiteral("arrow-right.png")), QRect(476, 150, 44, 44));

    QLabel* cityCaption = makeCaption(this, "CityWebSiteStaticPanel", language.text("venue.cityWebSite"),
                                      QRect(16, 310, 170, 26));
    m_cityWebSite = new LinkButton(this);
    m_cityWebSite->setObjectName(QStringLiteral("CityWebSitePanel"));
    m_cityWebSite->setGeometry(196, 310, 348, 26);
    m_cityWebSite->setAccessibleName(cityCaption->text());

    QLabel* stadiumCaption = makeCaption(this, "StadiumWebSiteStaticPanel",
                                         language.text("venue.stadiumWebSite"), QRect(16, 344, 170, 26));
    m_stadiumWebSite = new LinkButton(this);
    m_stadiumWebSite->setObjectName(QStringLiteral("StadiumWebSitePanel"));
    m_stadiumWebSite->setGeometry(196, 344, 348, 26);
    m_stadiumWebSite->setAccessibleName(stadiumCaption->text());

    QLabel* capacityCaption = makeCaption(this, "CapacityStaticPanel", language.text("venue.capacity"),
                                          QRect(16, 378, 170, 26));
    m_capacity = new QLabel(QStringLiteral("99999"), this);
    m_capacity->setObjectName(QStringLiteral("CapacityPanel"));
    m_capacity->setGeometry(199, 378, 80, 26);
    m_capacity->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_capacity->setAlignment(Qt::AlignCenter);
    m_capacity->setAccessibleName(capacityCaption->text());
    capacityCaption->setBuddy(m_capacity);

    auto* close = new QPushButton(QString::fromStdString(language.text("venue.close")), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setGeometry(464, 430, 80, 27);
    close->setDefault(true);

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
    centreOnScreen(this);
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
