#include "platform/Trace.h"

#include <ctime>
#include <fstream>

namespace tiplark {
namespace {

std::ofstream& traceFile()
{
    static std::ofstream file;
    return file;
}

std::string now()
{
    const std::time_t moment = std::time(nullptr);
    char text[128];
    const size_t length = std::strftime(text, sizeof text, "%c", std::localtime(&moment));
    return std::string(text, length);
}

}  // namespace

std::string traceFilePath()
{
    return std::string(TIPLARK_TRACE_FOLDER) + "/aaatrace.log";
}

void StartTrace()
{
    if constexpr (TraceEnabled) {
        traceFile().open(traceFilePath(), std::ios::trunc);
        traceFile() << "START TRACE - " << now() << '\n';
    }
}

void EndTrace()
{
    if constexpr (TraceEnabled) {
        traceFile() << "END TRACE - " << now() << '\n';
        traceFile().close();
    }
}

}  // namespace tiplark
