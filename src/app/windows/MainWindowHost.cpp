#include "windows/MainWindowHost.h"

#include "document/LoadFailure.h"
#include "document/PredictionsFile.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "i18n/LanguageTables.h"
#include "storage/LastPrediction.h"
#include "storage/PredictionsLocation.h"
#include "windows/MainForm.h"

#include <utility>

namespace tiplark {

MainWindowHost::MainWindowHost(TournamentCatalog catalog, Services services, BrowserLauncher& browser,
                               std::string programFolder, WindowHooks hooks)
    : m_catalog(std::move(catalog))
    , m_services(services)
    , m_browser(browser)
    , m_programFolder(std::move(programFolder))
    , m_tiplarkIni(predictionsFilePath(m_programFolder))
    , m_hooks(std::move(hooks))
{
}

MainWindowHost::~MainWindowHost() = default;

bool MainWindowHost::start()
{
    if (const std::optional<std::string> last = readLastPrediction(tiplarkIni()); last && *last != tiplarkIni()) {
        std::string failure;  // not said: the start goes on as ever
        if (Open open = load(*last, failure); open.board) {
            adopt(std::move(open), false);
            return true;
        }
    }
    Open open = build(*m_catalog.find(DefaultTournamentId), tiplarkIni());
    if (m_hooks.parentMessages)
        m_hooks.parentMessages(open.window.get());
    if (!open.window->FormCreate())
        return false;
    m_open = std::move(open);
    if (m_hooks.show)
        m_hooks.show(*m_open.window);
    return true;
}

bool MainWindowHost::newPrediction(const std::string& tournamentId)
{
    const Tournament* tournament = m_catalog.find(tournamentId);
    if (!tournament || !m_open.window->leaveForAnotherPrediction())
        return false;
    const std::string path = tournamentPredictionsPath(tiplarkIni(), *tournament, m_catalog.tournaments());
    Open next = build(*tournament, path);
    switch (const PredictionsLoad load = LoadPredictions(*next.board, path)) {
    case PredictionsLoad::Loaded:
        break;
    case PredictionsLoad::Missing:
    case PredictionsLoad::FirstRun:
        StartPrediction(*next.board, path, m_open.board->preferences());
        break;
    default:
        showError(loadFailureMessage(languageIndex(), path, load));
        return false;
    }
    adopt(std::move(next));
    return true;
}

bool MainWindowHost::openPrediction(const std::string& path)
{
    if (!m_open.window->leaveForAnotherPrediction())
        return false;
    std::string failure;
    Open next = load(path, failure);
    if (!next.board) {
        showError(failure);
        return false;
    }
    adopt(std::move(next));
    return true;
}

void MainWindowHost::setPredictionDialogs(PredictionDialogs& dialogs)
{
    m_dialogs = &dialogs;
    if (m_open.window)
        m_open.window->setPredictionDialogs(dialogs);
}

MainWindowHost::Open MainWindowHost::build(const Tournament& tournament, const std::string& path)
{
    Open open;
    open.board = std::make_unique<MainBoard>(m_services, tournament);
    open.window = std::make_unique<TMainForm>(*open.board, m_browser, TMainForm::PredictionsPath{path});
    open.window->offerTournaments(m_catalog.tournaments());
    if (m_dialogs)
        open.window->setPredictionDialogs(*m_dialogs);
    // Queued: the window that asks is replaced only once its own handler has returned.
    connect(open.window.get(), &TMainForm::newPredictionChosen, this,
            [this](const QString& id) { newPrediction(id.toStdString()); }, Qt::QueuedConnection);
    connect(open.window.get(), &TMainForm::predictionFileChosen, this,
            [this](const QString& chosen) { openPrediction(chosen.toStdString()); }, Qt::QueuedConnection);
    return open;
}

MainWindowHost::Open MainWindowHost::load(const std::string& path, std::string& failure)
{
    SettingsFile file;
    if (const PredictionsLoad state = predictionsLoad(file.load(path)); state != PredictionsLoad::Loaded) {
        failure = loadFailureMessage(languageIndex(), path, state);
        return {};
    }
    const Tournament* tournament = nullptr;
    try {
        tournament = predictionsTournament(m_catalog, file);
    } catch (const UnknownTournament& unknown) {
        failure = fillIn(languageText(languageIndex(), "msg.cannotRead"), path,
                         fillIn(languageText(languageIndex(), "file.unknownTournament"), unknown.id()));
        return {};
    }
    // A file that names no tournament is Tiplark.ini's kind.
    Open open = build(tournament ? *tournament : *m_catalog.find(DefaultTournamentId), path);
    if (const PredictionsLoad load = LoadPredictions(*open.board, path); load != PredictionsLoad::Loaded) {
        failure = loadFailureMessage(languageIndex(), path, load);
        return {};
    }
    return open;
}

void MainWindowHost::adopt(Open next, bool remember)
{
    // The load has applied the language, so the window has its title and menus.
    const Open previous = std::exchange(m_open, std::move(next));
    if (m_hooks.parentMessages)
        m_hooks.parentMessages(m_open.window.get());
    if (m_hooks.show)
        m_hooks.show(*m_open.window);
    if (remember)
        rememberLastPrediction(tiplarkIni(), m_open.window->predictionsPath());
}

void MainWindowHost::showError(const std::string& message)
{
    m_services.messages.showError(message);
}

int MainWindowHost::languageIndex() const
{
    return m_open.board ? m_open.board->preferences().languageIndex : LanguageEnglish;
}

}  // namespace tiplark
