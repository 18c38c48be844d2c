// The best-time store and the high-score window, on private settings files.
#include "fixture.h"

#include "main_window/board_settings.h"
#include "main_window/view_settings.h"
#include "scores/frm_high_score.h"
#include "scores/settings.h"

#include <QLocale>
#include <QSettings>
#include <QtTest>

namespace {

const auto Days = [](double seconds) { return seconds / SecondsPerDay; };

struct PrivateStore {
    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    Settings settings{store};
    QString File() const { return folder.filePath("Vondrel/Vondrel.conf"); }

    // A record as "seconds name", read through a fresh store as the next run would.
    QString Record(int N) const
    {
        SettingsStore reread(folder.path());
        const Settings records(reread);
        const qint64 seconds = qRound64(records.GetBestTime(NormalKind, N) * SecondsPerDay);
        return QString("%1 %2").arg(seconds).arg(records.GetBestName(NormalKind, N));
    }
};

// The zoom and the board kept, as "percent columnsxrows colours".
QString Kept(SettingsStore& store)
{
    const BoardKind kind = BoardSettings(store).Kind();
    const Geometry& shape = kind.shape;
    return QString("%1 %2x%3 %4")
        .arg(ViewSettings(store).Zoom())
        .arg(shape.Columns())
        .arg(shape.Rows())
        .arg(kind.colours);
}

// The high-score window's rows as "N|time|name", filled as it opens.
QStringList RowsShown(frmHighScore& window)
{
    QStringList rows;
    window.show();
    for (int N = 0; N < Settings::RecordRows; ++N) {
        QStringList row;
        for (const char* column : {"lblKvar", "lblTid", "lblNamn"})
            row << window.findChild<QLabel*>(column + QString::number(N))->text();
        rows << row.join('|');
    }
    window.hide();
    return rows;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    // One record written in one language and read back in another: the text kept in the file and the record read from
    // it, as "seconds name". A time is saved in seconds with the name Ann, or with "=" its text is written as it
    // stands, as anyone else might; a name is saved with 83 seconds, kept verbatim. A fraction of a second is cut, as
    // the clock shows it.
    void records()
    {
        // Key, written, kept, read.
        QList<std::array<QString, 4>> cases{{"Time", "83", "00:01:23", "83 Ann"},
                                            {"Time", "83.6", "00:01:23", "83 Ann"},
                                            {"Time", "0", "00:00:00", "0 Ann"},
                                            {"Time", "86400", "1.00:00:00", "86400 Ann"},
                                            {"Time", "1e12", "9999999.23:59:59", "863999999999 Ann"},
                                            {"Time", "=0", "0", "0 "},
                                            {"Time", "=2.03:04:05", "2.03:04:05", "183845 "}};
        for (const char* damaged :
             {"garbage", "12:99:00", "24:00:00", "-5", "-00:01:23", "00:01", "00:01:23.5", " 00:01:23", "1e300",
              "99999999999999999999", "10000000.00:00:00", "00:01:23 AM", "", "00:00:09\n", "٠٠:٠١:٢٣"})
            cases.append({"Time", QString("=") + damaged, damaged, "0 "});
        for (const QString& name :
             {QString("line one\nline two\r\nthree"), QString("x\n[Bricks(4)]\nTime=00:00:01\nName=Intruder"),
              QString("a=b; c=\"d\", 'e' \\ @Variant(\\0\\0\\0\\x7f) Bricks(4)/Time=1"), QString("  spaced  "),
              QString("Åsa Żółć Ελένη 山田 محمد \U0001F600"), QString(10000, 'W'), QString()})
            cases.append({"Name", name, name, "83 " + name});
        for (const auto& [key, written, kept, read] : cases) {
            PrivateStore store;
            QLocale::setDefault(QLocale(QLocale::German));
            if (written.startsWith('='))
                QVERIFY(store.store.Change("Vondrel", "Bricks(3)",
                                           [&](auto& record) { record.Set("Time", written.mid(1)); }));
            else
                QCOMPARE(store.settings.SaveBestRecord(NormalKind, 3, Days(key == "Name" ? 83 : written.toDouble()),
                                                       key == "Name" ? written : "Ann"),
                         Settings::Outcome::Saved);
            QCOMPARE(QSettings(store.File(), QSettings::IniFormat).value("Bricks(3)/" + key).toString(), kept);
            QLocale::setDefault(QLocale(QLocale::Arabic));
            QCOMPARE(store.Record(3), read);
        }
        // The clock shows only what is left within a day, also of two readings a hair short of a whole second.
        QCOMPARE(FormatLongTime(Days(90083)) + ' ' + FormatLongTime((45000.0 + Days(10)) - 45000.0),
                 "01:01:23 00:00:10");
        QLocale::setDefault(QLocale::c());
    }

    // A file where the store's folder belongs stops writes, even root's, and changes nothing; so does a read-only
    // file, damaged here by a section cut off, whose format error must not hide the write's failure. A rival copy of
    // the game saving first, and a read-only file, are played in test_play.
    void troubledFiles()
    {
        PrivateStore blocked, damaged;
        QVERIFY(QFile(blocked.folder.filePath("Vondrel")).open(QIODevice::WriteOnly));
        QCOMPARE(blocked.settings.SaveBestRecord(NormalKind, 1, Days(83), "Nobody"), Settings::Outcome::Unwritable);
        QCOMPARE(blocked.Record(1), "0 ");
        QFile file(damaged.File());
        QVERIFY2(QDir().mkpath(damaged.folder.filePath("Vondrel")) && file.open(QIODevice::WriteOnly)
                     && file.write("[Bricks(1)\n") > 0 && file.flush() && file.setPermissions(QFile::ReadOwner),
                 "the damaged read-only file could not be made");
        QCOMPARE(damaged.settings.SaveBestRecord(NormalKind, 1, Days(83), "Nobody"), Settings::Outcome::Unwritable);
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(damaged.settings.SaveBestRecord(NormalKind, 1, Days(83), "Nobody"), Settings::Outcome::Saved);
    }

    // The choices kept, as the README gives them, and read back; anything else stored counts as the usual zoom of
    // 100 %, the usual board's size or its number of colours, key by key.
    void keptChoices()
    {
        PrivateStore store;
        QVERIFY(BoardSettings(store.store).SaveKind({BoardSizes[2], 4}));
        QVERIFY(ViewSettings(store.store).SaveZoom(150));
        QCOMPARE(Kept(store.store), "150 15x20 4");
        QCOMPARE(QSettings(store.File(), QSettings::IniFormat).value("Board/Size").toString(), "15x20");
        // Section, key, and texts stored there that are none of the choices.
        const std::tuple<QString, QString, QStringList> damaged[]{
            {"View", "Zoom", {"175", "450", "50", "0150", " 150", "150%", "-150", "1.5e2", "4294967446", ""}},
            {"Board", "Size", {"15X20", " 8x10", "8x10x", "10x15", ""}},
            {"Board", "Colours", {"2", "04", "7", ""}}};
        for (const auto& [section, key, texts] : damaged) {
            for (const QString& text : texts) {
                PrivateStore fresh;
                fresh.store.Change("Vondrel", section, [&](SettingsStore::Section& kept) { kept.Set(key, text); });
                QVERIFY2(Kept(fresh.store) == "100 10x14 5", qPrintable(key + '=' + text));
            }
        }
    }

    // Every kind of board keeps its records in sections of its own, named as the README says: records on every other
    // kind leave the usual board's sections byte for byte as they were. The high-score window, filled afresh at each
    // opening, shows the table of the kind it opens for, names any other kind in its title, and takes a time of 0 for
    // no record.
    void recordsPerKind()
    {
        PrivateStore store;
        frmHighScore window(store.settings, nullptr);
        QStringList expected;
        for (int N = 0; N < Settings::RecordRows; ++N) expected << QString("%1||").arg(N);
        QCOMPARE(RowsShown(window), expected);
        const QList<std::tuple<int, double, QString>> saved{
            {3, 83, "Ann"}, {7, 90000, ""}, {9, 5, "<b>Bo</b> & Co"}, {5, 0, "Ghost"}, {10, 1, "Ten"}};
        for (const auto& [N, seconds, name] : saved)
            QCOMPARE(store.settings.SaveBestRecord(NormalKind, N, Days(seconds), name), Settings::Outcome::Saved);
        const auto usual = [&store] { // the usual board's sections of the file, as they stand
            QFile file(store.File());
            QByteArray sections;
            for (const QByteArray& section : (file.open(QIODevice::ReadOnly) ? file.readAll() : "").split('['))
                sections += section.startsWith("Bricks%28") ? section.trimmed() : "";
            return sections;
        };
        const QByteArray before = usual();
        for (const BoardKind& kind : Kinds()) {
            const QString name = RecordSection(kind, 3);
            if (kind != NormalKind)
                QCOMPARE(store.settings.SaveBestRecord(kind, 3, Days(100 + kind.colours), name),
                         Settings::Outcome::Saved);
        }
        QCOMPARE(usual(), before);
        QCOMPARE(QSettings(store.File(), QSettings::IniFormat).childGroups().size(),
                 qsizetype(Kinds().size() - 1 + saved.size()));
        for (const BoardKind& kind : Kinds())
            QCOMPARE(store.settings.GetBestName(kind, 3), kind == NormalKind ? "Ann" : RecordSection(kind, 3));
        window.ShowKind({BoardSizes[2], 4});
        QCOMPARE(RowsShown(window)[3], "3|00:01:44|Bricks15x20c4(3)");
        QCOMPARE(window.windowTitle(), "High score: 15 × 20, 4 colours");
        window.ShowKind(NormalKind);
        expected[3] = "3|00:01:23|Ann";
        expected[7] = "7|01:00:00|";
        expected[9] = "9|00:00:05|<b>Bo</b> & Co";
        QCOMPARE(RowsShown(window), expected);
        QCOMPARE(window.windowTitle(), "High score");
        // Names as plain text, in a window of fixed size with the three headings and ten rows, no more. At the usual
        // font, as designed: 313 by 193, the rows 16 apart from 24 down, the names' to the margin.
        QCOMPARE(window.findChild<QLabel*>("lblNamn9")->textFormat(), Qt::PlainText);
        QCOMPARE(window.findChildren<QLabel*>().size(), 33);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.size(), QSize(313, 193));
        QCOMPARE(window.findChild<QLabel*>("lblNamn9")->geometry(), QRect(112, 168, 193, 17));
    }
};

QTEST_MAIN(TestStore)
#include "test_store.moc"
