// Every window opens within the available area of a small screen: a laptop's
// 1366x768 at one and a half times the scale (CMake runs this test on such a
// screen), where a window built for a large one would put its buttons out of
// reach.
#include "EveryWindow.h"
#include "RecordingServices.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

namespace tiplark {

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(available.width() <= 1366 / 1.5 + 1 && available.height() <= 768 / 1.5 + 1,
                 "the test needs the small screen that CMake configures");
    }

    void everyWindowOpensOnTheScreen_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Spanish") << 1;
        QTest::newRow("French") << 2;
        QTest::newRow("German") << 3;
    }

    void everyWindowOpensOnTheScreen()
    {
        QFETCH(int, language);
        testing::BoardHarness h;
        h.main.preferences().languageIndex = language;
        h.main.ApplyLanguage();
        testing::EveryWindow every(h);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QStringList outside;
        for (const testing::WindowMaker& maker : every.makers()) {
            // The main window opens maximised.
            if (maker.name == QLatin1String("main"))
                continue;
            const std::unique_ptr<QWidget> window = maker.make();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            const QRect frame = window->frameGeometry();
            if (!available.contains(frame))
                outside << QStringLiteral("%1 at %2,%3 %4x%5")
                               .arg(maker.name)
                               .arg(frame.x())
                               .arg(frame.y())
                               .arg(frame.width())
                               .arg(frame.height());
        }
        QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("outside %1,%2 %3x%4: ")
                                                   .arg(available.x())
                                                   .arg(available.y())
                                                   .arg(available.width())
                                                   .arg(available.height())
                                               + outside.join(QStringLiteral("; "))));
    }
};

}  // namespace tiplark

QTEST_MAIN(tiplark::ScreenFitTest)
#include "ScreenFitTest.moc"
