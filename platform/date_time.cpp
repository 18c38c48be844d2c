#include "date_time.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 SecondsPerDayWhole = 86400;

// Durations beyond what the text form can hold are cut to its largest value, 9999999 days
// and 23:59:59. Past some 50 million days a day-based double no longer holds the
// milliseconds that FormatLongTime rounds through, so the clock it shows would be off.
constexpr double LongestDays = (1e7 * SecondsPerDayWhole - 1) / SecondsPerDayWhole;

double Sanitised(double days)
{
    return days > 0 ? std::min(days, LongestDays) : 0.0;
}

QString ClockText(qint64 secondsOfDay)
{
    return QStringLiteral("%1:%2:%3")
        .arg(secondsOfDay / 3600, 2, 10, QLatin1Char('0'))
        .arg(secondsOfDay / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(secondsOfDay % 60, 2, 10, QLatin1Char('0'));
}

// The whole seconds a clock shows: through milliseconds first, so 83 seconds held as a fraction
// of a day never show as 82.999... cut to 82.
qint64 WholeSeconds(double days)
{
    return static_cast<qint64>(std::round(Sanitised(days) * SecondsPerDay * 1000.0)) / 1000;
}

} // namespace

double ToWholeSeconds(double days)
{
    return static_cast<double>(WholeSeconds(days)) / SecondsPerDay;
}

QString FormatLongTime(double days)
{
    return ClockText(WholeSeconds(days) % SecondsPerDayWhole);
}

QString DurationToText(double days)
{
    const qint64 seconds = WholeSeconds(days);
    const qint64 wholeDays = seconds / SecondsPerDayWhole;
    const QString clock = ClockText(seconds % SecondsPerDayWhole);
    return wholeDays == 0 ? clock : QString::number(wholeDays) + QLatin1Char('.') + clock;
}

std::optional<double> TextToDuration(const QString& text)
{
    if (text == QLatin1String("0")) return 0.0;
    // Anchored at the very end: a plain '$' would also let a trailing line feed through.
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral(R"((?:(\d{1,7})\.)?([01]\d|2[0-3]):([0-5]\d):([0-5]\d))")));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const qint64 seconds = match.captured(1).toLongLong() * SecondsPerDayWhole + match.captured(2).toLongLong() * 3600
                           + match.captured(3).toLongLong() * 60 + match.captured(4).toLongLong();
    return static_cast<double>(seconds) / SecondsPerDay;
}
