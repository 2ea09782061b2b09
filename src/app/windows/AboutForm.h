#pragma once

#include "services/AssetLocator.h"
#include "venues/WebLinkLauncher.h"

#include <QDialog>

namespace tiplark {

class Language;

// Who made the program and where to find it; opens the thanks, donation,
// tribute and dedication windows.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(QWidget* parent, const Language& language, WebLinkLauncher& links, const AssetLocator& assets);

public slots:
    void ThanksClick();
    void DonateClick();
    void TributeClick();
    void DedicationClick();

private:
    const Language& m_language;
    WebLinkLauncher& m_links;
    AssetLocator m_assets;
};

// About1Click: shows the window modally.
void showAboutWindow(QWidget* parent, const Language& language, WebLinkLauncher& links);

}  // namespace tiplark
