#include "windows/ReportPrinter.h"

#include "LanguageBoard.h"
#include "RecordingServices.h"
#include "board/Board.h"
#include "report/ReportLines.h"
#include "tournament/BoardControls.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tiplark {
namespace {

// Answers the print and save dialogs from a script and records what they offered.
class ScriptedReportDialogs : public ReportDialogs {
public:
    PrintChoice choosePrinter(QPrinter& printer) override
    {
        ++printerQuestions;
        if (!pdfFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfFile);
        }
        return printChoice;
    }

    QString chooseFile(const QString& folder, const QString& proposedName) override
    {
        folders << folder;
        proposedNames << proposedName;
        return fileAnswer;
    }

    PrintChoice printChoice = PrintChoice::Cancel;
    QString pdfFile;
    QString fileAnswer;
    int printerQuestions = 0;
    QStringList folders;
    QStringList proposedNames;
};

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

}  // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cancellingThePrintDialogWritesNothing();
    void cancellingTheSaveDialogWritesNothing();
    void printToFileWritesWindows1252WithCrLf();
    void saveDialogProposesTheLastName();
    void failedWriteNamesTheFileAndTheSystemMessage();
    void printsOneReportLinePerPrintedLine();
    void failedPrintShowsTheSystemMessage();

private:
    void runReport() { m_printer->Report1Click(BuildReportLines(2, boardTexts(*m_board))); }
    QStringList folderEntries() const { return QDir(m_folder->path()).entryList(QDir::Files); }
    QString inFolder(const QString& name) const { return m_folder->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<testing::LanguageBoard> m_languageBoard;
    Board* m_board = nullptr;
    std::unique_ptr<ScriptedReportDialogs> m_dialogs;
    std::unique_ptr<testing::RecordingMessageService> m_messages;
    std::unique_ptr<ReportPrinter> m_printer;
};

void ReportPrinterTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_languageBoard = std::make_unique<testing::LanguageBoard>(2);
    m_board = &m_languageBoard->board;
    m_board->setText("Champion", "Côte D'Ivoire");
    m_dialogs = std::make_unique<ScriptedReportDialogs>();
    m_messages = std::make_unique<testing::RecordingMessageService>();
    m_printer = std::make_unique<ReportPrinter>(*m_dialogs, *m_messages, m_folder->path());
}

void ReportPrinterTest::cancellingThePrintDialogWritesNothing()
{
    m_dialogs->printChoice = ReportDialogs::PrintChoice::Cancel;
    m_dialogs->fileAnswer = inFolder("Tiplark Report.txt");
    runReport();
    QCOMPARE(m_dialogs->printerQuestions, 1);
    QVERIFY(m_dialogs->folders.isEmpty());
    QVERIFY(folderEntries().isEmpty());
    QVERIFY(m_messages->errors.empty());
}

void ReportPrinterTest::cancellingTheSaveDialogWritesNothing()
{
    m_dialogs->printChoice = ReportDialogs::PrintChoice::File;
    m_dialogs->pdfFile = inFolder("would-be.pdf");
    runReport();
    QCOMPARE(m_dialogs->folders.size(), 1);
    QVERIFY(folderEntries().isEmpty());
    QVERIFY(m_messages->errors.empty());
}

void ReportPrinterTest::printToFileWritesWindows1252WithCrLf()
{
    m_dialogs->printChoice = ReportDialogs::PrintChoice::File;
    m_dialogs->fileAnswer = inFolder("Tiplark Report.txt");
    runReport();
    QCOMPARE(m_dialogs->folders, QStringList{m_folder->path()});
    QCOMPARE(m_dialogs->proposedNames, QStringList{"Tiplark Report.txt"});
    QVERIFY(m_messages->errors.empty());

    QFile file(inFolder("Tiplark Report.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), ReportLineCount);
    QCOMPARE(bytes.count('\n'), ReportLineCount);
    QVERIFY(bytes.startsWith("Tiplark - Allemagne\r\n" + QByteArray(43, '-') + "\r\n\r\nGROUPE A:\r\n"));
    QVERIFY(bytes.contains("\r\n3\xE8ME PLACE:\r\n"));
    QVERIFY(bytes.endsWith("\r\nChampion: C\xF4TE D'IVOIRE\r\n\r\n"));
}

void ReportPrinterTest::saveDialogProposesTheLastName()
{
    const QString elsewhere = inFolder("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    m_dialogs->printChoice = ReportDialogs::PrintChoice::File;
    m_dialogs->fileAnswer = elsewhere + "/Mundial.txt";
    runReport();
    m_dialogs->fileAnswer.clear();
    runReport();
    // The name is remembered; the folder starts from the program's again.
    QCOMPARE(m_dialogs->proposedNames, (QStringList{"Tiplark Report.txt", "Mundial.txt"}));
    QCOMPARE(m_dialogs->folders, (QStringList{m_folder->path(), m_folder->path()}));
    QVERIFY(QFile::exists(elsewhere + "/Mundial.txt"));
}

void ReportPrinterTest::failedWriteNamesTheFileAndTheSystemMessage()
{
    m_dialogs->printChoice = ReportDialogs::PrintChoice::File;
    m_dialogs->fileAnswer = inFolder("missing/Tiplark Report.txt");
    runReport();
    const std::string expected = "Unable to write to " + m_dialogs->fileAnswer.toStdString() + "\rNo such file or directory";
    QCOMPARE(m_messages->errors, std::vector<std::string>{expected});
}

void ReportPrinterTest::printsOneReportLinePerPrintedLine()
{
    // A name far wider than the page must go on in the next printed line.
    const std::string longName = QString("0123456789").repeated(16).toStdString();
    m_board->setText("GB11Lbl", longName);
    m_dialogs->printChoice = ReportDialogs::PrintChoice::Printer;
    m_dialogs->pdfFile = inFolder("report.pdf");
    runReport();
    QVERIFY(m_messages->errors.empty());

    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PDFTOTEXT), {"-layout", m_dialogs->pdfFile, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.count(QLatin1Char('\f')) >= 3, qPrintable(QString("pages: %1").arg(text.count('\f'))));

    QStringList printed;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        if (!withoutSpaces(line).isEmpty())
            printed << withoutSpaces(line);
    }
    QStringList expected;
    for (const std::string& line : BuildReportLines(2, boardTexts(*m_board))) {
        if (!withoutSpaces(QString::fromStdString(line)).isEmpty())
            expected << withoutSpaces(QString::fromStdString(line));
    }

    // Every report line is one printed line, in order, except the long one,
    // which continues over the following printed lines.
    int next = 0;
    int continued = 0;
    for (const QString& line : expected) {
        QVERIFY2(next < printed.size(), qPrintable("missing: " + line));
        QString joined = printed[next++];
        while (joined != line && line.startsWith(joined) && next < printed.size()) {
            joined += printed[next++];
            ++continued;
        }
        QCOMPARE(joined, line);
    }
    QCOMPARE(next, printed.size());
    QVERIFY(continued >= 1);
    QVERIFY(text.contains(QStringLiteral("3èME PLACE:")));
}

void ReportPrinterTest::failedPrintShowsTheSystemMessage()
{
    m_dialogs->printChoice = ReportDialogs::PrintChoice::Printer;
    m_dialogs->pdfFile = inFolder("missing/report.pdf");
    runReport();
    QCOMPARE(m_messages->errors, std::vector<std::string>{"No such file or directory"});
    QVERIFY(!QFile::exists(m_dialogs->pdfFile));
}

}  // namespace tiplark

QTEST_MAIN(tiplark::ReportPrinterTest)
#include "ReportPrinterTest.moc"
