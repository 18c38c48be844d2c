#include "settings.h"

#include "platform/application_title.h"
#include "platform/date_time.h"
#include "platform/settings_store.h"

namespace {

const QString TimeKey = QStringLiteral("Time");
const QString NameKey = QStringLiteral("Name");

// The same digits in every language; no two kinds share a section, and the sizes' digits never follow "Bricks" with
// the bracket that today's sections have there.
QString Section(const BoardKind& kind, int N)
{
    if (kind == NormalKind) return QStringLiteral("Bricks(%1)").arg(N);
    return QStringLiteral("Bricks%1x%2c%3(%4)")
        .arg(kind.shape.Columns())
        .arg(kind.shape.Rows())
        .arg(kind.colours)
        .arg(N);
}

// A text damaged outside the program counts as no record.
double TimeFrom(const QString& text)
{
    return TextToDuration(text).value_or(0.0);
}

} // namespace

double Settings::GetBestTime(const BoardKind& kind, int N) const
{
    return TimeFrom(store.GetSetting(ApplicationTitle(), Section(kind, N), TimeKey, QStringLiteral("0")));
}

QString Settings::GetBestName(const BoardKind& kind, int N) const
{
    return store.GetSetting(ApplicationTitle(), Section(kind, N), NameKey, QString());
}

Settings::Outcome Settings::SaveBestRecord(const BoardKind& kind, int N, double T, const QString& Name)
{
    bool better = false;
    const bool written = store.Change(ApplicationTitle(), Section(kind, N), [&](SettingsStore::Section& record) {
        const double best = TimeFrom(record.Get(TimeKey, QStringLiteral("0")));
        better = best == 0 || T < best;
        if (!better) return;
        record.Set(NameKey, Name);
        record.Set(TimeKey, DurationToText(T));
    });
    return !written ? Outcome::Unwritable : better ? Outcome::Saved : Outcome::Beaten;
}
