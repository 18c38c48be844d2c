#include "settings.h"

#include "platform/application_title.h"
#include "platform/date_time.h"
#include "platform/settings_store.h"

namespace {

const QString TimeKey = QStringLiteral("Time");
const QString NameKey = QStringLiteral("Name");

QString Section(int N)
{
    return QStringLiteral("Bricks(%1)").arg(N);
}

// A text damaged outside the program counts as no record.
double TimeFrom(const QString& text)
{
    return TextToDuration(text).value_or(0.0);
}

} // namespace

double Settings::GetBestTime(int N) const
{
    return TimeFrom(store.GetSetting(ApplicationTitle(), Section(N), TimeKey, QStringLiteral("0")));
}

QString Settings::GetBestName(int N) const
{
    return store.GetSetting(ApplicationTitle(), Section(N), NameKey, QString());
}

Settings::Outcome Settings::SaveBestRecord(int N, double T, const QString& Name)
{
    bool better = false;
    const bool written = store.Change(ApplicationTitle(), Section(N), [&](SettingsStore::Section& record) {
        const double best = TimeFrom(record.Get(TimeKey, QStringLiteral("0")));
        better = best == 0 || T < best;
        if (!better) return;
        record.Set(NameKey, Name);
        record.Set(TimeKey, DurationToText(T));
    });
    return !written ? Outcome::Unwritable : better ? Outcome::Saved : Outcome::Beaten;
}
