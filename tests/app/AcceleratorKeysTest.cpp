// No two captions of one window share an Alt key, in any language: on a
// shared key the toolkit only moves the focus between them, so Alt+letter,
// Enter may start something other than what the user asked for. The menu
// bar, the buttons and the labels of controls are one window's keys; each
// menu's items are keys of their own.
#include "EveryWindow.h"
#include "RecordingServices.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <map>
#include <set>

namespace tiplark {
namespace {

// The letters that the first design gave to two captions of one window,
// kept so that its users' keys still work.
const std::set<std::set<QString>> KeptClashes = {
    {"Acerca &de", "¡Haz una &Donación!"},
    {"O&ptions", "A &propos"},
    {"&Calendrier des Matches", "&Critères de Classement"},
    {"Site Officiel de la &FIFA", "Sites Officiels de &Federations Nationales"},
};

// The key a caption's marked letter asks for, accents aside (on most
// keyboards the user types the plain letter); null for a caption without one.
QChar accelerator(const QString& caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (key.isEmpty())
        return {};
    const QString letter(QChar(static_cast<char16_t>(key[0].key())));
    return letter.normalized(QString::NormalizationForm_D).at(0).toUpper();
}

// The captions of one set of keys sharing a letter, unless the first design gave them so.
QStringList clashes(const QString& where, const QStringList& captions)
{
    std::map<QChar, std::set<QString>> byKey;
    for (const QString& caption : captions) {
        if (const QChar key = accelerator(caption); !key.isNull())
            byKey[key].insert(caption);
    }
    QStringList problems;
    for (const auto& [key, shared] : byKey) {
        if (shared.size() > 1 && !KeptClashes.count(shared))
            problems << QStringLiteral("%1: Alt+%2 is %3").arg(where, key, QStringList(shared.begin(), shared.end()).join(" and "));
    }
    return problems;
}

QStringList menuClashes(QMenu* menu)
{
    QStringList captions;
    QStringList problems;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        captions << action->text();
        if (action->menu())
            problems << menuClashes(action->menu());
    }
    return problems << clashes(menu->objectName(), captions);
}

// Every clash of the window: its menu bar, buttons and labelled controls
// together, then each menu on its own.
QStringList windowClashes(const QString& name, QWidget* window)
{
    QStringList captions;
    QStringList problems;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* action : bar->actions()) {
            if (!action->isVisible())
                continue;
            captions << action->text();
            if (action->menu())
                problems << menuClashes(action->menu());
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window))
            captions << button->text();
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() && label->isVisibleTo(window))
            captions << label->text();
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        if (box->isVisibleTo(window))
            captions << box->title();
    return problems << clashes(name, captions);
}

}  // namespace

class AcceleratorKeysTest : public QObject {
    Q_OBJECT

private slots:
    void noTwoCaptionsShareAKey_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Spanish") << 1;
        QTest::newRow("French") << 2;
        QTest::newRow("German") << 3;
    }

    void noTwoCaptionsShareAKey()
    {
        QFETCH(int, language);
        testing::BoardHarness h;
        h.main.preferences().languageIndex = language;
        h.main.ApplyLanguage();
        testing::EveryWindow every(h);
        QStringList problems;
        for (const testing::WindowMaker& window : every.makers()) {
            const std::unique_ptr<QWidget> shown = window.make();
            // The main window's menus take their captions when a language is applied.
            h.main.ApplyLanguage();
            problems << windowClashes(window.name, shown.get());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The check itself: a clash is found, accents aside, and the kept ones pass.
    void clashesAreFound()
    {
        QCOMPARE(clashes("w", {"&Edit", "&Exit", "&View"}).size(), 1);
        QCOMPARE(clashes("w", {"&Édition", "&Effacer"}).size(), 1);
        QCOMPARE(clashes("w", {"Acerca &de", "¡Haz una &Donación!"}).size(), 0);
        QCOMPARE(clashes("w", {"Save && &Close", "&Save"}).size(), 0);
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::AcceleratorKeysTest)
#include "AcceleratorKeysTest.moc"
