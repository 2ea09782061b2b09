#include "ReportCommand.h"

#include "engine/TournamentFolders.h"
#include "services/LocaleDateTimeFormat.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tiplark::LocaleDateTimeFormat dates;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string folder = error ? std::string("./") : program.parent_path().string() + "/";
    const tiplark::TournamentCatalog tournaments(tiplark::tournamentFolders(folder));
    return tiplark::runReportCommand(arguments, std::cout, std::cerr, dates, tournaments);
}
