#include "windows/OptionsForm.h"

#include "i18n/LanguageTables.h"
#include "RecordingServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace tiplark {

// The options dialog as a user meets it, under the offscreen platform.
class OptionsFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::BoardHarness> m_harness;
    std::unique_ptr<TOptionsForm> m_form;
    int m_saves = 0;

    testing::BoardHarness& h() { return *m_harness; }
    template <typename T>
    T* child(const char* name) { return m_form->findChild<T*>(QLatin1String(name)); }
    void showForm(bool saveSucceeds = true)
    {
        m_form = std::make_unique<TOptionsForm>(h().main, [this, saveSucceeds] {
            ++m_saves;
            return saveSucceeds;
        });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void storedPreferences()
    {
        Preferences& p = h().main.preferences();
        p.firstRun = false;
        p.languageIndex = LanguageFrench;
        p.favoriteIndex = 4;
        p.zoneShift = 0;
        p.zoneCode = "GMTP1C";
        h().main.ApplyLanguage();
    }

private slots:
    void init()
    {
        m_harness = std::make_unique<testing::BoardHarness>();
        m_saves = 0;
    }
    void cleanup() { m_form.reset(); }

    void firstRunAsksForLanguageThenZoneThenAppliesIt()
    {
        showForm();
        auto* lang = child<QComboBox>("LangCB");
        auto* zone = child<QComboBox>("TimeZoneCB");
        auto* ok = child<QPushButton>("OKButton");
        QCOMPARE(lang->currentIndex(), -1);
        QCOMPARE(child<QComboBox>("FavCB")->currentIndex(), -1);
        QCOMPARE(zone->currentIndex(), -1);
        QVERIFY(!child<QCheckBox>("DaylightCheckBox")->isChecked());
        QVERIFY(!child<QPushButton>("CancelButton")->isEnabled());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tiplark - Options"));

        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(h().messages.errors, std::vector<std::string>{"Please select a default Language first"});
        QVERIFY(m_form->isVisible());

        lang->setCurrentIndex(LanguageSpanish);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tiplark - Optiones"));
        QCOMPARE(child<QLabel>("LangLbl")->text(), QStringLiteral("Su Idioma:"));
        QCOMPARE(lang->accessibleName(), QStringLiteral("Su Idioma"));
        QCOMPARE(child<QComboBox>("FavCB")->itemText(1), QStringLiteral("Alemania"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(h().messages.errors.back(), std::string("Por favor seleccione una zona horaria"));
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_saves, 0);

        zone->setCurrentIndex(15);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_saves, 1);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_form->result(), int(QDialog::Accepted));
        QCOMPARE(h().main.preferences().languageIndex, LanguageSpanish);
        QCOMPARE(h().main.preferences().zoneCode, std::string("GMTP1C"));
        QVERIFY(!h().main.preferences().firstRun);
        QCOMPARE(h().text("GroupALbl"), std::string("Grupo A"));
        QCOMPARE(h().text("Final8Lbl"), std::string("1/8 Finales"));
    }

    void firstRunIgnoresEscapeAndClose()
    {
        showForm();
        QTest::keyClick(m_form.get(), Qt::Key_Escape);
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());
    }

    void firstRunEndsOnCloseOnceASaveHasFailed_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close box") << false;
    }
    void firstRunEndsOnCloseOnceASaveHasFailed()
    {
        QFETCH(bool, escape);
        const auto closeForm = [&] {
            if (escape)
                QTest::keyClick(m_form.get(), Qt::Key_Escape);
            else
                m_form->close();
        };
        showForm(false);
        closeForm();
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_form->model().closeEndsProgram());

        child<QComboBox>("LangCB")->setCurrentIndex(LanguageEnglish);
        child<QComboBox>("TimeZoneCB")->setCurrentIndex(13);
        QTest::mouseClick(child<QPushButton>("OKButton"), Qt::LeftButton);
        QCOMPARE(m_saves, 1);
        QVERIFY(m_form->isVisible());
        QVERIFY(h().main.preferences().firstRun);

        closeForm();
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_form->result(), int(QDialog::Rejected));
        QVERIFY(m_form->model().closeEndsProgram());
        QCOMPARE(m_saves, 1);
    }

    void restoreAfterMinimiseKeepsTheChoices()
    {
        storedPreferences();
        showForm();
        child<QComboBox>("LangCB")->setCurrentIndex(LanguageSpanish);
        child<QComboBox>("FavCB")->setCurrentIndex(3);
        child<QComboBox>("TimeZoneCB")->setCurrentIndex(4);
        child<QCheckBox>("DaylightCheckBox")->setChecked(true);
        const QString favourite = child<QComboBox>("FavCB")->currentText();

        m_form->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(m_form->isMinimized());
        m_form->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(!m_form->isMinimized());
        QVERIFY(m_form->isVisible());

        QCOMPARE(child<QComboBox>("LangCB")->currentIndex(), LanguageSpanish);
        QCOMPARE(child<QComboBox>("FavCB")->currentText(), favourite);
        QCOMPARE(child<QComboBox>("TimeZoneCB")->currentIndex(), 4);
        QVERIFY(child<QCheckBox>("DaylightCheckBox")->isChecked());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tiplark - Optiones"));
    }

    void keyboardAloneCompletesTheDialog()
    {
        storedPreferences();
        showForm();
        auto* lang = child<QComboBox>("LangCB");
        QCOMPARE(QApplication::focusWidget(), lang);
        QTest::keyClick(lang, Qt::Key_Up);  // French to Spanish
        QCOMPARE(lang->currentIndex(), LanguageSpanish);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QComboBox>("FavCB"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QCheckBox>("DaylightCheckBox"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(h().main.preferences().languageIndex, LanguageSpanish);
        QCOMPARE(h().main.preferences().daylightShift, 1.0 / 24);
        QCOMPARE(h().main.preferences().favoriteIndex, 4);
        QCOMPARE(h().main.language().favoriteName(), std::string("Brasil"));
    }

    void normalShowOffersTheStoredChoicesAndCancelKeepsThem()
    {
        storedPreferences();
        showForm();
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tiplark - Options"));
        QCOMPARE(child<QLabel>("FavLbl")->text(), QStringLiteral("Votre Equipe Favorite:"));
        QCOMPARE(child<QComboBox>("FavCB")->currentText(), QStringLiteral("Bresil"));
        QCOMPARE(child<QComboBox>("TimeZoneCB")->currentIndex(), 15);
        auto* cancel = child<QPushButton>("CancelButton");
        QVERIFY(cancel->isEnabled());
        QCOMPARE(cancel->text(), QStringLiteral("&Annuler"));

        child<QComboBox>("FavCB")->setCurrentIndex(2);
        child<QComboBox>("LangCB")->setCurrentIndex(LanguageEnglish);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_form->result(), int(QDialog::Rejected));
        QCOMPARE(h().main.preferences().favoriteIndex, 4);
        QCOMPARE(h().main.preferences().languageIndex, LanguageFrench);
        QCOMPARE(m_saves, 0);
    }

    void spanishDialogRendersItsTexts()
    {
        storedPreferences();
        h().main.preferences().languageIndex = LanguageSpanish;
        h().main.preferences().daylightShift = 1.0 / 24;
        h().main.ApplyLanguage();
        showForm();
        QCOMPARE(child<QGroupBox>("OptionsPanel")->title(), QStringLiteral("Optiones"));
        QCOMPARE(child<QCheckBox>("DaylightCheckBox")->text(), QStringLiteral("Utilizar horario de verano"));
        const QImage image = m_form->grab().toImage();
        QVERIFY(image.width() >= 417 && image.height() >= 265);
        QVERIFY(image.save(QStringLiteral(TIPLARK_GRAB_DIR "/OptionsFormSpanish.png")));
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::OptionsFormTest)
#include "OptionsFormTest.moc"
