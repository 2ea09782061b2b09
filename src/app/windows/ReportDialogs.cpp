#include "windows/ReportDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tiplark {
namespace {

// The toolkit's save dialog lets a name in a folder that does not exist
// through, to fail only when the file is written; this one refuses it and
// stays open, with the toolkit's own (translated) message.
class ReportFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty()) {
            const QFileInfo file(chosen.constFirst());
            if (!file.isDir() && !file.dir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                                         .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

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
    ReportFileDialog dialog(m_parent);
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
