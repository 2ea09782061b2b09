#include "ProgramArguments.h"

#include <ostream>
#include <string_view>

namespace tiplark {
namespace {

constexpr const char* Usage =
    "Usage: tiplark [--help | --version]\n"
    "Follows and predicts the 2006 football world championship in Germany.\n"
    "\n"
    "  --help     show this help\n"
    "  --version  show the version\n"
    "\n"
    "Predictions and preferences are kept in Tiplark.ini, beside the program when\n"
    "its folder can be written, otherwise in $XDG_CONFIG_HOME/Tiplark/.\n";

}  // namespace

std::optional<int> answerInformationArguments(int argc, const char* const argv[], std::ostream& out, std::ostream& err)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h")
            out << Usage;
        else if (argument == "--version")
            out << "tiplark " << TIPLARK_VERSION << '\n';
        else
            continue;
        // An answer that could not be written (a full disk) is a failure.
        out.flush();
        if (!out) {
            err << "tiplark: cannot write the output\n";
            return 1;
        }
        return 0;
    }
    return std::nullopt;
}

}  // namespace tiplark
