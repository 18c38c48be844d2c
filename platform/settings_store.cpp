#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {

// Our own hold lasts milliseconds, a read and one small write: a lock file older than this was left behind,
// by a copy of the program that has gone or hangs, and is taken over where its holder no longer holds it.
constexpr int StaleLockMilliseconds = 2000;
// The longest wait for the lock, a take-over included: a copy that hangs holding it costs this one no more,
// and the change counts as not written.
constexpr int LockWaitMilliseconds = StaleLockMilliseconds + 1000;

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
    void Set(const QString& key, const QString& value) override
    {
        if (!before.contains(key)) before.insert(key, settings.value(prefix + key));
        settings.setValue(prefix + key, value);
    }
    [[nodiscard]] bool Changed() const { return !before.isEmpty(); }
    // QSettings keeps a change that could not be written in memory, where every later reader in this process
    // would find it: the values read before it are put back.
    void TakeBack()
    {
        for (auto value = before.cbegin(); value != before.cend(); ++value) {
            if (value->isValid())
                settings.setValue(prefix + value.key(), *value);
            else
                settings.remove(prefix + value.key());
        }
    }

private:
    QSettings& settings;
    QString prefix;
    QHash<QString, QVariant> before; // what each key set held, invalid where it was missing
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
    lock.setStaleLockTime(StaleLockMilliseconds);
    if (!QDir().mkpath(file.path()) || !lock.tryLock(LockWaitMilliseconds)) return false;
    settings->sync(); // what another copy of the program wrote meanwhile
    GroupOfSettings values(*settings, section);
    change(values);
    if (!values.Changed()) return true;
    // All in one write: QSettings replaces the file at once or leaves it as it was.
    settings->sync();
    // QSettings keeps only its first error: the format error of a damaged file read earlier would hide the
    // write's own. Whether the write went through, the file read afresh tells: it is whole only if it did.
    const QSettings::Status status
        = settings->status() == QSettings::FormatError ? Open(application)->status() : settings->status();
    if (status == QSettings::NoError) return true;
    values.TakeBack();
    return false;
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
