// silent_portal: owns the settings portal's name on the session bus and takes every call without ever answering,
// as a portal that hangs would; the start-up figures are taken beside it. Runs until it is ended.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

class SilentPortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public slots:
    QDBusVariant Read(const QString&, const QString&, const QDBusMessage& call)
    {
        call.setDelayedReply(true);
        return {};
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    SilentPortal portal;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
        return 1;
    return QCoreApplication::exec();
}

#include "silent_portal.moc"
