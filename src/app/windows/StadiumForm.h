#pragma once

#include "platform/Services.h"
#include "services/AssetLocator.h"
#include "venues/VenueBrowser.h"
#include "venues/WebLinkLauncher.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tiplark {

class LinkButton;

// The venue browser: one stadium at a time with its name, capacity, picture
// and two web addresses; the arrows step round the twelve venues.
class TStadiumForm : public QDialog {
    Q_OBJECT
public:
    // Shows venue venueNumber (100..111) with the static captions of the
    // current language.
    TStadiumForm(QWidget* parent, const Language& language, int venueNumber, WebLinkLauncher& links,
                 const AssetLocator& assets);

    int currentVenue() const { return m_browser.currentVenue(); }

public slots:
    void RightButtonClick();
    void LeftButtonClick();
    void CityWebSitePanelClick();
    void StadiumWebSitePanelClick();
    void CloseButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showVenue();
    // Makes the named picture of Panel1 the only visible one.
    void SetNextStadiumImage(const QString& pictureName);

    VenueBrowser m_browser;
    WebLinkLauncher& m_links;
    QLabel* m_stadiumName;
    LinkButton* m_cityWebSite;
    LinkButton* m_stadiumWebSite;
    QLabel* m_capacity;
    QWidget* m_pictures;
};

// VenueFormSetup: opens the venue window on a city item's venue number and
// waits until the user closes it.
void showVenueWindow(QWidget* parent, const Language& language, int venueNumber, WebLinkLauncher& links);

}  // namespace tiplark
