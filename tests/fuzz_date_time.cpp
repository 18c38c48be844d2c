// libFuzzer target for the text form of best times, as the settings file hands it over.
// What TextToDuration accepts is digits, '.' and ':' only, and DurationToText writes it
// back as text that reads back the same, with FormatLongTime's clock as its clock part.
// The first eight bytes as a duration: both write their forms, and the text reads back.
#include "platform/date_time.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Require(bool condition, const char* what, const QString& text)
{
    if (condition) return;
    std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
    std::abort();
}

void CheckText(const QString& text)
{
    const std::optional<double> days = TextToDuration(text);
    if (!days) return;
    Require(!text.contains(QRegularExpression(QStringLiteral("[^0-9.:]"))), "accepted with other characters", text);
    const QString written = DurationToText(*days);
    Require(TextToDuration(written) == days, "does not read back the same", text);
    Require(FormatLongTime(*days) == written.right(8), "clock part differs", text);
}

void CheckDuration(double days)
{
    static const QRegularExpression clock(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d\\d:[0-5]\\d:[0-5]\\d")));
    const QString shown = FormatLongTime(days);
    Require(clock.match(shown).hasMatch() && shown < QStringLiteral("24"), "not a clock reading", shown);
    const QString written = DurationToText(days);
    Require(TextToDuration(written).has_value(), "written text does not read back", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckText(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (size >= sizeof(double)) {
        double days = 0;
        std::memcpy(&days, data, sizeof days);
        CheckDuration(days);
    }
    return 0;
}
