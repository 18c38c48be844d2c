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

constexpr int RecordCount = 10;

double Seconds(double seconds)
{
    return seconds / SecondsPerDay;
}

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

    QString ApplicationFolder() const { return folder.filePath(ApplicationTitle()); }
};

// A distinct record for every N, to see that writing one leaves the others alone.
void FillRecords(Settings& settings)
{
    for (int N = 0; N < RecordCount; ++N) {
        QVERIFY(settings.SaveBestName(N, QStringLiteral("Player %1").arg(N)));
        QVERIFY(settings.SaveBestTime(N, Seconds(60 + N)));
    }
}

// Reads through a fresh store on the same folder, as the next run of the program would.
void VerifyRecords(const QString& folder, int except = -1)
{
    SettingsStore store(folder);
    const Settings settings(store);
    for (int N = 0; N < RecordCount; ++N) {
        if (N == except) continue;
        QCOMPARE(settings.GetBestName(N), QStringLiteral("Player %1").arg(N));
        QCOMPARE(settings.GetBestTime(N), Seconds(60 + N));
    }
}

void VerifyNoRecords(const Settings& settings)
{
    for (int N = 0; N < RecordCount; ++N) {
        QCOMPARE(settings.GetBestTime(N), 0.0);
        QCOMPARE(settings.GetBestName(N), QString());
    }
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreHasNoRecords();
    void timesRoundTripInWholeSeconds();
    void damagedTimeCountsAsNoRecord();
    void recordsAreIndependentWhateverTheName();
    void localeChangesNothing();
    void longTimeShowsClockWithinTheDay();
    void unwritableStoreReportsFailure();
    void garbageFileReadsEmptyAndCanBeRewritten();
};

void TestSettings::emptyStoreHasNoRecords()
{
    PrivateStore records;
    VerifyNoRecords(records.settings);
    QCOMPARE(records.settings.GetBestTime(-1), 0.0);
    QCOMPARE(records.settings.GetBestTime(140), 0.0);
}

void TestSettings::timesRoundTripInWholeSeconds()
{
    PrivateStore records;
    Settings& settings = records.settings;

    QVERIFY(settings.SaveBestTime(3, Seconds(83)));
    QCOMPARE(settings.GetBestTime(3), 83.0 / 86400.0);

    // Fractions of a second are rounded away, not kept.
    QVERIFY(settings.SaveBestTime(3, Seconds(83.4)));
    QCOMPARE(settings.GetBestTime(3), Seconds(83));
    QVERIFY(settings.SaveBestTime(3, Seconds(83.6)));
    QCOMPARE(settings.GetBestTime(3), Seconds(84));

    // A day or more keeps its days.
    for (const double days : {1.0, 2.0 + Seconds(3 * 3600 + 4 * 60 + 5), 400.0 + Seconds(86399)}) {
        QVERIFY(settings.SaveBestTime(4, days));
        QCOMPARE(settings.GetBestTime(4), days);
    }

    QVERIFY(settings.SaveBestTime(5, 0.0));
    QCOMPARE(settings.GetBestTime(5), 0.0);
}

void TestSettings::damagedTimeCountsAsNoRecord()
{
    PrivateStore records;
    const QStringList damaged{QStringLiteral("garbage"),     QStringLiteral("12:99:00"),   QStringLiteral("24:00:00"),
                              QStringLiteral("-5"),          QStringLiteral("-00:01:23"),  QStringLiteral("00:01"),
                              QStringLiteral("00:01:23.5"),  QStringLiteral(" 00:01:23"),  QStringLiteral("1e300"),
                              QStringLiteral("99999999999999999999"), QStringLiteral("9999999999.00:00:00"),
                              QStringLiteral("00:01:23 AM"), QStringLiteral("")};
    for (const QString& text : damaged) {
        QVERIFY(records.store.SaveSetting(ApplicationTitle(), QStringLiteral("Bricks(2)"), QStringLiteral("Time"), text));
        QVERIFY2(records.settings.GetBestTime(2) == 0.0, qPrintable(text));
    }
}

void TestSettings::recordsAreIndependentWhateverTheName()
{
    PrivateStore records;
    FillRecords(records.settings);
    VerifyRecords(records.folder.path());
    QVERIFY(records.settings.SaveBestTime(3, Seconds(30)));
    QVERIFY(records.settings.SaveBestTime(-3, Seconds(1)));
    QVERIFY(records.settings.SaveBestTime(30, Seconds(1)));
    VerifyRecords(records.folder.path(), 3);

    const QStringList names{
        QStringLiteral("line one\nline two\r\nthree"),
        QStringLiteral("[Bricks(4)]"),
        QStringLiteral("a=b; c=\"d\", 'e'"),
        QStringLiteral("back\\slash\\"),
        QStringLiteral("x\n[Bricks(4)]\nTime=00:00:01\nName=Intruder"),
        QStringLiteral("Bricks(4)/Time=1"),
        QString(),
        QStringLiteral("@Variant(\\0\\0\\0\\x7f)"),
        QStringLiteral("  spaced  "),
        QStringLiteral("Åsa Żółć Ελένη Дмитрий 山田 محمد"),
        QStringLiteral("\U0001F600\U0001F3C6"),
        QString(10000, QLatin1Char('W')),
    };
    for (const QString& name : names) {
        QVERIFY(records.settings.SaveBestName(3, name));
        SettingsStore rereadStore(records.folder.path());
        QCOMPARE(Settings(rereadStore).GetBestName(3), name);
        QCOMPARE(Settings(rereadStore).GetBestTime(3), Seconds(30));
        VerifyRecords(records.folder.path(), 3);
    }
}

void TestSettings::localeChangesNothing()
{
    const QLocale original;
    PrivateStore records;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    FillRecords(records.settings);
    QVERIFY(records.settings.SaveBestTime(11, 1.5));
    for (const QLocale& locale : {QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        VerifyRecords(records.folder.path());
        QCOMPARE(records.settings.GetBestTime(11), 1.5);
        QCOMPARE(FormatLongTime(Seconds(83)), QStringLiteral("00:01:23"));
    }
    QLocale::setDefault(original);
}

void TestSettings::longTimeShowsClockWithinTheDay()
{
    QCOMPARE(FormatLongTime(Seconds(83)), QStringLiteral("00:01:23"));
    QCOMPARE(FormatLongTime(0.0), QStringLiteral("00:00:00"));
    QCOMPARE(FormatLongTime(Seconds(25 * 3600 + 2)), QStringLiteral("01:00:02"));
    QCOMPARE(FormatLongTime(Seconds(23 * 3600 + 59 * 60 + 59)), QStringLiteral("23:59:59"));
    // The difference of two clock readings falls a hair short of the whole second.
    QCOMPARE(FormatLongTime((45000.0 + Seconds(10)) - 45000.0), QStringLiteral("00:00:10"));
}

void TestSettings::unwritableStoreReportsFailure()
{
    PrivateStore records;
    // A file where the store's folder belongs cannot be got round, not even by root.
    QFile blocker(records.ApplicationFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY(!records.settings.SaveBestTime(1, Seconds(83)));
    QVERIFY(!records.settings.SaveBestName(1, QStringLiteral("Nobody")));
    VerifyNoRecords(records.settings);
}

void TestSettings::garbageFileReadsEmptyAndCanBeRewritten()
{
    PrivateStore records;
    QVERIFY(QDir(records.folder.path()).mkdir(ApplicationTitle()));
    QFile file(QDir(records.ApplicationFolder()).filePath(ApplicationTitle() + QStringLiteral(".conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QRandomGenerator random(20240607);
    QByteArray garbage(4096, '\0');
    for (char& byte : garbage) byte = static_cast<char>(random.bounded(256));
    file.write(garbage);
    file.close();

    VerifyNoRecords(records.settings);
    QVERIFY(records.settings.SaveBestName(2, QStringLiteral("Survivor")));
    QVERIFY(records.settings.SaveBestTime(2, Seconds(83)));
    SettingsStore rereadStore(records.folder.path());
    QCOMPARE(Settings(rereadStore).GetBestName(2), QStringLiteral("Survivor"));
    QCOMPARE(Settings(rereadStore).GetBestTime(2), Seconds(83));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
