#pragma once

#include "platform/Services.h"
#include "windows/ReportDialogs.h"

#include <QPrinter>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tiplark {

// The print-report command: asks for a printer or a file and sends the
// report's lines there. It lives as long as the main window, so the print
// dialog's settings and the last file name are offered again.
class ReportPrinter {
public:
    // The save dialog starts in `folder` at every report.
    ReportPrinter(ReportDialogs& dialogs, MessageService& messages, QString folder);

    // Cancelling either dialog writes nothing; a failing printer shows the
    // system's message, a failing file that message after the file's name.
    // The lines are the report as the board makes it (boardReportLines).
    void Report1Click(const std::vector<std::string>& lines);

private:
    // One report line per printed line in a fixed-pitch font, from the top
    // left of the printable area; a line wider than the page goes on in the
    // next printed line. Returns the system's message on failure.
    static std::optional<std::string> printLines(QPrinter& printer, const std::vector<std::string>& lines);

    ReportDialogs& m_dialogs;
    MessageService& m_messages;
    QString m_folder;
    QString m_fileName;
    QPrinter m_printer{QPrinter::HighResolution};
};

}  // namespace tiplark
