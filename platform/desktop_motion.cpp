#include "desktop_motion.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <algorithm>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");

struct Source {
    const char* group;
    const char* key;
    bool (*asksLess)(const QVariant& value);
};

const std::array<Source, 3> Sources{{
    {"org.freedesktop.appearance", "reduced-motion", [](const QVariant& value) { return value.toUInt() == 1; }},
    {"org.gnome.desktop.interface", "enable-animations", [](const QVariant& value) { return !value.toBool(); }},
    {"org.kde.kdeglobals.KDE", "AnimationDurationFactor",
     [](const QVariant& value) {
         bool number = false;
         return value.toDouble(&number) == 0 && number;
     }},
}};

// The portal's older Read, which every version has, wraps the value in one more variant than its signal does.
QVariant Unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>()) value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

DesktopMotion::DesktopMotion(QDBusConnection bus, QObject* parent) : QObject(parent), bus(std::move(bus))
{
    if (!this->bus.isConnected()) return;
    // QtDBus finds the slot's argument types by name, and this one is not named until registered.
    qRegisterMetaType<QDBusVariant>();
    this->bus.connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"), this,
                      SLOT(SettingChanged(QString, QString, QDBusVariant)));
    for (std::size_t source = 0; source < Sources.size(); ++source) {
        QDBusMessage read
            = QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, QStringLiteral("Read"));
        read << QString::fromLatin1(Sources[source].group) << QString::fromLatin1(Sources[source].key);
        auto* answer = new QDBusPendingCallWatcher(this->bus.asyncCall(read), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this, [this, source](QDBusPendingCallWatcher* call) {
            const QDBusPendingReply<QDBusVariant> reply = *call;
            // A key the portal does not have leaves the word to the next source.
            if (!reply.isError()) Take(source, reply.value().variant());
            call->deleteLater();
        });
    }
}

bool DesktopMotion::Reduced() const
{
    const auto first = std::find_if(wishes.begin(), wishes.end(), [](const auto& wish) { return wish.has_value(); });
    return first != wishes.end() && **first;
}

void DesktopMotion::SettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    for (std::size_t source = 0; source < Sources.size(); ++source) {
        if (group == QLatin1String(Sources[source].group) && key == QLatin1String(Sources[source].key))
            Take(source, value.variant());
    }
}

void DesktopMotion::Take(std::size_t source, const QVariant& value)
{
    const bool before = Reduced();
    wishes[source] = Sources[source].asksLess(Unwrapped(value));
    if (Reduced() != before) emit Changed(Reduced());
}
