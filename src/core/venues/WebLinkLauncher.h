#pragma once

#include "platform/Services.h"

#include <string>

namespace tiplark {

// Opens the pages of the Internet Links menu, the venue window, the about
// and the donation windows in the default browser.
class WebLinkLauncher {
public:
    WebLinkLauncher(BrowserLauncher& browser, MessageService& messages, CursorService& cursor);

    // The click of an Internet Links item: looks its Tag up and opens the page
    // under the hourglass; a tag without a page does nothing.
    void CountryWebLink(int tag, int languageIndex);

    // Starts the browser; a browser that cannot start is reported in an error box.
    void OpenInDefaultBrowser(const std::string& address);

    // The click of a web-address panel or label: an empty caption is ignored.
    void openCaption(const std::string& caption);

private:
    BrowserLauncher& m_browser;
    MessageService& m_messages;
    CursorService& m_cursor;
};

}  // namespace tiplark
