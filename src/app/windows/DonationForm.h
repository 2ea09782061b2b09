#pragma once

#include "services/AssetLocator.h"
#include "venues/WebLinkLauncher.h"

#include <QDialog>

namespace tiplark {

class Language;

// Asks for a donation; its two payment-service pictures open the donation page.
class TDonationForm : public QDialog {
    Q_OBJECT
public:
    TDonationForm(QWidget* parent, const Language& language, WebLinkLauncher& links, const AssetLocator& assets);
};

// MakeaDonation1Click: shows the window modally.
void showDonationWindow(QWidget* parent, const Language& language, WebLinkLauncher& links);

}  // namespace tiplark
