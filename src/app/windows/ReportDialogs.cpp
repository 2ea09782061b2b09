#include "windows/ReportDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tiplark {

QtReportDialogs::QtReportDialogs(QWidget* parent)
    : m_parent(parent)
{
}

ReportDialogs::PrintChoice QtReportDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return PrintChoice::Cancel;
    // Printing to a file means the plain-text report, not the toolkit's PDF.
    return printer.outputFileName().isEmpty() ? PrintChoice::Printer : PrintChoice::File;
}

QString QtReportDialogs::chooseFile(const QString& folder, const QString& proposedName)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Text file (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setDirectory(folder);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace tiplark
