#include "ReportCommand.h"

#include "CommandSupport.h"
#include "ScoreCommand.h"
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
    "                  still ranked, and the exit status is 1\n"
    "  --format tsv    with --score: a header line \"rank points match_points\n"
    "                  advance_points exact file\" and one line per file, fields\n"
    "                  separated by tabs, the file as given\n"
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

enum class Mode { Report, Schedule, Compare, Score };

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
    if (request.format && (request.mode != Mode::Score || (*request.format != "tsv" && *request.format != "text")))
        return false;
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

    if (request.mode == Mode::Score)
        return runScoreCommand(request.files, request.format == "tsv" ? ScoreFormat::Tsv : ScoreFormat::Table, out, err);
    if (request.mode == Mode::Compare)
        return runCompareCommand(request.files.front(), out, err);

    const std::string& file = request.files.front();
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
