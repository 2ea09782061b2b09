#include "services/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace tiplark {
namespace {

DialogResult resultOf(QMessageBox::StandardButton button)
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
    return m_parent ? m_parent.data() : QApplication::activeWindow();
}

void QtMessageService::showError(const std::string& text)
{
    QMessageBox::critical(parentWindow(), QStringLiteral("Error"), displayText(text));
}

void QtMessageService::showInformation(const std::string& text)
{
    QMessageBox::information(parentWindow(), QStringLiteral("Information"), displayText(text));
}

DialogResult QtMessageService::askYesNo(const std::string& text)
{
    return resultOf(QMessageBox::warning(parentWindow(), QStringLiteral("Warning"), displayText(text),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes));
}

DialogResult QtMessageService::askYesNoCancel(const std::string& text)
{
    // Closing the box with Escape or its close button counts as Cancel.
    return resultOf(QMessageBox::question(parentWindow(), QStringLiteral("Confirm"), displayText(text),
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes));
}

}  // namespace tiplark
