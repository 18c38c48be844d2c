#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale::Language spoken = QLocale(name).language();
        // The texts as written serve English and the C locale; the languages after them are only fallbacks.
        if (spoken == QLocale::English || name == u"C" || name == u"POSIX") return;
        const QString code = QLocale::languageToCode(spoken);
        // Only the one catalogue needed is read, from the program's resources.
        if (!game.load(QStringLiteral("bricks_") + code, QStringLiteral(":/i18n"))) continue;
        QCoreApplication::installTranslator(&game);
        // Without Qt's catalogue installed, the standard buttons stay in English.
        if (qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return;
    }
}
