#include "services/QtCursorService.h"

#include <QApplication>

namespace tiplark {

QtCursorService::~QtCursorService()
{
    setBusy(false);
}

void QtCursorService::setBusy(bool busy)
{
    // Override cursors stack; keep exactly one of ours at most.
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace tiplark
