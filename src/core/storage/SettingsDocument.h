#pragma once

#include "platform/Services.h"
#include "storage/FileStamp.h"
#include "storage/SettingsFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tiplark {

// The user's side of loading and saving a document: message boxes in the
// user's language and, for a save that cannot go where it was meant to, the
// choice of another file ("" when the user cancels or nobody can choose).
struct UserDialogs {
    MessageService& messages;
    int languageIndex;
    std::function<std::string()> chooseOtherFile;
};

// A settings file as the file of a document: where it was loaded from, how
// it was on disk then, and the values the load took from it, so that a save
// can tell the user's changes from what it would lose, and from what another
// program or another window wrote meanwhile. Only a save to that file and a
// load change this; a save elsewhere (an export) never does.
class SettingsDocument {
public:
    // The document has been loaded from `file`, read from `path`. `asLoaded`:
    // the sections the document writes, with the values the load took.
    void opened(const std::string& path, const SettingsFile& file, std::vector<SectionValues> asLoaded);
    const std::string& path() const { return m_path; }
    // The values of the last load or save: sections that differ from these
    // hold changes not saved yet.
    const std::vector<SectionValues>& values() const { return m_asLoaded; }

    // Says so when the user has made the document's file read-only.
    void tellIfReadOnly(const UserDialogs& dialogs) const;

    // Writes `sections` into the file at `path` as it is on disk now, keeping
    // every line they do not own (writeSettings):
    // - a file that cannot be read whole, or that may not be replaced, is
    //   left alone: "Unable to write to <path>";
    // - the document's own file, when the user made it read-only: asks
    //   whether to save in another file instead;
    // - the document's own file, when the lines a save rewrites changed on
    //   disk since the load or the last save: asks whether to replace it
    //   (Yes), to leave it and save in another file (No), or not to save;
    // - a save that would lose something keeps the file as a numbered backup
    //   first, and a message names it. For the document's own file that is a
    //   line the rewrite drops or a value other than the one loaded; for any
    //   other file, whose values are meant to be replaced, a dropped line.
    // True when the sections were written, here or in the other file chosen.
    bool save(const std::string& path, const std::vector<SectionValues>& sections, const UserDialogs& dialogs);

private:
    bool changedOnDisk(const SettingsFile& disk) const;
    bool saveElsewhere(const std::vector<SectionValues>& sections, const UserDialogs& dialogs);

    std::string m_path;  // empty until opened
    FileStamp m_stamp;
    std::uint64_t m_rewrittenDigest = 0;
    std::vector<SectionValues> m_asLoaded;
};

}  // namespace tiplark
