#ifndef PLATFORM_DESKTOP_MOTION_H
#define PLATFORM_DESKTOP_MOTION_H

#include <QDBusConnection>
#include <QObject>

#include <array>
#include <optional>

class QDBusVariant;

// Whether the desktop asks for less motion, as its settings portal tells on the bus: the appearance setting
// reduced-motion where the portal has it, else GNOME's enable-animations, else KDE's animation speed of 0.
// Asked without waiting for the answer, and followed while the game runs. Until a portal answers, and with no
// portal or no bus at all, the answer is no.
class DesktopMotion final : public QObject {
    Q_OBJECT

public:
    explicit DesktopMotion(QDBusConnection bus, QObject* parent = nullptr);

    [[nodiscard]] bool Reduced() const;

signals:
    void Changed(bool reduced);

private slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void Take(std::size_t source, const QVariant& value);

    QDBusConnection bus;
    std::array<std::optional<bool>, 3> wishes; // what each source asks, in order of precedence, where it tells
};

#endif
