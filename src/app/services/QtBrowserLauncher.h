#pragma once

#include "platform/Services.h"

namespace tiplark {

// Hands an address to the desktop's preferred browser.
class QtBrowserLauncher : public BrowserLauncher {
public:
    bool open(const std::string& address) override;
};

}  // namespace tiplark
