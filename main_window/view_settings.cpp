#include "view_settings.h"

#include "platform/application_title.h"
#include "platform/settings_store.h"

namespace {

const QString Section = QStringLiteral("View");
const QString SymbolsKey = QStringLiteral("Symbols");
const QString On = QStringLiteral("true");

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
