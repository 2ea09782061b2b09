#include "windows/MainForm.h"

#include "NextModal.h"
#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "i18n/LanguageTables.h"
#include "windows/BoardView.h"
#include "windows/OptionsForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QValidator>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>
#include <string>
#include <vector>

namespace tiplark {
namespace {

// The export dialog answered with a prepared file; the others are not asked.
class ExportAnswer : public PredictionDialogs {
public:
    explicit ExportAnswer(QString path)
        : m_path(std::move(path))
    {
    }
    QString chooseExportFile(const QString&, const QString&) override { return m_path; }
    QString chooseImportFile(const QString&, const QString&) override { return {}; }
    QStringList choosePoolFiles(const QString&, const QString&, const QStringList&) override { return {}; }

private:
    QString m_path;
};

class RecordingBrowser : public BrowserLauncher {
public:
    bool open(const std::string& address) override
    {
        opened.push_back(address);
        return true;
    }
    std::vector<std::string> opened;
};

}  // namespace

// The main window under the offscreen platform, driven as a user would.
class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<testing::BoardHarness> m_harness;
    RecordingBrowser m_browser;
    std::unique_ptr<TMainForm> m_form;

    testing::BoardHarness& h() { return *m_harness; }
    Board& board() { return h().board(); }
    template <typename T = QWidget>
    T* child(const char* name)
    {
        auto* found = m_form->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    void showActive()
    {
        m_form->resize(1280, 740);
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    // The class of the modal window that `trigger` opens, closed again at once.
    QString modalOpenedBy(const std::function<void()>& trigger)
    {
        QString opened;
        const testing::NextModal answer([&opened](QWidget* window) {
            opened = QString::fromLatin1(window->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
            else
                window->close();
        });
        trigger();
        return opened;
    }
    QColor textColour(const char* name)
    {
        QWidget* w = child(name);
        return w->palette().color(qobject_cast<QLineEdit*>(w) ? QPalette::Text : QPalette::WindowText);
    }
    int countEdits(const QString& pattern)
    {
        return static_cast<int>(m_form->findChildren<QLineEdit*>(QRegularExpression(pattern)).size());
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_harness = std::make_unique<testing::BoardHarness>();
        m_browser.opened.clear();
        m_form = std::make_unique<TMainForm>(h().main, m_browser, m_folder->path().toStdString() + "/");
    }
    void cleanup()
    {
        m_form.reset();
        m_harness.reset();
    }

    void everyBoardControlHasItsWidget()
    {
        for (ControlId id = 0; id < board().size(); ++id) {
            const Control& control = board().control(id);
            QWidget* w = m_form->findChild<QWidget*>(QString::fromStdString(control.name));
            QVERIFY2(w, control.name.c_str());
            switch (control.kind) {
            case ControlKind::Edit:
                QVERIFY(qobject_cast<QLineEdit*>(w));
                break;
            case ControlKind::Label:
                QVERIFY(qobject_cast<QLabel*>(w));
                break;
            case ControlKind::Button:
                QVERIFY(qobject_cast<QPushButton*>(w));
                break;
            case ControlKind::Panel:
                QCOMPARE(w->parentWidget(), &m_form->boardView());
                break;
            }
            if (control.parent != NoControl)
                QCOMPARE(w->parentWidget()->objectName().toStdString(), board().control(control.parent).name);
        }
        QCOMPARE(countEdits("^G[A-H][1-6][12]$"), 96);
        QCOMPARE(countEdits("^G[A-H](Pts|P|W|T|L|GF|GA|PM)[1-4]$"), 256);
        QCOMPARE(countEdits("^Final[842][1-8][12]$"), 28);
        QCOMPARE(countEdits("^(Final[842][1-8][12]|Third1[12]|Final1[12])pk$"), 32);
        QCOMPARE(m_form->findChildren<QLabel*>(QRegularExpression("^G[A-H]Name[1-4]$")).size(), 32);
        for (QLineEdit* cell : m_form->findChildren<QLineEdit*>(QRegularExpression("^G[A-H](Pts|PM)[1-4]$"))) {
            QVERIFY(cell->isReadOnly());
            QCOMPARE(cell->focusPolicy(), Qt::ClickFocus);
        }
        QVERIFY(child("Final811pk")->isHidden());
        QVERIFY(!child("Final411")->isEnabled());
        QVERIFY(child("CancelButton")->isHidden());
        QCOMPARE(child<QLabel>("Champion")->text(), QStringLiteral("xxxxxxxxxx"));
        QVERIFY(child<QLabel>("Champion")->font().bold());
        QVERIFY(child<QLabel>("GAName1")->font().bold());
        QVERIFY(!child<QLabel>("GAName3")->font().bold());
    }

    void typingReachesTheModelAndTheModelReachesTheWidgets()
    {
        QCOMPARE(child<QLabel>("GAName1")->text(), QStringLiteral("Costa Rica"));
        QTest::keyClicks(edit("GA11"), "2");
        QCOMPARE(h().text("GA11"), "2");
        QCOMPARE(edit("GAPts1")->text(), QStringLiteral("0"));
        QTest::keyClicks(edit("GA12"), "0");
        // Group A is recomputed from what was typed.
        QCOMPARE(child<QLabel>("GAName1")->text(), QStringLiteral("Germany"));
        QCOMPARE(edit("GAPts1")->text(), QStringLiteral("3"));
        QCOMPARE(edit("GAPM4")->text(), QStringLiteral("-2"));
        QCOMPARE(child<QLabel>("Final811Lbl")->text(), QStringLiteral("Germany"));
        board().setText("GA12", "5");
        QCOMPARE(edit("GA12")->text(), QStringLiteral("5"));
        QCOMPARE(child<QLabel>("GAName1")->text(), QStringLiteral("Costa Rica"));
        // The knockout rules react to the model as the window shows it.
        QTest::keyClicks(edit("Final811"), "1");
        QTest::keyClicks(edit("Final812"), "1");
        QVERIFY(!child("Final811pk")->isHidden());
        QTest::keyClick(edit("Final812"), Qt::Key_Backspace);
        QCOMPARE(h().text("Final812"), "");
        QVERIFY(child("Final811pk")->isHidden());
    }

    void scoreBoxesRefuseAnythingButTwoDigits()
    {
        QLineEdit* box = edit("GA11");
        QTest::keyClicks(box, "a-");
        QCOMPARE(box->text(), QString());
        QTest::keyClicks(box, "123");
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(h().text("GA11"), "12");

        QLineEdit* other = edit("GA12");
        QGuiApplication::clipboard()->setText(QStringLiteral("1a"));
        other->paste();
        QCOMPARE(other->text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        other->paste();
        QCOMPARE(h().text("GA12"), "7");
        QCOMPARE(edit("Final811pk")->maxLength(), 2);
        QString minus = QStringLiteral("-1");
        int position = 0;
        QCOMPARE(edit("Final811pk")->validator()->validate(minus, position), QValidator::Invalid);
    }

    void tabFollowsTheMatchesAndSkipsWhatCannotBeTyped()
    {
        showActive();
        const auto expectTabs = [](std::initializer_list<const char*> names) {
            for (const char* name : names) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
            }
        };
        edit("GA11")->setFocus();
        expectTabs({"GA12", "GA21", "GA22", "GA31"});
        // Each panel's clear button comes before its boxes.
        edit("GA62")->setFocus();
        expectTabs({"GroupBDelButton", "GB11"});
        edit("GH62")->setFocus();
        // Hidden penalty boxes and the disabled later rounds are passed over.
        expectTabs({"Final8DelButton", "Final811", "Final812", "Final821"});
        edit("Final882")->setFocus();
        expectTabs({"Final4DelButton", "Final2DelButton", "ThirdDelButton", "FinalDelButton", "SaveButton", "OKButton",
                    "ClearAllButton"});
        board().setText("Final811", "1");
        board().setText("Final812", "1");
        edit("Final812")->setFocus();
        expectTabs({"Final811pk", "Final812pk", "Final821"});

        for (QPushButton* clear : m_form->findChildren<QPushButton*>(QRegularExpression("DelButton$"))) {
            QCOMPARE(clear->focusPolicy(), Qt::StrongFocus);
            QCOMPARE(clear->size(), QSize(15, 15));
            QCOMPARE(clear->text(), QStringLiteral("x"));
            QVERIFY(clear->font().bold());
        }
    }

    void hintsAndColoursFollowTheModel()
    {
        board().setHint(board().id("GA11Lbl"), "Munich\rFriday, 09/06/2006 18:00");
        QCOMPARE(child("GA11Lbl")->toolTip(), QStringLiteral("Munich\nFriday, 09/06/2006 18:00"));

        board().setColour(board().id("GA11"), TextColour::Blue);
        QCOMPARE(textColour("GA11"), QColor(0, 0, 255));
        board().setColour(board().id("GAName2"), TextColour::Red);
        QCOMPARE(textColour("GAName2"), QColor(255, 0, 0));
        board().setColour(board().id("GAName2"), TextColour::Default);
        QCOMPARE(textColour("GAName2"), child("GAName1")->palette().color(QPalette::WindowText));
        QCOMPARE(textColour("Champion"), QColor(255, 0, 0));

        board().setBold(board().id("GAName3"), true);
        QVERIFY(child("GAName3")->font().bold());
        board().setEnabled(board().id("Final411"), true);
        QVERIFY(child("Final411")->isEnabled());
    }

    void pressingATeamShowsItRedUntilReleased()
    {
        showActive();
        QTest::mousePress(child("GA11Lbl"), Qt::LeftButton);
        QCOMPARE(textColour("GA31Lbl"), QColor(255, 0, 0));
        QCOMPARE(board().control("GA52Lbl").colour, TextColour::Red);
        QVERIFY(textColour("GA12Lbl") != QColor(255, 0, 0));
        QTest::mouseRelease(child("GA11Lbl"), Qt::LeftButton);
        QCOMPARE(board().control("GA31Lbl").colour, TextColour::Default);
    }

    void championIsALinkOnlyWhenDecided()
    {
        showActive();
        QWidget* champion = child("Champion");
        const auto clickChampion = [champion] { QTest::mouseClick(champion, Qt::LeftButton); };
        QTest::mouseMove(champion);
        QCOMPARE(champion->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(modalOpenedBy(clickChampion), QString());

        board().setText(board().id("Champion"), "Germany");
        QTest::mouseMove(champion, champion->rect().center() + QPoint(2, 0));
        QCOMPARE(champion->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(modalOpenedBy(clickChampion), QStringLiteral("tiplark::TWinnerForm"));
    }

    void favouriteStandsOutInBlue()
    {
        h().main.preferences().favoriteIndex = 11;
        h().main.ApplyLanguage();
        QCOMPARE(textColour("GA11Lbl"), QColor(0, 0, 255));
        QCOMPARE(textColour("GA52Lbl"), QColor(0, 0, 255));
        QVERIFY(textColour("GA12Lbl") != QColor(0, 0, 255));
    }

    void accessibleNamesQuoteTheCurrentTeams()
    {
        QCOMPARE(child("GA11")->accessibleName(), QStringLiteral("Germany – Costa Rica, goals of Germany"));
        QCOMPARE(child("GA12")->accessibleName(), QStringLiteral("Germany – Costa Rica, goals of Costa Rica"));
        QCOMPARE(child("GAPts1")->accessibleName(), QStringLiteral("Group A, row 1, points"));
        QCOMPARE(child("GHPM4")->accessibleName(), QStringLiteral("Group H, row 4, goal difference"));
        QCOMPARE(child("GroupADelButton")->accessibleName(), QStringLiteral("Clear scores: Group A"));
        QCOMPARE(child("Final411pk")->accessibleName(),
                 QStringLiteral("Quarter-finals, match 1: open slot – open slot, penalty goals of open slot"));
        board().setText("GA11Lbl", "Alemania");
        QCOMPARE(child("GA11")->accessibleName(), QStringLiteral("Alemania – Costa Rica, goals of Alemania"));
        QCOMPARE(child("GA12")->accessibleName(), QStringLiteral("Alemania – Costa Rica, goals of Costa Rica"));
    }

    void menuHasEveryItemWithItsTag()
    {
        for (const char* name : {"File1", "Clear1", "Save1", "Report1", "Exit1", "Edit1", "Undo1", "Redo1", "View1",
                                 "Schedule1", "RankingCriteria1", "Stadiums1", "Options1", "About1", "MakeaDonation1",
                                 "Internet1", "FIFA1", "OfficialSite1", "Rules1", "OrganizingCommittee1",
                                 "OfficialFootballSites1", "ANGOLA1", "Sweeden1", "Usa1"})
            QVERIFY2(m_form->findChild<QAction*>(QLatin1String(name)), name);
        const QList<QAction*> cities = child<QMenu>("Stadiums1")->actions();
        QCOMPARE(cities.size(), 12);
        QCOMPARE(cities.first()->objectName(), QStringLiteral("Berlin1"));
        QCOMPARE(cities.first()->data().toInt(), 100);
        QCOMPARE(cities.last()->objectName(), QStringLiteral("Stuttgart1"));
        QCOMPARE(cities.last()->data().toInt(), 111);
        const QList<QAction*> teams = child<QMenu>("OfficialFootballSites1")->actions();
        QCOMPARE(teams.size(), 32);
        for (int tag = 1; tag <= 32; ++tag)
            QCOMPARE(teams[tag - 1]->data().toInt(), tag);
        QVERIFY(!teams.first()->isEnabled());
        QCOMPARE(child<QAction>("FIFA1")->data().toInt(), 50);
        QCOMPARE(child<QAction>("OrganizingCommittee1")->data().toInt(), 53);
    }

    void captionsFollowTheLanguage()
    {
        h().main.preferences().languageIndex = 1;
        h().main.ApplyLanguage();
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tiplark - Alemania"));
        QCOMPARE(child<QAction>("Save1")->text(), QStringLiteral("&Guardar"));
        QCOMPARE(child<QAction>("Stadiums1")->text(), QStringLiteral("&Estadios"));
        QCOMPARE(child<QAction>("Munich1")->text(), QStringLiteral("Múnich"));
        QCOMPARE(child<QAction>("Germany1")->text(), QStringLiteral("Alemania"));
        QCOMPARE(child<QPushButton>("OKButton")->text(), QStringLiteral("&Salir"));
        QCOMPARE(child<QLabel>("GA11Lbl")->text(), QStringLiteral("Alemania"));
        QVERIFY(child("GA11Lbl")->toolTip().contains(QLatin1Char('\n')));
        QCOMPARE(child("GroupADelButton")->toolTip(), QStringLiteral("Borrar resultados"));
    }

    // The settings cannot be written: after the failed OK, Escape ends the
    // program before its window shows, and nothing is written.
    void firstRunThatCannotSaveEndsOnEscape()
    {
        const QString blocked = m_folder->filePath(QStringLiteral("Tiplark.ini"));
        QVERIFY(QDir().mkdir(blocked));
        bool closed = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TOptionsForm*>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "no options dialog");
            dialog->findChild<QComboBox*>("LangCB")->setCurrentIndex(1);
            dialog->findChild<QComboBox*>("TimeZoneCB")->setCurrentIndex(13);
            QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            QTest::keyClick(dialog, Qt::Key_Escape);
            closed = !dialog->isVisible();
            if (!closed)
                dialog->done(QDialog::Accepted);
        });
        const bool created = m_form->FormCreate();
        QVERIFY(closed);
        QVERIFY(!created);
        // In the language the dialog was given.
        QCOMPARE(h().messages.errors, std::vector<std::string>{"No se puede escribir en " + blocked.toStdString()});
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("Tiplark.ini")});
        QVERIFY(QDir(blocked).isEmpty());
    }

    void everyWayOfClosingAsksFirst()
    {
        showActive();
        h().messages.answers = {DialogResult::Cancel, DialogResult::Cancel, DialogResult::Cancel};
        child<QPushButton>("OKButton")->click();
        child<QAction>("Exit1")->trigger();
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());
        QCOMPARE(h().messages.questions.size(), size_t{3});
        for (const std::string& question : h().messages.questions)
            QCOMPARE(question, h().main.language().text("msg.saveBeforeExit"));

        h().messages.answers = {DialogResult::Yes};
        board().setText("GA11", "3");
        QVERIFY(m_form->close());
        const QFileInfo saved(QString::fromStdString(m_form->predictionsPath()));
        QVERIFY(saved.exists());
        QVERIFY(saved.absolutePath() == QFileInfo(m_folder->path()).absoluteFilePath());
    }

    // Another program changed the file since the start: Save asks, and "No"
    // leaves their file alone and saves into the file the export dialog gives.
    void saveOverAChangedFileAsksAndCanGoElsewhere()
    {
        const std::string file = m_form->predictionsPath();
        const std::string mine = m_folder->filePath(QStringLiteral("mine.ini")).toStdString();
        const std::string theirs = "[PREFERENCES]\nFirstTime=0\n[GROUP A]\nGame1=3-3\n";
        testing::writeBytes(file, "[PREFERENCES]\nFirstTime=0\n[GROUP A]\nGame1=1-0\n");
        QVERIFY(m_form->FormCreate());
        ExportAnswer dialogs(QString::fromStdString(mine));
        m_form->setPredictionDialogs(dialogs);
        board().setText("GA11", "4");
        testing::writeBytes(file, theirs);

        h().messages.answers = {DialogResult::No};
        child<QPushButton>("SaveButton")->click();
        QCOMPARE(h().messages.questions.size(), size_t{1});
        QVERIFY(h().messages.questions[0].find(file) != std::string::npos);
        QCOMPARE(testing::readBytes(file), theirs);
        QVERIFY(testing::readBytes(mine).find("[GROUP A]\r\nGame1=4-0\r\n") != std::string::npos);
        QVERIFY(h().messages.errors.empty());
    }

    void clearButtonsEmptyTheirPanel()
    {
        board().setText("GA11", "2");
        board().setText("GB11", "1");
        child<QPushButton>("GroupADelButton")->click();
        QCOMPARE(edit("GA11")->text(), QString());
        QCOMPARE(edit("GB11")->text(), QStringLiteral("1"));

        h().messages.answers = {DialogResult::Yes};
        child<QAction>("Clear1")->trigger();
        QCOMPARE(edit("GB11")->text(), QString());
    }

    void undoAndRedoTakeBackWholeSteps()
    {
        showActive();
        QAction* undo = child<QAction>("Undo1");
        QAction* redo = child<QAction>("Redo1");
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        const auto typeInto = [this](const char* name, const char* keys) {
            edit(name)->setFocus();
            QTest::keyClicks(edit(name), keys);
        };
        // The keys go to the focused box, which must leave them to the window.
        const auto press = [](QKeyCombination key) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        };

        typeInto("GA11", "2");
        typeInto("GA11", "1");
        typeInto("GA12", "0");
        QCOMPARE(edit("GAPts1")->text(), QStringLiteral("3"));
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());

        press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(edit("GA12")->text(), QString());
        QCOMPARE(edit("GA11")->text(), QStringLiteral("21"));
        QCOMPARE(edit("GAPts1")->text(), QStringLiteral("0"));
        QVERIFY(redo->isEnabled());
        press(Qt::CTRL | Qt::Key_Z);  // both keystrokes in GA11 were one step
        QCOMPARE(edit("GA11")->text(), QString());
        QVERIFY(!undo->isEnabled());

        press(Qt::CTRL | Qt::Key_Y);
        QCOMPARE(edit("GA11")->text(), QStringLiteral("21"));
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(edit("GA12")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLabel>("Final811Lbl")->text(), QStringLiteral("Germany"));
        QVERIFY(!redo->isEnabled());

        child<QPushButton>("GroupADelButton")->click();
        QCOMPARE(edit("GA11")->text(), QString());
        undo->trigger();
        QCOMPARE(edit("GA11")->text(), QStringLiteral("21"));
        QCOMPARE(edit("GA12")->text(), QStringLiteral("0"));
    }

    // In every language, the access key that the language's text gives Undo
    // and Redo in the open Edit menu reaches that item and no other.
    void editMenuAccessKeysReachTheirItemsInEveryLanguage()
    {
        showActive();
        QMenu* menu = child<QMenu>("Edit1");
        for (int language = 0; language < LanguageCount; ++language) {
            h().main.preferences().languageIndex = language;
            h().main.ApplyLanguage();
            const auto choose = [menu, language](const char* key) {
                const QString caption = QString::fromStdString(languageText(language, key));
                const qsizetype marker = caption.indexOf(QLatin1Char('&'));
                QVERIFY2(marker >= 0 && marker + 1 < caption.size(), key);
                menu->popup(QPoint(0, 0));
                QVERIFY(QTest::qWaitForWindowExposed(menu));
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, caption.mid(marker + 1, 1));
                QApplication::sendEvent(menu, &press);
                QTRY_VERIFY(!menu->isVisible());
            };
            // A box of its own per language, so that no edit merges with the last.
            const std::string box = "GA" + std::to_string(language + 1) + "1";
            h().main.userEdit(board().id(box), "3");
            choose("menu.undo");
            QCOMPARE(edit(box.c_str())->text(), QString());
            choose("menu.redo");
            QCOMPARE(edit(box.c_str())->text(), QStringLiteral("3"));
        }
    }

    void menuItemsOpenTheirWindows()
    {
        showActive();
        h().main.preferences().firstRun = false;
        const std::pair<const char*, const char*> items[] = {
            {"Schedule1", "tiplark::TScheduleForm"}, {"RankingCriteria1", "tiplark::TStandingsRulesForm"},
            {"Munich1", "tiplark::TStadiumForm"},    {"Options1", "tiplark::TOptionsForm"},
            {"About1", "tiplark::TAboutForm"},       {"MakeaDonation1", "tiplark::TDonationForm"},
        };
        for (const auto& [item, window] : items)
            QCOMPARE(modalOpenedBy([this, item] { child<QAction>(item)->trigger(); }), QLatin1String(window));
    }

    void linksOpenInTheBrowser()
    {
        child<QAction>("Germany1")->trigger();
        QCOMPARE(m_browser.opened.size(), size_t{1});
        child<QAction>("ANGOLA1")->trigger();
        QCOMPARE(m_browser.opened.size(), size_t{1});
    }

    void boardScalesAndStaysInsideItsPanels()
    {
        showActive();
        const int small = child("GA11")->height();
        for (QWidget* panel : m_form->boardView().findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly)) {
            for (QWidget* inner : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY2(panel->rect().contains(inner->geometry()), qPrintable(inner->objectName()));
        }
        QVERIFY(!child("GroupPanelA")->geometry().intersects(child("GroupPanelB")->geometry()));
        QVERIFY(!child("GPFinal8")->geometry().intersects(child("GPFinal4")->geometry()));
        QVERIFY(!child("Champion")->geometry().intersects(child("OKButton")->geometry()));
        m_form->resize(1920, 1000);
        QTRY_VERIFY(child("GA11")->height() > small);
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::MainFormTest)
#include "MainFormTest.moc"
