// The best-time store and the high-score window, on private settings files.
#include "fixture.h"

#include "platform/application_title.h"
#include "scores/frm_high_score.h"
#include "scores/settings.h"

#include <QDir>
#include <QLocale>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

namespace {

double Days(double seconds)
{
    return seconds / SecondsPerDay;
}

struct PrivateStore {
    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    Settings settings{store};

    QString Raw(const QString& key) const
    {
        return QSettings(folder.filePath("Vondrel/Vondrel.conf"), QSettings::IniFormat)
            .value("Bricks(3)/" + key)
            .toString();
    }
    // Every record as "seconds name", read through a fresh store as the next run would.
    QStringList Records() const
    {
        SettingsStore reread(folder.path());
        const Settings records(reread);
        QStringList lines;
        for (int N = 0; N < 10; ++N)
            lines << QStringLiteral("%1 %2")
                         .arg(qRound64(records.GetBestTime(N) * SecondsPerDay))
                         .arg(records.GetBestName(N));
        return lines;
    }
    // A record for every N but 3, of days, hours and seconds.
    bool Fill()
    {
        for (int N = 0; N < 10; ++N)
            if (N != 3
                && settings.SaveBestRecord(N, Days(N * 86400 * 1001 + N * 3600 + 60 + N),
                                           QStringLiteral("Player %1").arg(N))
                       != Settings::Outcome::Saved)
                return false;
        return true;
    }
};

// The high-score window's rows as "N|time|name", read while it is open as the menu opens it.
QStringList RowsShown(frmHighScore& window)
{
    QStringList rows;
    QTimer::singleShot(0, &window, [&] {
        for (int N = 0; N < 10; ++N) {
            QStringList row;
            for (const char* column : {"lblKvar", "lblTid", "lblNamn"})
                row << window.findChild<QLabel*>(column + QString::number(N))->text();
            rows << row.join('|');
        }
        window.reject();
    });
    window.exec();
    return rows;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    // One record written among nine others, in one language and read back in another: the text kept in
    // the file and the record read from it, as "seconds name". A time is saved in seconds with the name
    // Ann, or with "=" its text is written as it stands, as anyone else might; a name is kept verbatim.
    void records_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("read");
        QTest::newRow("1:23") << "Time"
                              << "83"
                              << "00:01:23"
                              << "83 Ann";
        QTest::newRow("1:23.4") << "Time"
                                << "83.4"
                                << "00:01:23"
                                << "83 Ann";
        QTest::newRow("1:23.6, as the clock shows it") << "Time"
                                                       << "83.6"
                                                       << "00:01:23"
                                                       << "83 Ann";
        QTest::newRow("0") << "Time"
                           << "0"
                           << "00:00:00"
                           << "0 Ann";
        QTest::newRow("a day") << "Time"
                               << "86400"
                               << "1.00:00:00"
                               << "86400 Ann";
        QTest::newRow("400 days") << "Time"
                                  << "34646399"
                                  << "400.23:59:59"
                                  << "34646399 Ann";
        QTest::newRow("longest") << "Time"
                                 << "1e12"
                                 << "9999999.23:59:59"
                                 << "863999999999 Ann";
        QTest::newRow("default") << "Time"
                                 << "=0"
                                 << "0"
                                 << "0 ";
        QTest::newRow("days read") << "Time"
                                   << "=2.03:04:05"
                                   << "2.03:04:05"
                                   << "183845 ";
        for (const char* damaged :
             {"garbage", "12:99:00", "24:00:00", "-5", "-00:01:23", "00:01", "00:01:23.5", " 00:01:23", "1e300",
              "99999999999999999999", "10000000.00:00:00", "00:01:23 AM", "", "00:00:09\n", "٠٠:٠١:٢٣"})
            QTest::newRow(damaged) << "Time" << QStringLiteral("=") + damaged << damaged << "0 ";
        for (const QString& name : {QStringLiteral("line one\nline two\r\nthree"),
                                    QStringLiteral("x\n[Bricks(4)]\nTime=00:00:01\nName=Intruder"),
                                    QStringLiteral("a=b; c=\"d\", 'e' \\ @Variant(\\0\\0\\0\\x7f) Bricks(4)/Time=1"),
                                    QStringLiteral("  spaced  "), QStringLiteral("Åsa Żółć Ελένη 山田 محمد \U0001F600"),
                                    QString(10000, 'W'), QString()})
            QTest::newRow(qPrintable("name " + name.left(20))) << "Name" << name << name << "83 " + name;
    }

    void records()
    {
        QFETCH(QString, key);
        QFETCH(QString, written);
        PrivateStore store;
        QLocale::setDefault(QLocale(QLocale::German));
        QVERIFY(store.Fill());
        QStringList expected = store.Records();
        if (written.startsWith('='))
            QVERIFY(store.store.Change(ApplicationTitle(), "Bricks(3)",
                                       [&](auto& record) { record.Set("Time", written.mid(1)); }));
        else
            QCOMPARE(store.settings.SaveBestRecord(3, Days(key == "Name" ? 83 : written.toDouble()),
                                                   key == "Name" ? written : "Ann"),
                     Settings::Outcome::Saved);
        for (const int outside : {-3, 30})
            QCOMPARE(store.settings.SaveBestRecord(outside, 1, "Out"), Settings::Outcome::Saved);
        QTEST(store.Raw(key), "kept");
        QLocale::setDefault(QLocale(QLocale::Arabic));
        QFETCH(QString, read);
        expected[3] = read;
        QCOMPARE(store.Records(), expected);
        // A clock shows the same too, also for the difference of two readings a hair short of a whole second.
        QCOMPARE(FormatLongTime(Days(83)) + ' ' + FormatLongTime((45000.0 + Days(10)) - 45000.0),
                 QStringLiteral("00:01:23 00:00:10"));
        QLocale::setDefault(QLocale::c());
    }

    // Two windows of the game on one file, each asking a name for a time its store read as the best:
    // whichever saves later keeps the record only with a better time, name and time together.
    void twoStoresInterleaved()
    {
        PrivateStore first;
        struct CountingStore : SettingsStore {
            using SettingsStore::SettingsStore;
            int changes = 0;
            bool Change(const QString& a, const QString& s, const std::function<void(Section&)>& c) override
            {
                return ++changes, SettingsStore::Change(a, s, c);
            }
        } second(first.folder.path());
        Settings other(second);
        const auto record = [&] { return first.Records()[7]; };
        QVERIFY(first.settings.GetBestTime(7) == 0 && other.GetBestTime(7) == 0);
        QCOMPARE(other.SaveBestRecord(7, Days(60), "Bo"), Settings::Outcome::Saved);
        QCOMPARE(first.settings.SaveBestRecord(7, Days(90), "Ann"), Settings::Outcome::Beaten);
        QCOMPARE(first.settings.SaveBestRecord(7, Days(60), "Ann"), Settings::Outcome::Beaten);
        QCOMPARE(record(), QStringLiteral("60 Bo"));
        QCOMPARE(first.settings.SaveBestRecord(7, Days(30), "Ann"), Settings::Outcome::Saved);
        QCOMPARE(other.SaveBestRecord(7, Days(45), "Bo"), Settings::Outcome::Beaten);
        QVERIFY(record() == "30 Ann" && second.changes == 2);
    }

    void damagedOrBlockedFiles()
    {
        PrivateStore blocked; // a file where the store's folder belongs stops writes, even root's
        const QStringList none = blocked.Records();
        QVERIFY(QFile(blocked.folder.filePath(ApplicationTitle())).open(QIODevice::WriteOnly));
        QCOMPARE(blocked.settings.SaveBestRecord(1, Days(83), "Nobody"), Settings::Outcome::Unwritable);
        QCOMPARE(blocked.Records(), none);

        PrivateStore garbage;
        QVERIFY(QDir(garbage.folder.path()).mkdir(ApplicationTitle()));
        QFile file(garbage.folder.filePath("Vondrel/Vondrel.conf"));
        QByteArray noise(4096, '\0');
        QRandomGenerator(20240607).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(noise) == noise.size());
        file.close();
        QCOMPARE(garbage.Records(), none);
        QVERIFY(garbage.Fill() && garbage.Records() != none);
    }

    void highScoreWindowShowsTheStoreAtEachOpening()
    {
        PrivateStore store;
        QWidget owner;
        frmHighScore window(store.settings, &owner);
        QStringList expected;
        for (int N = 0; N < 10; ++N) expected << QStringLiteral("%1||").arg(N);
        QCOMPARE(RowsShown(window), expected);
        const auto save = [&](int N, double seconds, const QString& name) {
            QCOMPARE(store.settings.SaveBestRecord(N, Days(seconds), name), Settings::Outcome::Saved);
        };
        save(3, 83, "Ann");
        save(7, 86400 + 3600, "");
        save(9, 5, "<b>Bo</b> & Co");
        save(5, 0, "Ghost"); // a time of 0 is no record
        save(10, 1, "Ten");  // outside the table
        expected[3] = "3|00:01:23|Ann", expected[7] = "7|01:00:00|", expected[9] = "9|00:00:05|<b>Bo</b> & Co";
        QCOMPARE(RowsShown(window), expected);
        for (const QLabel* label : window.findChildren<QLabel*>()) QVERIFY(label->text() != "Ten");
        save(3, 0, "Ann");
        expected[3] = "3||";
        QCOMPARE(RowsShown(window), expected);

        // Each column under its bold heading, rows 16 apart without a gap from 24, the name column to 8
        // from the right edge, the last row 8 above the bottom; labels keep their size, texts are plain.
        QVERIFY(window.size() == QSize(313, 193) && window.minimumSize() == window.maximumSize()
                && window.windowTitle() == "High score");
        QCOMPARE(window.windowFlags()
                     & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
                 Qt::WindowCloseButtonHint);
        for (int c = 0; c < 3; ++c) {
            const QLabel* heading = window.findChild<QLabel*>(QStringLiteral("lblTitel%1").arg(c));
            QVERIFY(heading->y() == 8 && heading->font().bold());
            for (int N = 0; N < 10; ++N) {
                const QLabel* label
                    = window.findChild<QLabel*>(QStringList{"lblKvar", "lblTid", "lblNamn"}[c] + QString::number(N));
                QCOMPARE(label->geometry().topLeft(), QPoint(heading->x(), 24 + 16 * N));
                QVERIFY(label->height() == 17 && !label->font().bold() && label->textFormat() == Qt::PlainText
                        && !label->wordWrap());
                QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                         heading->alignment() & Qt::AlignHorizontal_Mask);
                if (c == 2) QCOMPARE(label->geometry().right(), 313 - 8 - 1);
            }
        }
        QCOMPARE(window.findChild<QLabel*>("lblNamn9")->geometry().bottom(), 193 - 8 - 1);
    }
};

QTEST_MAIN(TestStore)
#include "test_store.moc"
