#pragma once

#include "document/MainBoard.h"
#include "engine/TournamentCatalog.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace tiplark {

class PredictionDialogs;
class TMainForm;

// The program's open prediction: the tournament catalog, the board open now
// and the main window that shows it. Choosing another tournament or file
// builds a new board and window and lets the old ones go, so that a board
// never changes tournament under its window.
class MainWindowHost : public QObject {
    Q_OBJECT

public:
    // What the program does with each main window it adopts; tests leave both out.
    struct WindowHooks {
        std::function<void(QWidget*)> parentMessages;  // messages appear over it
        std::function<void(TMainForm&)> show;
    };

    // programFolder ends in a path separator, as TMainForm's. The catalog
    // must hold the default tournament.
    MainWindowHost(TournamentCatalog catalog, Services services, BrowserLauncher& browser, std::string programFolder,
                   WindowHooks hooks = {});
    ~MainWindowHost() override;

    // Opens the predictions file the user last chose if it still loads,
    // otherwise Tiplark.ini as ever (TMainForm::FormCreate, with its first
    // run). False when the program must end without a window.
    bool start();

    // File > New Prediction for: the tournament's own file beside
    // Tiplark.ini (tournamentPredictionsPath), started with the current
    // board's language and time zone when it holds no prediction yet.
    // False when the user stayed on the current board or it cannot be opened.
    bool newPrediction(const std::string& tournamentId);
    // File > Open Prediction: any predictions file, on the board of the
    // tournament it names.
    bool openPrediction(const std::string& path);

    const TournamentCatalog& catalog() const { return m_catalog; }
    MainBoard& board() const { return *m_open.board; }
    TMainForm& window() const { return *m_open.window; }
    // Tests answer the file dialogs of this and every later window.
    void setPredictionDialogs(PredictionDialogs& dialogs);

private:
    struct Open {
        std::unique_ptr<MainBoard> board;
        std::unique_ptr<TMainForm> window;  // destroyed before its board
    };

    Open build(const Tournament& tournament, const std::string& path);
    // The board of the tournament the file at `path` names, loaded from it;
    // empty, with `failure` said in the current language, when it cannot be.
    Open load(const std::string& path, std::string& failure);
    // The window shown in place of the current one; `remember`: its file is
    // the one the next start opens.
    void adopt(Open next, bool remember = true);
    void showError(const std::string& message);
    int languageIndex() const;
    const std::string& tiplarkIni() const { return m_tiplarkIni; }

    TournamentCatalog m_catalog;
    Services m_services;
    BrowserLauncher& m_browser;
    std::string m_programFolder;
    std::string m_tiplarkIni;
    WindowHooks m_hooks;
    PredictionDialogs* m_dialogs = nullptr;
    Open m_open;
};

}  // namespace tiplark
