#pragma once

#include "storage/FileStamp.h"
#include "storage/SettingsFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tiplark {

// What writeSettings did.
struct SettingsWrite {
    bool written = false;
    std::string failedPath;         // the file that could not be written, when not written
    std::string backup;             // the backup kept first, "" for none
    FileStamp stamp;                // of the file written
    std::uint64_t rewrittenDigest = 0;  // its SettingsFile::rewrittenPartDigest
};

// Writes `sections` into the file at `path`, whose contents `disk` has just
// read, keeping every other line (SettingsFile::rewritten), through
// replaceFileAtomically. A file that could not be read whole, or whose save
// target refuses a write, is left alone. With `backupFirst` the file is kept
// as a numbered backup beside `path` first, and a backup that fails stops
// the save.
SettingsWrite writeSettings(const std::string& path, const SettingsFile& disk,
                            const std::vector<SectionValues>& sections, bool backupFirst);

}  // namespace tiplark
