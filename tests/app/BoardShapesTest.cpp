// The board window of every shipped tournament: the 32-team editions on the
// 2006 board's coordinates, 2026 on its two pages; scores typed into the
// window reach the champion as the engine plays them.
#include "EveryWindow.h"
#include "RecordingServices.h"
#include "engine/TournamentPlay.h"
#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"
#include "windows/BoardLayout.h"
#include "windows/BoardView.h"
#include "windows/MainForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

namespace tiplark {
namespace {

using testing::NoBrowser;
using testing::EditionHarness;

// A main window over a shipped tournament's board, shown in a language.
struct Window {
    explicit Window(const std::string& id, int language = LanguageEnglish)
        : board(id)
        , form(board.main, browser, folder.path().toStdString() + "/")
    {
        board.main.preferences().languageIndex = language;
        board.main.preferences().firstRun = false;
        board.main.ApplyLanguage();
        form.resize(1366, 768);
        form.show();
    }

    BoardView& view() { return form.boardView(); }
    QWidget* widget(ControlId id) { return view().widget(id); }

    QTemporaryDir folder;
    NoBrowser browser;
    EditionHarness board;
    TMainForm form;
};

// Presses a key where the keyboard is.
void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

}  // namespace

class BoardShapesTest : public QObject {
    Q_OBJECT

private slots:
    // Every real score typed box by box through the window's edits, the
    // knockout page reached from the keyboard; the window shows the
    // champion, tables and thirds that the engine plays from the same scores.
    void typedScoresReachTheChampion_data()
    {
        QTest::addColumn<QString>("tournament");
        QTest::addColumn<int>("language");
        QTest::newRow("2026 English") << "worldcup-2026" << LanguageEnglish;
        QTest::newRow("2026 German") << "worldcup-2026" << 3;
        QTest::newRow("2022 French") << "worldcup-2022" << 2;
        QTest::newRow("2010 Spanish") << "worldcup-2010" << 1;
    }

    void typedScoresReachTheChampion()
    {
        QFETCH(QString, tournament);
        QFETCH(int, language);
        Window window(tournament.toStdString(), language);
        QVERIFY(QTest::qWaitForWindowExposed(&window.form));
        const Tournament& t = window.board.tournament;
        const BoardControls& controls = window.board.main.controls();

        Prediction typed = Prediction::real(t);
        typed.levelOrder = Prediction::empty(t).levelOrder;
        for (const BoxText& box : predictionBoxTexts(controls, t, typed)) {
            if (box.text.empty() || !window.board.main.board().control(box.box).visible)
                continue;
            auto* edit = qobject_cast<QLineEdit*>(window.widget(box.box));
            QVERIFY2(edit, window.board.main.board().control(box.box).name.c_str());
            // The knockout lies on the page after the groups.
            while (window.view().currentPage() != window.view().pageOf(box.box))
                press(Qt::CTRL | Qt::Key_PageDown);
            edit->setFocus();
            QVERIFY2(edit->isVisible() && edit->isEnabled(), window.board.main.board().control(box.box).name.c_str());
            QTest::keyClicks(edit, QString::fromStdString(box.text));
        }

        TournamentPlay play(t);
        play.load(typed);
        const Outcome& outcome = play.outcome();
        QVERIFY(outcome.champion != NoTeam);
        const auto name = [&](int team) { return QString::fromStdString(tournamentTeamName(language, t, team)); };
        QCOMPARE(qobject_cast<QLabel*>(window.widget(controls.champion))->text(), name(outcome.champion));
        QVERIFY(window.widget(controls.champion)->isVisible());
        for (const GroupControls& group : controls.groups) {
            for (size_t row = 0; row < group.name.size(); ++row)
                QCOMPARE(qobject_cast<QLabel*>(window.widget(group.name[row]))->text(),
                         name(outcome.groups[static_cast<size_t>(group.group)].rows[row].team));
        }
        for (const ThirdsControls& thirds : controls.thirds) {
            for (size_t row = 0; row < thirds.rows.size(); ++row)
                QCOMPARE(qobject_cast<QLabel*>(window.widget(thirds.rows[row].name))->text(),
                         name(outcome.thirds.table.rows[row].team));
        }
        // Undo takes back the last keystroke, the final's, and the champion with it.
        window.board.main.Undo1Click();
        QCOMPARE(qobject_cast<QLabel*>(window.widget(controls.champion))->text(), QString::fromLatin1(Placeholder));
    }

    // The 32-team editions stand where the 2006 board's controls stand.
    void thirtyTwoTeamEditionsKeepThe2006Board_data()
    {
        QTest::addColumn<QString>("tournament");
        for (const char* id : {"worldcup-2010", "worldcup-2014", "worldcup-2018", "worldcup-2022"})
            QTest::newRow(id) << id;
    }

    void thirtyTwoTeamEditionsKeepThe2006Board()
    {
        QFETCH(QString, tournament);
        const EditionHarness classic("worldcup-2006");
        const EditionHarness edition(tournament.toStdString());
        const BoardLayout expected(classic.main.board(), classic.main.controls(), classic.tournament);
        const BoardLayout laid(edition.main.board(), edition.main.controls(), edition.tournament);
        QCOMPARE(laid.pages().size(), size_t{1});
        QCOMPARE(laid.canvasSize(), expected.canvasSize());
        for (ControlId id = 0; id < classic.main.board().size(); ++id) {
            const std::string& name = classic.main.board().control(id).name;
            const BoardLayout::Placement& want = expected.placement(id);
            const BoardLayout::Placement& got = laid.placement(edition.main.board().id(name));
            QVERIFY2(got.rect == want.rect && got.fontSize == want.fontSize && got.alignment == want.alignment
                         && got.emphasised == want.emphasised && got.flag.isEmpty() && want.flag.isEmpty(),
                     name.c_str());
        }
    }

    // The pages turn with Ctrl+PgDown and Ctrl+PgUp from any box, the
    // keyboard follows to the page shown, and Tab walks the page shown only.
    void pagesTurnFromTheKeyboard()
    {
        Window window("worldcup-2026");
        QVERIFY(QTest::qWaitForWindowExposed(&window.form));
        BoardView& view = window.view();
        const BoardControls& controls = window.board.main.controls();
        QCOMPARE(view.pageCount(), 2);
        QVERIFY(view.pageTabs());
        QCOMPARE(view.pageTabs()->tabText(1), QStringLiteral("Knockout stage"));

        window.widget(controls.groups[3].score[2][1])->setFocus();
        press(Qt::CTRL | Qt::Key_PageDown);
        QCOMPARE(view.currentPage(), 1);
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(view.controlOf(focused), controls.rounds.front().clearButton);
        press(Qt::CTRL | Qt::Key_Tab);
        QCOMPARE(view.currentPage(), 0);
        QCOMPARE(view.controlOf(QApplication::focusWidget()), controls.groups.front().clearButton);
        press(Qt::CTRL | Qt::Key_PageUp);
        QCOMPARE(view.currentPage(), 1);

        // A whole round of Tab on the knockout page: its tabs, then its
        // clear buttons and open boxes in bracket order, then the buttons.
        view.pageTabs()->setFocus();
        int steps = 0;
        std::vector<ControlId> walked;
        do {
            press(Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            const bool onBoard = view.isAncestorOf(now) && now != view.pageTabs();
            QVERIFY2(!onBoard || view.controlOf(now) != NoControl, qPrintable(now->objectName()));
            QVERIFY2(!onBoard || view.pageOf(view.controlOf(now)) == 1, qPrintable(now->objectName()));
            if (view.isAncestorOf(now) && now != view.pageTabs())
                walked.push_back(view.controlOf(now));
        } while (QApplication::focusWidget() != view.pageTabs() && ++steps < 500);
        QVERIFY(steps < 500);
        QVERIFY(!walked.empty());
        QCOMPARE(walked.front(), controls.rounds.front().clearButton);
        QCOMPARE(walked.back(), controls.clearAllButton);
    }

    // Every control a screen reader reaches has a name in the board's
    // language: the English words do not stand in another language.
    void everyControlIsNamedInTheBoardsLanguage()
    {
        const auto names = [](Window& window) {
            std::map<QString, QString> byControl;
            const Board& board = window.board.main.board();
            for (ControlId id = 0; id < board.size(); ++id) {
                const Control& control = board.control(id);
                const bool named = control.kind == ControlKind::Edit || control.kind == ControlKind::Button
                                   || (control.kind == ControlKind::Panel && !board.children(id).empty());
                if (!control.visible || !named || window.widget(id)->isHidden())
                    continue;
                // A button without a name of its own is read by its caption.
                const auto* button = qobject_cast<QPushButton*>(window.widget(id));
                const QString name = window.widget(id)->accessibleName();
                byControl[QString::fromStdString(control.name)] = name.isEmpty() && button ? button->text() : name;
            }
            for (int tab = 0; tab < window.view().pageTabs()->count(); ++tab)
                byControl[QStringLiteral("tab %1").arg(tab)] = window.view().pageTabs()->accessibleTabName(tab);
            for (const ThirdsControls::Row& row : window.board.main.controls().thirds.front().rows)
                byControl[QString::fromStdString(board.control(row.name).name)] = window.widget(row.name)->accessibleName();
            return byControl;
        };
        Window english("worldcup-2026");
        english.board.fillRealResults();
        const std::map<QString, QString> inEnglish = names(english);
        QVERIFY(inEnglish.size() > 500);
        QVERIFY2(inEnglish.at("ThirdsName1").startsWith(QStringLiteral("Best third-placed teams, place 1: ")),
                 qPrintable(inEnglish.at("ThirdsName1")));
        QVERIFY2(inEnglish.at("ThirdsName1").contains(QStringLiteral("goes through, meets the winner of group")),
                 qPrintable(inEnglish.at("ThirdsName1")));
        QVERIFY2(inEnglish.at("ThirdsName12").endsWith(QStringLiteral("does not go through")),
                 qPrintable(inEnglish.at("ThirdsName12")));
        QVERIFY2(inEnglish.at("Final1611").startsWith(QStringLiteral("Round of 32, match 1: ")),
                 qPrintable(inEnglish.at("Final1611")));
        for (int language = 1; language < LanguageCount; ++language) {
            Window other("worldcup-2026", language);
            other.board.fillRealResults();
            const std::map<QString, QString> translated = names(other);
            QCOMPARE(translated.size(), inEnglish.size());
            for (const auto& [control, name] : translated) {
                QVERIFY2(!name.isEmpty(), qPrintable(control));
                // The panel of the final is named by the round alone: "Final" in Spanish too.
                if (control == QStringLiteral("GPFinal"))
                    continue;
                QVERIFY2(name != inEnglish.at(control), qPrintable(control + QStringLiteral(": ") + name));
            }
        }
    }

    // Flags stand beside the teams of the 2026 board, follow a team into
    // the bracket and leave with it; the 32-team boards show none.
    void flagsFollowTheTeams()
    {
        Window window("worldcup-2026");
        QVERIFY(QTest::qWaitForWindowExposed(&window.form));
        const BoardControls& controls = window.board.main.controls();
        const ControlId home = controls.groups[0].label[0][0];
        QVERIFY(window.view().flag(home) && window.view().flag(home)->isVisibleTo(&window.form));
        QVERIFY(!window.view().flag(home)->pixmap().isNull());

        const MatchControls& final = controls.finalMatch();
        QVERIFY(!window.view().flag(final.label[0])->isVisibleTo(window.view().flag(final.label[0])->parentWidget()));
        window.board.fillRealResults();
        QVERIFY(window.view().flag(final.label[0])->isVisibleTo(window.view().flag(final.label[0])->parentWidget()));
        QVERIFY(window.view().flag(controls.thirds.front().rows[0].name)->isVisibleTo(&window.form) == false);
        window.view().showPage(1);
        QVERIFY(window.view().flag(controls.thirds.front().rows[0].name)->isVisibleTo(&window.form));
        window.board.messages.answers.push_back(DialogResult::Yes);
        window.board.main.ClearAllButtonClick();
        QCOMPARE(window.board.main.board().text(final.label[0]), std::string(Placeholder));
        QVERIFY(!window.view().flag(final.label[0])->isVisibleTo(window.view().flag(final.label[0])->parentWidget()));

        Window classic("worldcup-2022");
        for (ControlId id = 0; id < classic.board.main.board().size(); ++id)
            QVERIFY(!classic.view().flag(id));
        QVERIFY(!classic.view().pageTabs());
    }

    // On both pages at the laptop size no two controls of a panel overlap,
    // nor two panels of a page, flags and lines included.
    void nothingOverlaps()
    {
        Window window("worldcup-2026");
        window.board.fillRealResults();
        QVERIFY(QTest::qWaitForWindowExposed(&window.form));
        for (int page = 0; page < 2; ++page) {
            window.view().showPage(page);
            QApplication::processEvents();
            QList<QWidget*> containers = {window.view().findChild<QWidget*>(QStringLiteral("BoardPage%1").arg(page + 1))};
            for (QFrame* panel : containers.front()->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
                containers << panel;
            for (QWidget* container : containers) {
                QList<QWidget*> children;
                for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (child->isVisibleTo(container) && !child->geometry().isEmpty())
                        children << child;
                for (qsizetype a = 0; a < children.size(); ++a)
                    for (qsizetype b = a + 1; b < children.size(); ++b)
                        QVERIFY2(!children[a]->geometry().intersects(children[b]->geometry()),
                                 qPrintable(children[a]->objectName() + QStringLiteral(" overlaps ") + children[b]->objectName()));
            }
        }
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::BoardShapesTest)
#include "BoardShapesTest.moc"
