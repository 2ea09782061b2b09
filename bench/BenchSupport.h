#pragma once

#include "RecordingServices.h"
#include "TemporaryFolder.h"
#include "document/PredictionsFile.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace tiplark::bench {

// A program folder holding a copy of the complete test file (all 64
// matches, shoot-outs included) as its predictions file.
class CompleteFile {
public:
    CompleteFile()
    {
        std::filesystem::copy_file(testing::testData("predictions/complete-board.ini"), path());
    }
    const testing::TemporaryFolder& folder() const { return m_folder; }
    std::string path() const { return m_folder.file("Tiplark.ini"); }

private:
    testing::TemporaryFolder m_folder;
};

// A fresh board with the complete file loaded.
inline std::unique_ptr<testing::BoardHarness> completeBoard()
{
    const CompleteFile file;
    auto h = std::make_unique<testing::BoardHarness>();
    if (LoadPredictions(h->main, file.path()) != PredictionsLoad::Loaded)
        throw std::runtime_error("the complete test file did not load");
    return h;
}

}  // namespace tiplark::bench
