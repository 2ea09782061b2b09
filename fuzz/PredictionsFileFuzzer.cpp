// libFuzzer target: arbitrary bytes as a predictions file must load without
// fault, and the board saved from them must load back into the same board.
// The file is loaded and saved in memory by the same reader and writer the
// program uses on disk, so the disk does not set the pace, and through two
// boards built once, so building them does not either.
#include "RoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tiplark::testing::RepeatedRoundTrip roundTrip;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string difference = roundTrip.difference(bytes);
    if (!difference.empty()) {
        std::fprintf(stderr, "round trip changed the board: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
