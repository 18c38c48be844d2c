#ifndef PLATFORM_SETTINGS_STORE_H
#define PLATFORM_SETTINGS_STORE_H

#include <QString>

#include <memory>

class QSettings;

// The per-user settings store: text values addressed by application, section and key.
class SettingsStore {
public:
    // The user's own store, in the desktop's configuration folder.
    SettingsStore() = default;
    // A store under a folder of the caller's, so tests never touch the user's records.
    explicit SettingsStore(QString folder);
    virtual ~SettingsStore() = default;

    [[nodiscard]] virtual QString GetSetting(const QString& application, const QString& section, const QString& key,
                                     const QString& fallback) const;
    // False when the value could not be written to disk.
    virtual bool SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value);

private:
    [[nodiscard]] std::unique_ptr<QSettings> Open(const QString& application) const;

    QString folder;
};

#endif
