#include "ReportCommand.h"

#include "services/LocaleDateTimeFormat.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tiplark::LocaleDateTimeFormat dates;
    return tiplark::runReportCommand(arguments, std::cout, std::cerr, dates);
}
