#ifndef PLATFORM_TRANSLATIONS_H
#define PLATFORM_TRANSLATIONS_H

#include <QStringList>
#include <QTranslator>

// The program's texts, and Qt's own on standard buttons, in the desktop's language for as long
// as this lives. The texts are written in English: English, or a list of languages none of which
// has a translation, leaves them as written. Make it before the first widget.
class Translations final {
public:
    // The languages in order of preference, as QLocale::uiLanguages() gives them.
    explicit Translations(const QStringList& uiLanguages);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator game;
    QTranslator qt;
};

#endif
