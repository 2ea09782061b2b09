#pragma once

#include <QTranslator>

namespace tiplark {

// The toolkit's own texts (the standard buttons of message boxes, the file
// and print dialogs) in the program's language, from Qt's translation files.
// Open windows follow a change at once.
class StandardTranslations {
public:
    ~StandardTranslations();
    // 0 English, 1 Spanish, 2 French; any other index reads English. False
    // when the translation could not be loaded: the texts then stay English.
    bool use(int languageIndex);

private:
    QTranslator m_translator;
    bool m_installed = false;
    int m_language = 0;
};

}  // namespace tiplark
