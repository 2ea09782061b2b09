#include "ReportCommand.h"

#include "CommandSupport.h"
#include "PrintableName.h"
#include "ScoreCommand.h"
#include "TournamentCommands.h"
#include "document/MainBoard.h"
#include "document/PredictionsFile.h"
#include "engine/TournamentFolders.h"
#include "platform/Services.h"
#include "report/ReportLines.h"
#include "report/ScheduleLines.h"

#include <exception>
#include <optional>
#include <ostream>
#include <string_view>

namespace tiplark {
namespace {


constexpr const char* Usage =
    "Usage: tiplark-report [--schedule] [--] FILE\n"
    "       tiplark-report --compare [--] FILE\n"
    "       tiplark-report --score [--format tsv|text] [--] FILE...\n"
    "       tiplark-report --standings|--bracket [--format tsv|text] [--] FILE\n"
    "       tiplark-report --real ID\n"
    "       tiplark-report --list-tournaments [--format tsv|text]\n"
    "       tiplark-report --help | --version\n"
    "Prints the report of a Tiplark predictions file to standard output. A file\n"
    "that names its tournament ([TOURNAMENT] Id=...) is a prediction of that\n"
    "tournament; any other is a 2006 Tiplark.ini.\n"
    "\n"
    "  --schedule      print the game schedule instead, in the file's time zone:\n"
    "                  every match in kick-off order with its teams (and, for\n"
    "                  a tournament other than 2006, its venue's city)\n"
    "  --compare       compare the prediction with the real results of its\n"
    "                  tournament: every match with its points (4 exact score,\n"
    "                  3 right goal difference, 2 right outcome), the points for\n"
    "                  advancing teams and the total out of the maximum (314 for\n"
    "                  32 teams, 536 for 48)\n"
    "  --score         rank several predictions files of one tournament against\n"
    "                  its real results, best first: by points, then by exact\n"
    "                  scores; files level on both share a rank and keep their\n"
    "                  order. A file that cannot be read is named on standard\n"
    "                  error, the others are still ranked, and the exit status\n"
    "                  is 1. A file given twice (by the same or another name) is\n"
    "                  ranked once, with a note on standard error. Files of\n"
    "                  different tournaments: exit status 2\n"
    "  --standings     print every group table (and the best third-placed teams)\n"
    "  --bracket       print every knockout match with its teams and winner\n"
    "  --real ID       print the real results of tournament ID as a predictions\n"
    "                  file\n"
    "  --list-tournaments\n"
    "                  list the tournaments: id, name, teams, matches\n"
    "  --format tsv|text\n"
    "                  text (the default) prints aligned lines; tsv prints\n"
    "                  tab-separated lines under a header: with --score \"rank\n"
    "                  points match_points advance_points exact file\", with\n"
    "                  --standings \"group pos team played won drawn lost\n"
    "                  goals_for goals_against points\", with --bracket \"match\n"
    "                  team1 team2 winner\", with --list-tournaments \"id name\n"
    "                  teams matches\"; teams by their FIFA codes\n"
    "  --              end of the options: every argument after it is a FILE,\n"
    "                  even one starting with \"-\"\n"
    "  --help, -h      show this help\n"
    "  --version       show the version\n"
    "\n"
    "File names are printed with \\, tab, line feed and carriage return as \\\\,\n"
    "\\t, \\n and \\r, and other control characters and bytes that are not UTF-8\n"
    "as \\xHH.\n"
    "\n"
    "Exit status:\n"
    "  0  Everything asked for was written.\n"
    "  1  A file could not be loaded (with --score: at least one, and the others\n"
    "     are still ranked), or the output could not be written.\n"
    "  2  The arguments were wrong: standard error names the one at fault, or\n"
    "     --score was given files of different tournaments.\n";

// Loading asks nothing; a message it would show goes to standard error.
class ConsoleMessages : public MessageService {
public:
    explicit ConsoleMessages(std::ostream& err)
        : m_err(err)
    {
    }
    void showError(const std::string& text) override { m_err << Program << ": " << text << '\n'; }
    void showInformation(const std::string& text) override { m_err << Program << ": " << text << '\n'; }
    DialogResult askYesNo(const std::string&) override { return DialogResult::No; }
    DialogResult askYesNoCancel(const std::string&) override { return DialogResult::Cancel; }

private:
    std::ostream& m_err;
};

class NoCursor : public CursorService {
public:
    void setBusy(bool) override {}
};

enum class Mode { Report, Schedule, Compare, Score, Standings, Bracket, Real, ListTournaments };

struct Request {
    bool help = false;
    bool version = false;
    Mode mode = Mode::Report;
    std::string modeOption;  // the option that chose the mode, if any
    std::optional<std::string> format;
    std::vector<std::string> files;
};

std::optional<Mode> modeOf(std::string_view option)
{
    if (option == "--schedule")
        return Mode::Schedule;
    if (option == "--compare")
        return Mode::Compare;
    if (option == "--score")
        return Mode::Score;
    if (option == "--standings")
        return Mode::Standings;
    if (option == "--bracket")
        return Mode::Bracket;
    if (option == "--real")
        return Mode::Real;
    if (option == "--list-tournaments")
        return Mode::ListTournaments;
    return std::nullopt;
}

std::string quoted(std::string_view argument)
{
    return "'" + printableName(argument) + "'";
}

// What is wrong with the arguments, naming the one at fault; nothing when
// they can be run.
std::optional<std::string> parse(const std::vector<std::string>& arguments, Request& request)
{
    constexpr std::string_view FormatOption = "--format";
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !argument.starts_with('-')) {
            request.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            request.help = true;
        } else if (argument == "--version") {
            request.version = true;
        } else if (const std::optional<Mode> mode = modeOf(argument)) {
            if (!request.modeOption.empty())
                return quoted(argument) + " cannot be combined with " + quoted(request.modeOption);
            request.mode = *mode;
            request.modeOption = argument;
        } else if (argument == FormatOption || argument.starts_with("--format=")) {
            if (request.format)
                return quoted(argument) + ": the format is given twice";
            if (argument != FormatOption)
                request.format = argument.substr(FormatOption.size() + 1);
            else if (i + 1 < arguments.size())
                request.format = arguments[++i];
            else
                return "'--format' needs a format: tsv or text";
        } else {
            return "unknown option " + quoted(argument);
        }
    }
    if (request.help || request.version)
        return std::nullopt;
    const bool formatted = request.mode == Mode::Score || request.mode == Mode::Standings
                           || request.mode == Mode::Bracket || request.mode == Mode::ListTournaments;
    if (request.format && !formatted)
        return "'--format' works only with '--score', '--standings', '--bracket' and '--list-tournaments'";
    if (request.format && *request.format != "tsv" && *request.format != "text")
        return "unknown format " + quoted(*request.format) + ": tsv or text";
    if (request.mode == Mode::ListTournaments) {
        if (!request.files.empty())
            return "'--list-tournaments' takes no FILE: " + quoted(request.files[0]);
        return std::nullopt;
    }
    if (request.files.empty()) {
        if (request.mode == Mode::Real)
            return "'--real' needs a tournament ID";
        return request.mode == Mode::Score ? "'--score' needs at least one FILE" : "no FILE given";
    }
    if (request.mode != Mode::Score && request.files.size() > 1)
        return "one FILE only: " + quoted(request.files[1]) + " follows " + quoted(request.files[0]);
    return std::nullopt;
}

}  // namespace

int runReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                     const DateTimeFormat& dates, const TournamentCatalog& tournaments)
{
    Request request;
    if (const std::optional<std::string> problem = parse(arguments, request)) {
        err << Program << ": " << *problem << "\n\n" << Usage;
        return static_cast<int>(ExitStatus::Usage);
    }
    // Help and version are output like any other: a full disk is a failure.
    if (request.help) {
        out << Usage;
        return finishOutput(out, err, ExitStatus::Ok);
    }
    if (request.version) {
        out << Program << ' ' << TIPLARK_VERSION << '\n';
        return finishOutput(out, err, ExitStatus::Ok);
    }

    const bool tsv = request.format == "tsv";
    switch (request.mode) {
    case Mode::Score:
        return runScoreCommand(request.files, tsv ? ScoreFormat::Tsv : ScoreFormat::Table, tournaments, out, err);
    case Mode::Compare:
        return runCompareCommand(request.files.front(), tournaments, out, err);
    case Mode::Standings:
    case Mode::Bracket:
        return runViewCommand(tournaments, request.mode == Mode::Standings ? TournamentView::Standings : TournamentView::Bracket,
                              request.files.front(), tsv, out, err);
    case Mode::Real:
        return runRealCommand(tournaments, request.files.front(), out, err);
    case Mode::ListTournaments:
        return runListTournaments(tournaments, tsv, out, err);
    case Mode::Report:
    case Mode::Schedule:
        break;
    }

    const std::string& file = request.files.front();
    if (const std::optional<int> status = runTournamentReport(tournaments, file, request.mode == Mode::Schedule, dates, out, err))
        return *status;
    const Tournament* tournament = tournaments.find(DefaultTournamentId);
    if (!tournament) {
        err << Program << ": the tournament files are missing: " << DefaultTournamentId << ".json\n";
        for (const std::string& problem : tournaments.problems())
            err << Program << ": " << problem << '\n';
        return static_cast<int>(ExitStatus::Failure);
    }
    try {
        ConsoleMessages messages(err);
        NoCursor cursor;
        MainBoard main(Services{messages, cursor, dates}, *tournament);
        if (const PredictionsLoad load = LoadPredictions(main, file); load != PredictionsLoad::Loaded) {
            reportLoadFailure(err, file, load);
            return static_cast<int>(ExitStatus::Failure);
        }

        const Preferences& preferences = main.preferences();
        const std::vector<std::string> lines =
            request.mode == Mode::Schedule
                ? BuildScheduleLines(preferences.zoneShift, preferences.daylightShift, boardTexts(main.board()), dates)
                : BuildReportLines(preferences.languageIndex, boardTexts(main.board()));
        for (const std::string& line : lines)
            out << line << '\n';
    } catch (const std::exception& error) {
        reportFileProblem(err, file, error.what());
        return static_cast<int>(ExitStatus::Failure);
    }
    return finishOutput(out, err, ExitStatus::Ok);
}

}  // namespace tiplark
