#include "view_settings.h"

#include "platform/application_title.h"
#include "platform/settings_store.h"

namespace {

const QString Section = QStringLiteral("View");
const QString SymbolsKey = QStringLiteral("Symbols");
const QString On = QStringLiteral("true");
const QString ZoomKey = QStringLiteral("Zoom");

} // namespace

bool ViewSettings::Symbols() const
{
    return store.GetSetting(ApplicationTitle(), Section, SymbolsKey, QString()) == On;
}

bool ViewSettings::SaveSymbols(bool on)
{
    return store.Change(ApplicationTitle(), Section, [on](SettingsStore::Section& view) {
        view.Set(SymbolsKey, on ? On : QStringLiteral("false"));
    });
}

int ViewSettings::Zoom() const
{
    const QString stored = store.GetSetting(ApplicationTitle(), Section, ZoomKey, QString());
    bool number = false;
    const int percent = stored.toInt(&number);
    const bool step = number && stored == QString::number(percent) && percent >= NormalZoom && percent <= LargestZoom
                      && (percent - NormalZoom) % ZoomStep == 0;
    return step ? percent : NormalZoom;
}

bool ViewSettings::SaveZoom(int percent)
{
    return store.Change(ApplicationTitle(), Section,
                        [percent](SettingsStore::Section& view) { view.Set(ZoomKey, QString::number(percent)); });
}
