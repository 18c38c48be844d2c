#ifndef PLATFORM_SETTINGS_STORE_H
#define PLATFORM_SETTINGS_STORE_H

#include <QString>

#include <functional>
#include <memory>

class QSettings;

// The per-user settings store: text values addressed by application, section and key.
class SettingsStore {
public:
    // The values of one section, read and written in one step (see Change).
    class Section {
    public:
        virtual ~Section() = default;
        [[nodiscard]] virtual QString Get(const QString& key, const QString& fallback) const = 0;
        virtual void Set(const QString& key, const QString& value) = 0;
    };

    // The user's own store, in the desktop's configuration folder.
    SettingsStore() = default;
    // A store under a folder of the caller's, so tests never touch the user's records.
    explicit SettingsStore(QString folder);
    virtual ~SettingsStore() = default;

    [[nodiscard]] virtual QString GetSetting(const QString& application, const QString& section, const QString& key,
                                             const QString& fallback) const;
    // Reads and writes one section as one step: another copy of the program running meanwhile waits
    // for it, and what it sets reaches the disk together or not at all. False when it could not be written.
    virtual bool Change(const QString& application, const QString& section,
                        const std::function<void(Section&)>& change);

private:
    [[nodiscard]] std::unique_ptr<QSettings> Open(const QString& application) const;

    QString folder;
};

#endif
