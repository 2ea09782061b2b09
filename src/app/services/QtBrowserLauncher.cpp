#include "services/QtBrowserLauncher.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tiplark {

bool QtBrowserLauncher::open(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

}  // namespace tiplark
