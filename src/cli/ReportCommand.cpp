#include "ReportCommand.h"

#include "CommandSupport.h"
#include "PrintableName.h"
#include "ScoreCommand.h"
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
    "       tiplark-report --help | --version\n"
    "Prints the report of a Tiplark predictions file to standard output.\n"
    "\n"
    "  --schedule      print the game schedule instead, in the file's time zone\n"
    "  --compare       compare the prediction with the real 2006 results: the\n"
    "                  64 matches with their points (4 exact score, 3 right goal\n"
    "                  difference, 2 right outcome), the points for advancing\n"
    "                  teams and the total out of 314\n"
    "  --score         rank several predictions files against the real results,\n"
    "                  best first: by points, then by exact scores; files level\n"
    "                  on both share a rank and keep their order. A file that\n"
    "                  cannot be read is named on standard error, the others are\n"
    "                  still ranked, and the exit status is 1. A file given twice\n"
    "                  (by the same or another name) is ranked once, with a note\n"
    "                  on standard error\n"
    "  --format tsv|text\n"
    "                  with --score: tsv prints a header line \"rank points\n"
    "                  match_points advance_points exact file\" and one line per\n"
    "                  file, fields separated by tabs; text (the default) prints\n"
    "                  an aligned table\n"
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
    "  2  The arguments were wrong: standard error names the one at fault.\n";

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

enum class Mode { Report, Schedule, Compare, Score };

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
    if (request.format && request.mode != Mode::Score)
        return "'--format' works only with '--score'";
    if (request.format && *request.format != "tsv" && *request.format != "text")
        return "unknown format " + quoted(*request.format) + ": tsv or text";
    if (request.files.empty())
        return request.mode == Mode::Score ? "'--score' needs at least one FILE" : "no FILE given";
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

    const Tournament* tournament = tournaments.find(DefaultTournamentId);
    if (!tournament) {
        err << Program << ": the tournament files are missing: " << DefaultTournamentId << ".json\n";
        for (const std::string& problem : tournaments.problems())
            err << Program << ": " << problem << '\n';
        return static_cast<int>(ExitStatus::Failure);
    }
    if (request.mode == Mode::Score)
        return runScoreCommand(request.files, request.format == "tsv" ? ScoreFormat::Tsv : ScoreFormat::Table, *tournament,
                               out, err);
    if (request.mode == Mode::Compare)
        return runCompareCommand(request.files.front(), *tournament, out, err);

    const std::string& file = request.files.front();
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
