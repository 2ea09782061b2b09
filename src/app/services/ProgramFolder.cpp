#include "services/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace tiplark {

std::string programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

}  // namespace tiplark
