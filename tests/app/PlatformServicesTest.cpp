#include "services/ProgramFolder.h"
#include "services/QtCursorService.h"
#include "services/QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace tiplark {

// The Qt services behind the core's platform interfaces.
class PlatformServicesTest : public QObject {
    Q_OBJECT

private:
    QString m_title;
    QString m_text;
    QMessageBox::StandardButtons m_buttons;

    // Answers the next message box with `button` and remembers what it showed.
    void answerWith(QMessageBox::StandardButton button)
    {
        m_title.clear();
        QTimer::singleShot(0, this, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            m_title = box->windowTitle();
            m_text = box->text();
            m_buttons = box->standardButtons();
            box->button(button)->click();
        });
    }

private slots:
    void confirmationHasYesNoCancelAndLineBreaks()
    {
        QtMessageService messages;
        answerWith(QMessageBox::Cancel);
        QCOMPARE(messages.askYesNoCancel("Save?\r\r* Yes saves."), DialogResult::Cancel);
        QCOMPARE(m_title, QStringLiteral("Confirm"));
        QCOMPARE(m_text, QStringLiteral("Save?\n\n* Yes saves."));
        QCOMPARE(m_buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        answerWith(QMessageBox::No);
        QCOMPARE(messages.askYesNoCancel("Save?"), DialogResult::No);
    }

    void warningHasYesAndNo()
    {
        QtMessageService messages;
        answerWith(QMessageBox::Yes);
        QCOMPARE(messages.askYesNo("Clear all?"), DialogResult::Yes);
        QCOMPARE(m_title, QStringLiteral("Warning"));
        QCOMPARE(m_buttons, QMessageBox::Yes | QMessageBox::No);
    }

    void errorHasOk()
    {
        QtMessageService messages;
        answerWith(QMessageBox::Ok);
        messages.showError("'1a' is not a valid integer value");
        QCOMPARE(m_title, QStringLiteral("Error"));
        QCOMPARE(m_text, QStringLiteral("'1a' is not a valid integer value"));
        QCOMPARE(m_buttons, QMessageBox::Ok);
    }

    void busyCursorIsSetOnceAndRestored()
    {
        QtCursorService cursor;
        cursor.setBusy(true);
        cursor.setBusy(true);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        cursor.setBusy(false);
        QVERIFY(!QApplication::overrideCursor());
    }

    void programFolderEndsInASeparator()
    {
        const QString folder = QString::fromStdString(programFolder());
        QVERIFY(folder.endsWith(QDir::separator()));
        QCOMPARE(QDir(folder).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::PlatformServicesTest)
#include "PlatformServicesTest.moc"
