#include "ProgramArguments.h"
#include "engine/TournamentCatalog.h"
#include "engine/TournamentFolders.h"
#include "i18n/LanguageTables.h"
#include "services/AssetLocator.h"
#include "services/LocaleDateTimeFormat.h"
#include "services/ProgramFolder.h"
#include "services/QtBrowserLauncher.h"
#include "services/QtCursorService.h"
#include "services/QtMessageService.h"
#include "windows/MainForm.h"
#include "windows/MainWindowHost.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = tiplark::answerInformationArguments(argc, argv, std::cout, std::cerr))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tiplark - Germany"));
    QApplication::setWindowIcon(QIcon(tiplark::AssetLocator().picture(QStringLiteral("tiplark.png"))));

    tiplark::QtMessageService messages;
    tiplark::QtCursorService cursor;
    tiplark::LocaleDateTimeFormat dates;
    tiplark::QtBrowserLauncher browser;
    tiplark::TournamentCatalog tournaments(tiplark::tournamentFolders(tiplark::programFolder()));
    if (!tournaments.find(tiplark::DefaultTournamentId)) {
        messages.showError(tiplark::fillIn(tiplark::languageText(tiplark::LanguageEnglish, "msg.tournamentsMissing"),
                                           std::string(tiplark::DefaultTournamentId) + ".json"));
        return EXIT_FAILURE;
    }
    tiplark::MainWindowHost::WindowHooks hooks{
        [&messages](QWidget* window) { messages.setParentWindow(window); },
        [](tiplark::TMainForm& form) {
            // Desktops without a window manager ignore maximising; fill the screen anyway.
            form.setGeometry(form.screen()->availableGeometry());
            form.showMaximized();
        },
    };
    tiplark::MainWindowHost host(std::move(tournaments), tiplark::Services{messages, cursor, dates}, browser,
                                 tiplark::programFolder(), std::move(hooks));
    if (!host.start())
        return EXIT_FAILURE;
    return QApplication::exec();
}
