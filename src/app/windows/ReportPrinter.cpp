#include "windows/ReportPrinter.h"

#include "report/ReportFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tiplark {
namespace {

std::string systemError()
{
    return std::strerror(errno != 0 ? errno : EIO);
}

}  // namespace

ReportPrinter::ReportPrinter(ReportDialogs& dialogs, MessageService& messages, QString folder)
    : m_dialogs(dialogs)
    , m_messages(messages)
    , m_folder(std::move(folder))
{
}

void ReportPrinter::Report1Click(const std::vector<std::string>& lines)
{
    const ReportDialogs::PrintChoice choice = m_dialogs.choosePrinter(m_printer);
    if (choice == ReportDialogs::PrintChoice::Cancel)
        return;

    std::optional<std::string> error;
    if (choice == ReportDialogs::PrintChoice::File) {
        const QString proposed = m_fileName.isEmpty() ? QStringLiteral("Tiplark Report.txt") : QFileInfo(m_fileName).fileName();
        const QString fileName = m_dialogs.chooseFile(m_folder, proposed);
        if (fileName.isEmpty())
            return;
        m_fileName = fileName;
        error = writeReportFile(QFile::encodeName(fileName).toStdString(), lines);
        if (error)
            error = "Unable to write to " + QDir::toNativeSeparators(fileName).toStdString() + "\r" + *error;
    } else {
        error = printLines(m_printer, lines);
    }
    if (error)
        m_messages.showError(*error);
}

std::optional<std::string> ReportPrinter::printLines(QPrinter& printer, const std::vector<std::string>& lines)
{
    QPainter painter;
    errno = 0;
    if (!painter.begin(&printer))
        return systemError();

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = printer.height();
    const int columns = std::max(1, printer.width() / std::max(1, metrics.horizontalAdvance(QLatin1Char('M'))));

    int top = 0;
    for (const std::string& line : lines) {
        QString rest = QString::fromStdString(line);
        do {
            if (top > 0 && top + lineHeight > pageHeight) {
                errno = 0;
                if (!printer.newPage())
                    return systemError();
                top = 0;
            }
            painter.drawText(0, top + metrics.ascent(), rest.left(columns));
            rest.remove(0, columns);
            top += lineHeight;
        } while (!rest.isEmpty());
    }
    errno = 0;
    if (!painter.end())
        return systemError();
    return std::nullopt;
}

}  // namespace tiplark
