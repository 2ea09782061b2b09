// libFuzzer target: arbitrary bytes as a predictions file must load without
// fault, and the board saved from them must load back into the same board.
#include "RoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// One folder per fuzzing process, removed at exit.
const std::string& predictionsPath()
{
    static const std::string path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "tiplark-fuzz-XXXXXX").string();
        if (!::mkdtemp(folder.data()))
            std::abort();
        static const std::string removeAtExit = folder;
        std::atexit([] { std::filesystem::remove_all(removeAtExit); });
        return folder + "/Tiplark.ini";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string difference = tiplark::testing::roundTripDifference(bytes, predictionsPath());
    if (!difference.empty()) {
        std::fprintf(stderr, "round trip changed the board: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
