#pragma once

#include <QTranslator>

namespace tiplark {

// The toolkit's own texts (the standard buttons of message boxes, the file
// and print dialogs) in the program's language, from Qt's translation files,
// and the language of the standard texts the program gives itself (the
// titles of message boxes). Open windows follow a change at once.
class StandardTranslations {
public:
    ~StandardTranslations();
    // 0 English, 1 Spanish, 2 French, 3 German; any other index reads
    // English. False when Qt's translation could not be loaded: its texts
    // then stay English.
    bool use(int languageIndex);
    // The language last put in force, English before any.
    static int languageInForce();

private:
    QTranslator m_translator;
    bool m_installed = false;
    int m_language = 0;
};

}  // namespace tiplark
