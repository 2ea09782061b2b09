#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace tiplark {

// The two questions the report command asks, behind an interface so that
// tests can answer them without a screen.
class ReportDialogs {
public:
    enum class PrintChoice { Cancel, Printer, File };

    virtual ~ReportDialogs() = default;
    // The print dialog on the given printer, which keeps the user's choices
    // from one report to the next.
    virtual PrintChoice choosePrinter(QPrinter& printer) = 0;
    // The save dialog for the text file, which asks before replacing a file
    // and refuses a folder that does not exist; empty when cancelled.
    virtual QString chooseFile(const QString& folder, const QString& proposedName) = 0;
};

// The toolkit's print and save dialogs, modal on the parent window.
class QtReportDialogs : public ReportDialogs {
public:
    explicit QtReportDialogs(QWidget* parent);
    PrintChoice choosePrinter(QPrinter& printer) override;
    QString chooseFile(const QString& folder, const QString& proposedName) override;

private:
    QWidget* m_parent;
};

}  // namespace tiplark
