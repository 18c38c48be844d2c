#include "settings_store.h"

#include <QSettings>

SettingsStore::SettingsStore(QString folder) : folder(std::move(folder)) {}

QString SettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                  const QString& fallback) const
{
    return Open(application)->value(section + QLatin1Char('/') + key, fallback).toString();
}

bool SettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                const QString& value)
{
    const auto settings = Open(application);
    settings->setValue(section + QLatin1Char('/') + key, value);
    settings->sync();
    // A damaged file read earlier reports a format error, yet the write itself went through.
    return settings->status() != QSettings::AccessError;
}

std::unique_ptr<QSettings> SettingsStore::Open(const QString& application) const
{
    if (folder.isEmpty()) {
        auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application, application);
        // The desktop's own place and format: ~/.config/Vondrel/Vondrel.conf. Only this
        // application's own file, never a shared one beside it.
        settings->setFallbacksEnabled(false);
        return settings;
    }
    const QString file = folder + QLatin1Char('/') + application + QLatin1Char('/') + application + QStringLiteral(".conf");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}
