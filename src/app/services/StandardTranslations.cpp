#include "services/StandardTranslations.h"

#include "i18n/LanguageTables.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tiplark {
namespace {

// Process-wide like the toolkit's translators it goes with.
int inForce = LanguageEnglish;

}  // namespace

StandardTranslations::~StandardTranslations()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    if (m_language == inForce)
        inForce = LanguageEnglish;
}

int StandardTranslations::languageInForce()
{
    return inForce;
}

bool StandardTranslations::use(int languageIndex)
{
    const int language = effectiveLanguage(languageIndex);
    inForce = language;
    if (language == m_language)
        return language == LanguageEnglish || m_installed;
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
    m_language = language;
    if (language == LanguageEnglish)
        return true;
    // Qt's own catalogues, by language index.
    static const char* const catalogues[LanguageCount] = {nullptr, "qtbase_es", "qtbase_fr", "qtbase_de"};
    const QString name = QLatin1String(catalogues[language]);
    if (!m_translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    m_installed = QCoreApplication::installTranslator(&m_translator);
    return m_installed;
}

}  // namespace tiplark
