#include "services/QtMessageService.h"

#include "i18n/LanguageTables.h"
#include "services/StandardTranslations.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

#include <vector>

namespace tiplark {
namespace {

QString title(const char* key)
{
    return QString::fromStdString(languageText(StandardTranslations::languageInForce(), key));
}

DialogResult resultOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return DialogResult::Yes;
    case QMessageBox::No:
        return DialogResult::No;
    case QMessageBox::Cancel:
        return DialogResult::Cancel;
    default:
        return DialogResult::Ok;
    }
}

// A busy cursor set for a long action must not cover a box that the action
// opens: the cursors are put aside while the box is open and put back
// after it, for whatever the action still has to do.
class CursorsSetAside {
public:
    CursorsSetAside()
    {
        while (const QCursor* cursor = QApplication::overrideCursor()) {
            m_cursors.push_back(*cursor);
            QApplication::restoreOverrideCursor();
        }
    }
    ~CursorsSetAside()
    {
        for (auto cursor = m_cursors.rbegin(); cursor != m_cursors.rend(); ++cursor)
            QApplication::setOverrideCursor(*cursor);
    }
    CursorsSetAside(const CursorsSetAside&) = delete;
    CursorsSetAside& operator=(const CursorsSetAside&) = delete;

private:
    std::vector<QCursor> m_cursors;
};

int run(QWidget* parent, QMessageBox::Icon icon, const QString& title, const std::string& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    const CursorsSetAside cursors;
    QMessageBox box(icon, title, displayText(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    // A box of a window that stays on top would otherwise open behind it.
    if (parent && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

}  // namespace

QString displayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QWidget* QtMessageService::parentWindow() const
{
    // The window the user acted in: an open modal window (venue, schedule,
    // celebration) comes before the active one and the main window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent;
}

void QtMessageService::showError(const std::string& text)
{
    run(parentWindow(), QMessageBox::Critical, title("title.error"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageService::showInformation(const std::string& text)
{
    run(parentWindow(), QMessageBox::Information, title("title.information"), text, QMessageBox::Ok,
        QMessageBox::Ok);
}

DialogResult QtMessageService::askYesNo(const std::string& text)
{
    return resultOf(run(parentWindow(), QMessageBox::Warning, title("title.warning"), text,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes));
}

DialogResult QtMessageService::askYesNoCancel(const std::string& text)
{
    // Closing the box with Escape or its close button counts as Cancel.
    return resultOf(run(parentWindow(), QMessageBox::Question, title("title.confirm"), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes));
}

}  // namespace tiplark
