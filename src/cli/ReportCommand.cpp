#include "ReportCommand.h"

#include "CommandSupport.h"
#include "ScoreCommand.h"
#include "TournamentCommands.h"
#include "document/MainBoard.h"
#include "document/PredictionsFile.h"
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
    "Usage: tiplark-report [--schedule] FILE\n"
    "       tiplark-report --compare FILE\n"
    "       tiplark-report --score [--format tsv] FILE...\n"
    "       tiplark-report --standings|--bracket [--format tsv] FILE\n"
    "       tiplark-report --real ID\n"
    "       tiplark-report --list-tournaments [--format tsv]\n"
    "Prints the report of a Tiplark predictions file to standard output. A file\n"
    "that names its tournament ([TOURNAMENT] Id=...) is a prediction of that\n"
    "tournament; any other is a 2006 Tiplark.ini.\n"
    "\n"
    "  --schedule      print the game schedule instead, in the file's time zone\n"
    "                  (2006 files only)\n"
    "  --compare       compare the prediction with the real results of its\n"
    "                  tournament: every match with its points (4 exact score,\n"
    "                  3 right goal difference, 2 right outcome), the points for\n"
    "                  advancing teams and the total out of the maximum (314 for\n"
    "                  2006)\n"
    "  --score         rank several predictions files of one tournament against\n"
    "                  its real results, best first: by points, then by exact\n"
    "                  scores; files level on both share a rank and keep their\n"
    "                  order. A file that cannot be read is named on standard\n"
    "                  error, the others are still ranked, and the exit status\n"
    "                  is 1; files of different tournaments: exit status 2\n"
    "  --standings     print every group table (and the best third-placed teams)\n"
    "  --bracket       print every knockout match with its teams and winner\n"
    "  --real ID       print the real results of tournament ID as a predictions\n"
    "                  file\n"
    "  --list-tournaments\n"
    "                  list the tournaments: id, name, teams, matches\n"
    "  --format tsv    tab-separated lines under a header: with --score \"rank\n"
    "                  points match_points advance_points exact file\" (the file\n"
    "                  as given), with --standings \"group pos team played won\n"
    "                  drawn lost goals_for goals_against points\", with --bracket\n"
    "                  \"match team1 team2 winner\", with --list-tournaments \"id\n"
    "                  name teams matches\"; teams by their FIFA codes\n"
    "  --help          show this help\n"
    "  --version       show the version\n";

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
    bool modeGiven = false;
    std::optional<std::string> format;
    std::vector<std::string> files;
};

bool setMode(Request& request, Mode mode)
{
    if (request.modeGiven)
        return false;
    request.mode = mode;
    request.modeGiven = true;
    return true;
}

bool parse(const std::vector<std::string>& arguments, Request& request)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        bool known = true;
        if (argument == "--help" || argument == "-h")
            request.help = true;
        else if (argument == "--version")
            request.version = true;
        else if (argument == "--schedule")
            known = setMode(request, Mode::Schedule);
        else if (argument == "--compare")
            known = setMode(request, Mode::Compare);
        else if (argument == "--score")
            known = setMode(request, Mode::Score);
        else if (argument == "--standings")
            known = setMode(request, Mode::Standings);
        else if (argument == "--bracket")
            known = setMode(request, Mode::Bracket);
        else if (argument == "--real")
            known = setMode(request, Mode::Real);
        else if (argument == "--list-tournaments")
            known = setMode(request, Mode::ListTournaments);
        else if (argument == "--format" && i + 1 < arguments.size() && !request.format)
            request.format = arguments[++i];
        else if (argument.starts_with("--format=") && !request.format)
            request.format = argument.substr(std::string_view("--format=").size());
        else if (argument.starts_with("-"))
            known = false;
        else
            request.files.push_back(argument);
        if (!known)
            return false;
    }
    if (request.help || request.version)
        return true;
    const bool formatted = request.mode == Mode::Score || request.mode == Mode::Standings
                           || request.mode == Mode::Bracket || request.mode == Mode::ListTournaments;
    if (request.format && (!formatted || (*request.format != "tsv" && *request.format != "text")))
        return false;
    if (request.mode == Mode::ListTournaments)
        return request.files.empty();
    return request.mode == Mode::Score ? !request.files.empty() : request.files.size() == 1;
}

}  // namespace

int runReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                     const DateTimeFormat& dates)
{
    Request request;
    if (!parse(arguments, request)) {
        err << Usage;
        return static_cast<int>(ExitStatus::Usage);
    }
    if (request.help) {
        out << Usage;
        return static_cast<int>(ExitStatus::Ok);
    }
    if (request.version) {
        out << Program << ' ' << TIPLARK_VERSION << '\n';
        return static_cast<int>(ExitStatus::Ok);
    }

    const bool tsv = request.format == "tsv";
    switch (request.mode) {
    case Mode::Score:
        return runScoreCommand(request.files, tsv ? ScoreFormat::Tsv : ScoreFormat::Table, out, err);
    case Mode::Compare:
        return runCompareCommand(request.files.front(), out, err);
    case Mode::Standings:
    case Mode::Bracket:
        return runViewCommand(request.mode == Mode::Standings ? TournamentView::Standings : TournamentView::Bracket,
                              request.files.front(), tsv, out, err);
    case Mode::Real:
        return runRealCommand(request.files.front(), out, err);
    case Mode::ListTournaments:
        return runListTournaments(tsv, out, err);
    case Mode::Report:
    case Mode::Schedule:
        break;
    }

    const std::string& file = request.files.front();
    if (const std::optional<int> status = runTournamentReport(file, request.mode == Mode::Schedule, out, err))
        return *status;
    try {
        ConsoleMessages messages(err);
        NoCursor cursor;
        MainBoard main(Services{messages, cursor, dates});
        if (const char* failure = loadFailure(LoadPredictions(main, file))) {
            err << Program << ": " << file << ": " << failure << '\n';
            return static_cast<int>(ExitStatus::Failure);
        }

        const Preferences& preferences = main.preferences();
        const std::vector<std::string> lines =
            request.mode == Mode::Schedule
                ? BuildScheduleLines(preferences.zoneShift, preferences.daylightShift, boardTexts(main.board()), dates)
                : BuildReportLines(preferences.languageIndex, boardTexts(main.board()));
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            err << Program << ": cannot write the output\n";
            return static_cast<int>(ExitStatus::Failure);
        }
    } catch (const std::exception& error) {
        err << Program << ": " << file << ": " << error.what() << '\n';
        return static_cast<int>(ExitStatus::Failure);
    }
    return static_cast<int>(ExitStatus::Ok);
}

}  // namespace tiplark
