#include "venues/WebLinkLauncher.h"

#include "venues/WebLinkTable.h"

namespace tiplark {

WebLinkLauncher::WebLinkLauncher(BrowserLauncher& browser, MessageService& messages, CursorService& cursor)
    : m_browser(browser)
    , m_messages(messages)
    , m_cursor(cursor)
{
}

void WebLinkLauncher::CountryWebLink(int tag, int languageIndex)
{
    const std::string address = webLinkAddress(tag, languageIndex);
    if (address == NoAddress)
        return;
    // The cursor must come back even when the browser fails or a service throws.
    struct BusyCursor {
        CursorService& cursor;
        explicit BusyCursor(CursorService& c) : cursor(c) { cursor.setBusy(true); }
        ~BusyCursor() { cursor.setBusy(false); }
    } busy(m_cursor);
    OpenInDefaultBrowser(address);
}

void WebLinkLauncher::OpenInDefaultBrowser(const std::string& address)
{
    if (!m_browser.open(address))
        m_messages.showError("Sorry, but I can't start your default browser!");
}

void WebLinkLauncher::openCaption(const std::string& caption)
{
    if (!caption.empty())
        OpenInDefaultBrowser(caption);
}

}  // namespace tiplark
