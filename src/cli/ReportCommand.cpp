#include "ReportCommand.h"

#include "document/LoadAndSave.h"
#include "document/MainBoard.h"
#include "platform/Services.h"
#include "report/ReportLines.h"
#include "report/ScheduleLines.h"

#include <exception>
#include <ostream>

namespace tiplark {
namespace {

constexpr const char* Program = "tiplark-report";

constexpr const char* Usage =
    "Usage: tiplark-report [--schedule] FILE\n"
    "Prints the report of a Tiplark predictions file to standard output.\n"
    "\n"
    "  --schedule  print the game schedule instead, in the file's time zone\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

enum class ExitStatus { Ok = 0, Failure = 1, Usage = 2 };

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

struct Request {
    bool help = false;
    bool version = false;
    bool schedule = false;
    std::string file;
};

bool parse(const std::vector<std::string>& arguments, Request& request)
{
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h")
            request.help = true;
        else if (argument == "--version")
            request.version = true;
        else if (argument == "--schedule")
            request.schedule = true;
        else if (argument.starts_with("-") || !request.file.empty())
            return false;
        else
            request.file = argument;
    }
    return request.help || request.version || !request.file.empty();
}

const char* loadFailure(PredictionsLoad result)
{
    switch (result) {
    case PredictionsLoad::Missing:
        return "no such file";
    case PredictionsLoad::Unreadable:
        return "cannot be read";
    case PredictionsLoad::FirstRun:
        return "holds no saved predictions (no \"FirstTime=0\")";
    case PredictionsLoad::Loaded:
        break;
    }
    return nullptr;
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

    try {
        ConsoleMessages messages(err);
        NoCursor cursor;
        MainBoard main(Services{messages, cursor, dates});
        if (const char* failure = loadFailure(LoadPredictions(main, request.file))) {
            err << Program << ": " << request.file << ": " << failure << '\n';
            return static_cast<int>(ExitStatus::Failure);
        }

        const Preferences& preferences = main.preferences();
        const std::vector<std::string> lines =
            request.schedule
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
        err << Program << ": " << request.file << ": " << error.what() << '\n';
        return static_cast<int>(ExitStatus::Failure);
    }
    return static_cast<int>(ExitStatus::Ok);
}

}  // namespace tiplark
