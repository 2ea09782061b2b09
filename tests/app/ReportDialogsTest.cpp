#include "windows/ReportDialogs.h"

#include "NextModal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace tiplark {

class ReportDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void saveDialogOffersTextFilesInTheProgramFolder();
    void cancelledSaveDialogGivesNoName();
    void cancelledPrintDialogCancels();
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

}  // namespace tiplark

QTEST_MAIN(tiplark::ReportDialogsTest)
#include "ReportDialogsTest.moc"
