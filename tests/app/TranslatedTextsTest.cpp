#include "windows/MainForm.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "i18n/LanguageTables.h"
#include "services/QtMessageService.h"
#include "windows/ThanksForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

namespace tiplark {
namespace {

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

}  // namespace

// The windows' texts in the three languages, the program's own and the toolkit's.
class TranslatedTextsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<testing::BoardHarness> m_harness;
    NoBrowser m_browser;
    std::unique_ptr<TMainForm> m_form;

    void useLanguage(int index)
    {
        m_harness->main.preferences().languageIndex = index;
        m_harness->main.ApplyLanguage();
    }

    // The title and button texts of a Yes/No and a Yes/No/Cancel question as
    // the program asks them, each answered No.
    static QStringList questionTexts()
    {
        QtMessageService messages;
        QStringList texts;
        const auto read = [&texts](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            texts << box->windowTitle();
            for (const QMessageBox::StandardButton shown : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                if (QAbstractButton* button = box->button(shown))
                    texts << button->text();
            box->button(QMessageBox::No)->click();
        };
        {
            const testing::NextModal answer(read);
            messages.askYesNo("?");
        }
        const testing::NextModal answer(read);
        messages.askYesNoCancel("?");
        return texts;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_harness = std::make_unique<testing::BoardHarness>();
        m_form = std::make_unique<TMainForm>(m_harness->main, m_browser, m_folder->path().toStdString() + "/");
    }
    void cleanup()
    {
        m_form.reset();
        m_harness.reset();
    }

    void thanksWindowSpeaksTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<QString>("ok");
        QTest::newRow("English") << 0 << "Thanks to all who helped in testing this software!"
                                 << QStringList{"The testers of the English, Spanish and French versions,",
                                                "everyone who sent a score that did not add up,",
                                                "and everyone who asked for one more feature."}
                                 << "OK";
        QTest::newRow("Spanish") << 1 << "Gracias a todos que ayudaron en la prueba de este programa!"
                                 << QStringList{"A quienes probaron las versiones inglesa, española y francesa,",
                                                "a todos los que enviaron un resultado que no cuadraba",
                                                "y a todos los que pidieron una función más."}
                                 << "Aceptar";
        QTest::newRow("French") << 2 << "Merci à tous ceux qui ont aidé à tester ce logiciel!"
                                << QStringList{"Aux testeurs des versions anglaise, espagnole et française,",
                                               "à tous ceux qui ont envoyé un score qui ne tombait pas juste,",
                                               "et à tous ceux qui ont demandé une fonction de plus."}
                                << "OK";
        QTest::newRow("German") << 3 << "Danke an alle, die beim Testen dieses Programms geholfen haben!"
                                << QStringList{"Den Testern der englischen, spanischen und französischen Fassung,",
                                               "allen, die ein Ergebnis schickten, das nicht aufging,",
                                               "und allen, die sich noch eine Funktion mehr wünschten."}
                                << "OK";
    }

    void thanksWindowSpeaksTheLanguage()
    {
        QFETCH(int, language);
        useLanguage(language);
        TThanksForm thanks(m_form.get(), m_harness->main.language());
        thanks.show();
        QTEST(thanks.findChild<QLabel*>(QStringLiteral("ThanksLbl"))->text(), "heading");
        QTEST(thanks.findChild<QLabel*>(QStringLiteral("TestersLbl"))->text().split(QLatin1Char('\n')), "body");
        QTEST(thanks.findChild<QPushButton*>(QStringLiteral("OKButton"))->text(), "ok");
        if (language == 2)
            QVERIFY(thanks.grab().save(QStringLiteral(TIPLARK_GRAB_DIR "/thanks-french.png")));
    }

    // Titles and standard buttons alike, in the order the languages are applied.
    void questionsFollowTheLanguageApplied()
    {
        useLanguage(LanguageSpanish);
        QCOMPARE(questionTexts(),
                 (QStringList{"Advertencia", "&Sí", "&No", "Confirmar", "&Sí", "&No", "Cancelar"}));
        useLanguage(LanguageFrench);
        QCOMPARE(questionTexts(),
                 (QStringList{"Avertissement", "&Oui", "&Non", "Confirmation", "&Oui", "&Non", "Annuler"}));
        useLanguage(LanguageGerman);
        QCOMPARE(questionTexts(),
                 (QStringList{"Warnung", "&Ja", "&Nein", "Bestätigung", "&Ja", "&Nein", "Abbrechen"}));
        useLanguage(LanguageEnglish);
        QCOMPARE(questionTexts(), (QStringList{"Warning", "&Yes", "&No", "Confirm", "&Yes", "&No", "Cancel"}));
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::TranslatedTextsTest)
#include "TranslatedTextsTest.moc"
