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

} // namespace

double Settings::GetBestTime(int N) const
{
    const QString text = store.GetSetting(ApplicationTitle(), Section(N), TimeKey, QStringLiteral("0"));
    // A text damaged outside the program counts as no record.
    return TextToDuration(text).value_or(0.0);
}

bool Settings::SaveBestTime(int N, double T)
{
    return store.SaveSetting(ApplicationTitle(), Section(N), TimeKey, DurationToText(T));
}

QString Settings::GetBestName(int N) const
{
    return store.GetSetting(ApplicationTitle(), Section(N), NameKey, QString());
}

bool Settings::SaveBestName(int N, const QString& Name)
{
    return store.SaveSetting(ApplicationTitle(), Section(N), NameKey, Name);
}
