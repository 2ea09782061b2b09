#include "services/ProgramFolder.h"
#include "services/QtCursorService.h"
#include "services/QtMessageService.h"
#include "services/StandardTranslations.h"

#include "NextModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QtTest>

#include <functional>
#include <memory>

namespace tiplark {

// The Qt services behind the core's platform interfaces.
class PlatformServicesTest : public QObject {
    Q_OBJECT

private:
    QString m_title;
    QString m_text;
    QMessageBox::StandardButtons m_buttons;
    QStringList m_buttonTexts;
    QWidget* m_boxParent = nullptr;
    bool m_boxStaysOnTop = false;
    bool m_cursorOverBox = false;
    std::unique_ptr<testing::NextModal> m_answer;

    // Answers the next message box with `button` and remembers what it showed.
    void answerWith(QMessageBox::StandardButton button)
    {
        m_title.clear();
        m_answer = std::make_unique<testing::NextModal>([this, button](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            m_title = box->windowTitle();
            m_text = box->text();
            m_buttons = box->standardButtons();
            m_buttonTexts.clear();
            for (const QMessageBox::StandardButton shown : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok}) {
                if (QAbstractButton* b = box->button(shown))
                    m_buttonTexts << b->text();
            }
            m_boxParent = box->parentWidget();
            m_boxStaysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            m_cursorOverBox = QApplication::overrideCursor() != nullptr;
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

    void busyCursorMakesWayForABoxAndComesBack()
    {
        QtCursorService cursor;
        QtMessageService messages;
        cursor.setBusy(true);
        answerWith(QMessageBox::Ok);
        messages.showError("Sorry, but I can't start your default browser!");
        QVERIFY(!m_cursorOverBox);
        // The action that set it goes on with it.
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        cursor.setBusy(false);
        QVERIFY(!QApplication::overrideCursor());
    }

    void boxOpensInFrontOfTheWindowThatCausedIt()
    {
        QWidget main;
        main.show();
        QtMessageService messages;
        messages.setParentWindow(&main);

        // Without another window the box belongs to the main window.
        answerWith(QMessageBox::Ok);
        messages.showError("Unable to write to /nowhere/Tiplark.ini");
        QCOMPARE(m_boxParent, &main);
        QVERIFY(!m_boxStaysOnTop);

        // A modal window that stays on top (venue, schedule, celebration)
        // gets the box, which stays on top with it.
        QDialog venue(&main, Qt::Dialog | Qt::WindowStaysOnTopHint);
        const testing::NextModal fromVenue([&](QWidget*) {
            answerWith(QMessageBox::Ok);
            messages.showError("Sorry, but I can't start your default browser!");
            venue.accept();
        });
        venue.exec();
        QCOMPARE(m_boxParent, &venue);
        QVERIFY(m_boxStaysOnTop);
    }

    void translationsAreRemovedWithTheirOwner()
    {
        QtMessageService messages;
        {
            // Spanish, then French in its place.
            StandardTranslations translations;
            QVERIFY(translations.use(1));
            QVERIFY(translations.use(2));
            answerWith(QMessageBox::No);
            messages.askYesNo("Clear all?");
            QCOMPARE(m_buttonTexts, (QStringList{"&Oui", "&Non"}));
        }
        answerWith(QMessageBox::No);
        messages.askYesNo("Clear all?");
        QCOMPARE(m_buttonTexts, (QStringList{"&Yes", "&No"}));
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
