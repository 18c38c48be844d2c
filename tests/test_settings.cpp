#include "platform/application_title.h"
#include "platform/date_time.h"
#include "platform/settings_store.h"
#include "scores/settings.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

double Seconds(double seconds) { return seconds / SecondsPerDay; }

// A store in a folder of its own, so no test ever reads or writes the user's records.
struct PrivateStore {
    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    Settings settings{store};

    // An empty folder would mean the user's own store.
    PrivateStore()
    {
        if (!folder.isValid()) qFatal("no temporary folder");
    }

    // Every record as "N: time name", read through a fresh store as the next run would;
    // the time in full, so that a rounding shows.
    QStringList Records() const
    {
        SettingsStore reread(folder.path());
        const Settings records(reread);
        QStringList lines;
        for (int N = 0; N < 10; ++N) lines << Record(N, records.GetBestTime(N), records.GetBestName(N));
        return lines;
    }

    static QString Record(int N, double days, const QString& name)
    {
        return QStringLiteral("%1: %2 %3").arg(N).arg(days, 0, 'g', 17).arg(name);
    }

    // A distinct record for every N, of days, hours and seconds; none if a save fails.
    QStringList Fill()
    {
        QStringList lines;
        for (int N = 0; N < 10; ++N) {
            const double days = Seconds(N * 86400 * 1001 + N * 3600 + 60 + N);
            const QString name = QStringLiteral("Player %1").arg(N);
            if (!settings.SaveBestName(N, name) || !settings.SaveBestTime(N, days)) return {};
            lines << Record(N, days, name);
        }
        return lines;
    }
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void timesKeepWholeSeconds()
    {
        PrivateStore store;
        const QStringList none = store.Records();
        for (int N = 0; N < 10; ++N) QCOMPARE(none[N], PrivateStore::Record(N, 0, QString()));

        // In seconds, saved and read back: fractions of a second go, days stay.
        const double day = 86400;
        const double times[][2] = {{83, 83}, {83.4, 83}, {83.6, 84}, {0, 0}, {day, day},
                                   {2 * day + 11045, 2 * day + 11045}, {400 * day + 86399, 400 * day + 86399}};
        for (const auto& [saved, read] : times) {
            QVERIFY(store.settings.SaveBestTime(4, Seconds(saved)));
            QCOMPARE(store.Records()[4], PrivateStore::Record(4, Seconds(read), QString()));
        }

        // Texts written by others: only the program's own forms read as a time.
        const QStringList damaged{"garbage", "12:99:00", "24:00:00", "-5", "-00:01:23", "00:01", "00:01:23.5",
                                  " 00:01:23", "1e300", "99999999999999999999", "9999999999.00:00:00",
                                  "00:01:23 AM", ""};
        for (const QString& text : QStringList{"00:01:23", "0"} + damaged) {
            QVERIFY(store.store.SaveSetting(ApplicationTitle(), "Bricks(2)", "Time", text));
            QVERIFY2(store.settings.GetBestTime(2) == (text == "00:01:23" ? Seconds(83) : 0.0), qPrintable(text));
        }
    }

    void recordsAreIndependentWhateverTheName()
    {
        PrivateStore store;
        QStringList expected = store.Fill();
        QCOMPARE(store.Records(), expected);
        QVERIFY(store.settings.SaveBestTime(3, Seconds(30)));
        QVERIFY(store.settings.SaveBestTime(-3, Seconds(1)));
        QVERIFY(store.settings.SaveBestTime(30, Seconds(1)));
        const QStringList names{
            "line one\nline two\r\nthree", "[Bricks(4)]", "a=b; c=\"d\", 'e'", "back\\slash\\",
            "x\n[Bricks(3)]\nTime=00:00:01", "x\n[Bricks(4)]\nTime=00:00:01\nName=Intruder", "Bricks(4)/Time=1",
            "@Variant(\\0\\0\\0\\x7f)", "  spaced  ", "Åsa Żółć Ελένη Дмитрий 山田 محمد", "\U0001F600\U0001F3C6",
            QString(10000, 'W'), QString()};
        for (const QString& name : names) {
            QVERIFY(store.settings.SaveBestName(3, name));
            expected[3] = PrivateStore::Record(3, Seconds(30), name);
            QCOMPARE(store.Records(), expected);
        }
    }

    // Records written in one locale and read in another, and times shown as a clock
    // within the day, are the same in every locale.
    void localeChangesNothing()
    {
        const QLocale original;
        PrivateStore store;
        QLocale::setDefault(QLocale(QLocale::German));
        const QStringList expected = store.Fill();
        for (const QLocale::Language language : {QLocale::Arabic, QLocale::English, QLocale::German}) {
            QLocale::setDefault(QLocale(language));
            QCOMPARE(store.Records(), expected);
            QCOMPARE(FormatLongTime(Seconds(83)), QStringLiteral("00:01:23"));
            QCOMPARE(FormatLongTime(0.0), QStringLiteral("00:00:00"));
            QCOMPARE(FormatLongTime(Seconds(25 * 3600 + 2)), QStringLiteral("01:00:02"));
            QCOMPARE(FormatLongTime(Seconds(23 * 3600 + 59 * 60 + 59)), QStringLiteral("23:59:59"));
            // The difference of two clock readings falls a hair short of the whole second.
            QCOMPARE(FormatLongTime((45000.0 + Seconds(10)) - 45000.0), QStringLiteral("00:00:10"));
        }
        QLocale::setDefault(original);
    }

    void damagedStores()
    {
        PrivateStore blocked;
        const QStringList none = blocked.Records();
        // A file where the store's folder belongs cannot be got round, not even by root.
        QFile blocker(blocked.folder.filePath(ApplicationTitle()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!blocked.settings.SaveBestTime(1, Seconds(83)));
        QVERIFY(!blocked.settings.SaveBestName(1, QStringLiteral("Nobody")));
        QCOMPARE(blocked.Records(), none);

        PrivateStore garbage;
        QVERIFY(QDir(garbage.folder.path()).mkdir(ApplicationTitle()));
        QFile file(garbage.folder.filePath(ApplicationTitle() + '/' + ApplicationTitle() + ".conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QRandomGenerator random(20240607);
        for (int k = 0; k < 4096; ++k) file.putChar(static_cast<char>(random.bounded(256)));
        file.close();
        QCOMPARE(garbage.Records(), none);
        const QStringList filled = garbage.Fill();
        QCOMPARE(garbage.Records(), filled);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
