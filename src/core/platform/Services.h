#pragma once

#include <string>

namespace tiplark {

enum class DialogResult { Yes, No, Cancel, Ok };

// Message boxes. Titles and texts follow the user's language.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void showError(const std::string& text) = 0;
    virtual void showInformation(const std::string& text) = 0;
    // "Warning" with Yes and No.
    virtual DialogResult askYesNo(const std::string& text) = 0;
    // "Confirm" with Yes, No and Cancel.
    virtual DialogResult askYesNoCancel(const std::string& text) = 0;
};

// The main window's mouse cursor while a long action runs.
class CursorService {
public:
    virtual ~CursorService() = default;
    virtual void setBusy(bool busy) = 0;
};

// Opens an address in the user's preferred browser; false when it could not start.
class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;
    virtual bool open(const std::string& address) = 0;
};

}  // namespace tiplark
