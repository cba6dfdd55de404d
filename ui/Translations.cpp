#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

constexpr char kEnglish[] = "en";

} // namespace

void Translations::use(const QLocale &locale)
{
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
    // English is written in the code; its catalogue only gives the plural
    // forms the code cannot.
    if (!game_.load(locale, QStringLiteral("nomilo"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        && !game_.load(QStringLiteral(":/i18n/nomilo_") + QLatin1String(kEnglish)))
        qWarning("The English catalogue is missing from this build of the game: counts read as \"1 lives\".");
    QCoreApplication::installTranslator(&game_);
    // Qt's buttons in the language the game speaks: Brazil's Portuguese
    // serves every Portuguese locale.
    if (game_.language() != QLatin1String(kEnglish)
        && qt_.load(QStringLiteral("qtbase_") + game_.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}
