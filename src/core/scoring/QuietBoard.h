#pragma once

#include "document/MainBoard.h"
#include "platform/DateTime.h"
#include "platform/Services.h"

namespace tiplark {

// A main board nobody looks at, for reading predictions files that are only
// scored: it asks nothing and shows nothing.
class QuietBoard {
public:
    explicit QuietBoard(const Tournament& tournament);

private:
    class Silence : public MessageService, public CursorService {
    public:
        void showError(const std::string&) override {}
        void showInformation(const std::string&) override {}
        DialogResult askYesNo(const std::string&) override { return DialogResult::No; }
        DialogResult askYesNoCancel(const std::string&) override { return DialogResult::Cancel; }
        void setBusy(bool) override {}
    };
    Silence m_silence;
    FixedDateTimeFormat m_dates;

public:
    MainBoard main;
};

}  // namespace tiplark
