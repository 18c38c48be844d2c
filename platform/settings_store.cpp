#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {

class GroupOfSettings final : public SettingsStore::Section {
public:
    GroupOfSettings(QSettings& settings, const QString& section)
        : settings(settings), prefix(section + QLatin1Char('/'))
    {
    }
    [[nodiscard]] QString Get(const QString& key, const QString& fallback) const override
    {
        return settings.value(prefix + key, fallback).toString();
    }
    void Set(const QString& key, const QString& value) override { settings.setValue(prefix + key, value); }

private:
    QSettings& settings;
    QString prefix;
};

} // namespace

SettingsStore::SettingsStore(QString folder) : folder(std::move(folder)) {}

QString SettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                  const QString& fallback) const
{
    return Open(application)->value(section + QLatin1Char('/') + key, fallback).toString();
}

bool SettingsStore::Change(const QString& application, const QString& section,
                           const std::function<void(Section&)>& change)
{
    const auto settings = Open(application);
    // Not QSettings' own lock file, which it takes while writing: this one is held from the reading on.
    const QFileInfo file(settings->fileName());
    QLockFile lock(file.filePath() + QStringLiteral(".change.lock"));
    if (!QDir().mkpath(file.path()) || !lock.lock()) return false;
    settings->sync(); // what another copy of the program wrote meanwhile
    GroupOfSettings values(*settings, section);
    change(values);
    // All in one write: QSettings replaces the file at once or leaves it as it was. A damaged file read
    // earlier reports a format error, yet the write itself went through.
    settings->sync();
    return settings->status() != QSettings::AccessError;
}

std::unique_ptr<QSettings> SettingsStore::Open(const QString& application) const
{
    if (folder.isEmpty()) {
        auto settings
            = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application, application);
        // The desktop's own place and format: ~/.config/Vondrel/Vondrel.conf. Only this
        // application's own file, never a shared one beside it.
        settings->setFallbacksEnabled(false);
        return settings;
    }
    const QString file
        = folder + QLatin1Char('/') + application + QLatin1Char('/') + application + QStringLiteral(".conf");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}
