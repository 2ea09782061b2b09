// The real main window under the offscreen platform, mirroring the board.
#include "BenchSupport.h"
#include "RecordingServices.h"
#include "tournament/TournamentData.h"
#include "windows/BoardView.h"
#include "document/TournamentPredictionsFile.h"
#include "windows/MainForm.h"
#include "windows/MainWindowHost.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace tiplark {
namespace {

using bench::CompleteFile;
using testing::BoardHarness;

class NoBrowser : public BrowserLauncher {
public:
    bool open(const std::string&) override { return true; }
};

// Runs what the event loop has to do after a change: layout, repaint.
void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

struct ShownWindow {
    explicit ShownWindow(const CompleteFile& file)
        : form(h.main, browser, file.folder().path().string() + "/")
    {
        form.FormCreate();
        form.resize(1280, 740);
        form.show();
        settle();
    }
    BoardHarness h;
    NoBrowser browser;
    TMainForm form;
};

// One keystroke typed into the score box of a group whose six results are
// all entered, until the window has mirrored the model and repainted:
// alternately Backspace (the box empties) and a digit (it fills again).
void KeystrokeWindow(benchmark::State& state)
{
    const CompleteFile file;
    ShownWindow window(file);
    const ControlId box = window.h.board().id(groupScoreName('A', 1, 1));
    auto* edit = qobject_cast<QLineEdit*>(window.form.boardView().widget(box));
    edit->setFocus();
    edit->end(false);
    bool erase = true;
    for (auto _ : state) {
        QTest::keyClick(edit, erase ? Qt::Key_Backspace : Qt::Key_2);
        settle();
        erase = !erase;
    }
    if (window.h.board().text(box) != (erase ? "2" : ""))
        state.SkipWithError("the keystrokes did not reach the board");
}
BENCHMARK(KeystrokeWindow)->Unit(benchmark::kMicrosecond);

// The same keystroke on the 2026 board, complete with its real results, in
// the first box of group A: each one re-ranks the group, the third-placed
// teams and the whole bracket down to the champion, and the window mirrors
// every label, flag and name that changes.
void Keystroke2026Window(benchmark::State& state)
{
    testing::EditionHarness board("worldcup-2026");
    NoBrowser browser;
    const testing::TemporaryFolder folder;
    TMainForm form(board.main, browser, folder.path().string() + "/");
    board.main.ApplyLanguage();
    board.fillRealResults();
    form.resize(1366, 768);
    form.show();
    settle();
    const ControlId box = board.main.controls().groups[0].score[0][0];
    auto* edit = qobject_cast<QLineEdit*>(form.boardView().widget(box));
    edit->setFocus();
    edit->end(false);
    const std::string typed = board.main.board().text(box);
    bool erase = true;
    for (auto _ : state) {
        QTest::keyClick(edit, erase ? Qt::Key_Backspace : static_cast<Qt::Key>(Qt::Key_0 + std::stoi(typed)));
        settle();
        erase = !erase;
    }
    if (board.main.board().text(box) != (erase ? typed : ""))
        state.SkipWithError("the keystrokes did not reach the board");
}
BENCHMARK(Keystroke2026Window)->Unit(benchmark::kMicrosecond);

// Start-up inside one process: the main window is made, loads a complete
// predictions file, is shown and has painted.
void StartupWindow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto file = std::make_unique<CompleteFile>();
        state.ResumeTiming();
        auto window = std::make_unique<ShownWindow>(*file);
        state.PauseTiming();
        if (window->h.board().text(groupScoreName('A', 1, 1)).empty())
            state.SkipWithError("the predictions did not load");
        window.reset();
        file.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartupWindow)->Unit(benchmark::kMillisecond);

// File > New Prediction for, from the 2006 board to 2026: a new board and
// window are built, the complete 2026 file (its real results) is loaded,
// the window is shown and has painted, and the old ones are gone.
void SwitchTournamentWindow(benchmark::State& state)
{
    const CompleteFile file;
    const TournamentCatalog catalog({TIPLARK_TOURNAMENTS});
    const Tournament& cup2026 = *catalog.find("worldcup-2026");
    TournamentPredictions real{Prediction::real(cup2026), {}, {}};
    real.preferences.firstRun = false;
    testing::writeBytes(file.folder().file("Tiplark-2026.ini"), tournamentPredictionsText(cup2026, real, ""));

    testing::RecordingMessageService messages;
    testing::RecordingCursorService cursor;
    FixedDateTimeFormat dates;
    NoBrowser browser;
    MainWindowHost::WindowHooks hooks{{}, [](TMainForm& form) {
                                          form.resize(1280, 740);
                                          form.show();
                                      }};
    MainWindowHost host(catalog, Services{messages, cursor, dates}, browser, file.folder().path().string() + "/", hooks);
    host.start();
    settle();
    for (auto _ : state) {
        if (!host.newPrediction("worldcup-2026"))
            state.SkipWithError("the 2026 board did not open");
        settle();
        state.PauseTiming();
        if (!(host.board().rules().play().prediction() == real.prediction))
            state.SkipWithError("the 2026 file did not load");
        host.newPrediction("worldcup-2006");
        settle();
        state.ResumeTiming();
    }
    if (!messages.errors.empty())
        state.SkipWithError(messages.errors.front().c_str());
}
BENCHMARK(SwitchTournamentWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tiplark

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
