#ifndef PLATFORM_DATE_TIME_H
#define PLATFORM_DATE_TIME_H

#include <QString>

#include <optional>

inline constexpr double SecondsPerDay = 86400.0;

// Durations are shown, kept and compared in whole seconds, the fraction cut off as a clock does,
// so that one duration reads the same everywhere.
[[nodiscard]] double ToWholeSeconds(double days);

// An elapsed time as a 24-hour clock reading, "00:01:23": whole seconds, the days left
// out. The same in every locale, with no AM/PM and no time zone.
[[nodiscard]] QString FormatLongTime(double days);

// A duration in whole seconds as text that reads back exactly in any locale:
// "00:01:23" under a day, "2.03:04:05" from a day on.
[[nodiscard]] QString DurationToText(double days);

// Reads DurationToText's form back; "0" is the duration 0. Anything else is no duration.
[[nodiscard]] std::optional<double> TextToDuration(const QString& text);

#endif
