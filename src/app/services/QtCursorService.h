#pragma once

#include "platform/Services.h"

namespace tiplark {

// The hourglass over the whole application while a long action runs.
class QtCursorService : public CursorService {
public:
    ~QtCursorService() override;
    void setBusy(bool busy) override;

private:
    bool m_busy = false;
};

}  // namespace tiplark
