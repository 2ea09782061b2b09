#include "windows/ReportDialogs.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "windows/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tiplark {
namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

}  // namespace

class ReportDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void saveDialogOffersTextFilesInTheProgramFolder();
    void cancelledSaveDialogGivesNoName();
    void saveDialogRefusesAFolderThatDoesNotExist();
    void cancelledPrintDialogCancels();
    void reportIsOfferedWhereThePredictionsAreKept();
};

void ReportDialogsTest::saveDialogOffersTextFilesInTheProgramFolder()
{
    QTemporaryDir folder;
    QtReportDialogs dialogs(nullptr);
    QString seenFilter, seenSuffix, seenFolder, seenName;
    bool confirmsOverwrite = false;
    const testing::NextModal answer([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        QVERIFY(dialog);
        seenFilter = dialog->nameFilters().join('|');
        seenSuffix = dialog->defaultSuffix();
        seenFolder = dialog->directory().absolutePath();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        seenName = name->text();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        // A name typed without extension gets ".txt".
        name->setText("Mundial");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = dialogs.chooseFile(folder.path(), "Tiplark Report.txt");
    QCOMPARE(seenFilter, QStringLiteral("Text file (*.txt)"));
    QCOMPARE(seenSuffix, QStringLiteral("txt"));
    QCOMPARE(seenFolder, QDir(folder.path()).absolutePath());
    QCOMPARE(seenName, QStringLiteral("Tiplark Report.txt"));
    QVERIFY(confirmsOverwrite);
    QCOMPARE(chosen, QDir(folder.path()).absoluteFilePath("Mundial.txt"));
}

void ReportDialogsTest::cancelledSaveDialogGivesNoName()
{
    QTemporaryDir folder;
    QtReportDialogs dialogs(nullptr);
    const testing::NextModal answer([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    QVERIFY(dialogs.chooseFile(folder.path(), "Tiplark Report.txt").isEmpty());
}

void ReportDialogsTest::saveDialogRefusesAFolderThatDoesNotExist()
{
    QTemporaryDir folder;
    QtReportDialogs dialogs(nullptr);
    QString refusal;
    bool stayedOpen = false;
    std::unique_ptr<testing::NextModal> refusalBox;
    const testing::NextModal answer([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("missing/Report.txt");
        // The refusal is a box of its own, over the dialog.
        refusalBox = std::make_unique<testing::NextModal>([&](QWidget* box) {
            refusal = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->accept();
        });
        QMetaObject::invokeMethod(dialog, "accept");
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    QVERIFY(dialogs.chooseFile(folder.path(), "Tiplark Report.txt").isEmpty());
    QVERIFY(stayedOpen);
    QVERIFY2(refusal.startsWith(QDir(folder.path()).absoluteFilePath("missing") + "\n"), qPrintable(refusal));
    QVERIFY(!QDir(folder.path()).exists("missing"));
}

void ReportDialogsTest::cancelledPrintDialogCancels()
{
    QPrinter printer;
    QtReportDialogs dialogs(nullptr);
    const testing::NextModal answer([](QWidget* dialog) {
        QVERIFY(qobject_cast<QPrintDialog*>(dialog));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    QCOMPARE(dialogs.choosePrinter(printer), ReportDialogs::PrintChoice::Cancel);
}

void ReportDialogsTest::reportIsOfferedWhereThePredictionsAreKept()
{
    // A program folder that cannot be written (installed system-wide) keeps
    // the predictions in the user's configuration folder; reports go there too.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    testing::BoardHarness harness;
    NoBrowser browser;
    TMainForm form(harness.main, browser, "/nonexistent/tiplark/bin/");
    const QString predictionsFolder = QDir(config.path()).absoluteFilePath("Tiplark");
    QCOMPARE(QFileInfo(QString::fromStdString(form.predictionsPath())).absolutePath(), predictionsFolder);

    QString offeredFolder;
    std::unique_ptr<testing::NextModal> saveDialog;
    const testing::NextModal answer([&](QWidget* widget) {
        auto* print = qobject_cast<QPrintDialog*>(widget);
        QVERIFY(print);
        // The last printer of the list prints to a file.
        auto* printers = print->findChild<QComboBox*>("printers");
        QVERIFY(printers);
        printers->setCurrentIndex(printers->count() - 1);
        saveDialog = std::make_unique<testing::NextModal>([&](QWidget* save) {
            offeredFolder = qobject_cast<QFileDialog*>(save)->directory().absolutePath();
            qobject_cast<QFileDialog*>(save)->reject();
        });
        print->accept();
    });
    form.Report1Click();
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(offeredFolder, predictionsFolder);
}

}  // namespace tiplark

QTEST_MAIN(tiplark::ReportDialogsTest)
#include "ReportDialogsTest.moc"
