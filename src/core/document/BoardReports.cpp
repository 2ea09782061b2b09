#include "document/BoardReports.h"

#include "document/MainBoard.h"
#include "engine/TournamentFolders.h"
#include "report/ReportLines.h"
#include "report/ScheduleLines.h"
#include "report/TextLookup.h"
#include "report/TournamentReportLines.h"
#include "report/TournamentScheduleLines.h"

namespace tiplark {
namespace {

// The 2006 board keeps the report and schedule its users know, byte for byte.
bool ownBoard(const MainBoard& main)
{
    return main.tournament().id == DefaultTournamentId;
}

}  // namespace

std::vector<std::string> boardReportLines(const MainBoard& main)
{
    const int language = main.preferences().languageIndex;
    if (ownBoard(main))
        return BuildReportLines(language, boardTexts(main.board()));
    const TournamentPlay& play = main.rules().play();
    const Tournament& tournament = main.tournament();
    return tournamentReportLines(language, tournament, play.prediction(), play.outcome(),
                                 knownTeams(tournament, play.prediction(), play.outcome()));
}

std::vector<std::string> boardScheduleLines(const MainBoard& main)
{
    const Preferences& preferences = main.preferences();
    const DateTimeFormat& dates = main.services().dates;
    if (ownBoard(main))
        return BuildScheduleLines(preferences.zoneShift, preferences.daylightShift, boardTexts(main.board()), dates);
    const TournamentPlay& play = main.rules().play();
    const Tournament& tournament = main.tournament();
    return tournamentScheduleLines(preferences.languageIndex, tournament,
                                   knownTeams(tournament, play.prediction(), play.outcome()), preferences, dates);
}

}  // namespace tiplark
