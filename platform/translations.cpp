#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Qt's own catalogue gives the standard buttons in most languages; where it has none, Swedish among them, or is not
// installed, the game's own gives the ones its dialogues show.
[[maybe_unused]] constexpr const char* StandardButtons[]{
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),
};

} // namespace

Translations::Translations(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        // The texts as written serve English and the C locale; the languages after them are only fallbacks.
        if (locale.language() == QLocale::English || name == u"C" || name == u"POSIX") return;
        // The locale first, then what is left of it without its last part: pt_BR, then pt; zh_TW, then zh. Each
        // catalogue is named for the locales it serves, so traditional Chinese never finds the simplified one.
        // Only the one catalogue needed is read, from the program's resources.
        if (!game.load(locale, QStringLiteral("bricks"), QStringLiteral("_"), QStringLiteral(":/i18n"))) continue;
        QCoreApplication::installTranslator(&game);
        // Installed last, Qt's catalogue is asked first where it has a text.
        if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return;
    }
}
