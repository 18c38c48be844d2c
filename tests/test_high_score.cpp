#include "platform/application_title.h"
#include "platform/date_time.h"
#include "platform/settings_store.h"
#include "scores/frm_high_score.h"
#include "scores/settings.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int RowCount = 10;

// A private store that notes every read, to see which records the window asks for.
class RecordingStore : public SettingsStore {
public:
    explicit RecordingStore(const QString& folder) : SettingsStore(folder) {}

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& fallback) const override
    {
        reads << section + QLatin1Char('/') + key;
        return SettingsStore::GetSetting(application, section, key, fallback);
    }

    mutable QStringList reads;
};

struct Fixture {
    QTemporaryDir folder;
    RecordingStore store{folder.path()};
    Settings settings{store};
    QWidget owner;
    frmHighScore window{settings, &owner};

    // An empty folder would mean the user's own store.
    Fixture()
    {
        if (!folder.isValid()) qFatal("no temporary folder");
    }

    void SaveRaw(int N, const QString& key, const QString& value)
    {
        QVERIFY(store.SaveSetting(ApplicationTitle(), QStringLiteral("Bricks(%1)").arg(N), key, value));
    }
};

QLabel* Label(const QWidget& window, const QString& name)
{
    auto* label = window.findChild<QLabel*>(name);
    if (label == nullptr) qFatal("no label %s", qPrintable(name));
    return label;
}

// Each row as "N|time|name".
QStringList Rows(const QWidget& window)
{
    QStringList rows;
    for (int N = 0; N < RowCount; ++N) {
        rows << Label(window, QStringLiteral("lblKvar%1").arg(N))->text() + QLatin1Char('|')
                    + Label(window, QStringLiteral("lblTid%1").arg(N))->text() + QLatin1Char('|')
                    + Label(window, QStringLiteral("lblNamn%1").arg(N))->text();
    }
    return rows;
}

QStringList EmptyRows()
{
    QStringList rows;
    for (int N = 0; N < RowCount; ++N) rows << QStringLiteral("%1||").arg(N);
    return rows;
}

// Opens the window modally, as the menu does, and notes the rows while it is on screen.
QStringList RowsWhileOpen(QDialog& window)
{
    QStringList seen;
    QTimer::singleShot(0, &window, [&] {
        seen = Rows(window);
        window.reject();
    });
    window.exec();
    return seen;
}

void VerifyGeometry(const QWidget& window, const QString& name, int left, int top, int width, Qt::Alignment alignment)
{
    const QLabel* label = Label(window, name);
    QCOMPARE(label->geometry(), QRect(left, top, width, 17));
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, alignment);
    QVERIFY(!label->wordWrap());
}

} // namespace

class TestHighScore : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreShowsOnlyTheCounts();
    void rowsShowStoredRecords();
    void everyOpeningReadsTheStoreAfresh();
    void labelsKeepTheirPlaces();
    void windowIsAFixedDialogOverItsOwner();
};

void TestHighScore::emptyStoreShowsOnlyTheCounts()
{
    Fixture fixture;
    QCOMPARE(RowsWhileOpen(fixture.window), EmptyRows());
    QCOMPARE(Label(fixture.window, QStringLiteral("lblTitel0"))->text(), QStringLiteral("Left:"));
    QCOMPARE(Label(fixture.window, QStringLiteral("lblTitel1"))->text(), QStringLiteral("Time:"));
    QCOMPARE(Label(fixture.window, QStringLiteral("lblTitel2"))->text(), QStringLiteral("Name:"));
    QStringList timeReads;
    for (int N = 0; N < RowCount; ++N) timeReads << QStringLiteral("Bricks(%1)/Time").arg(N);
    QCOMPARE(fixture.store.reads, timeReads);
}

void TestHighScore::rowsShowStoredRecords()
{
    Fixture fixture;
    Settings& settings = fixture.settings;
    QVERIFY(settings.SaveBestName(3, QStringLiteral("Ann")));
    QVERIFY(settings.SaveBestTime(3, 83 / SecondsPerDay));
    QVERIFY(settings.SaveBestName(7, QString()));
    QVERIFY(settings.SaveBestTime(7, 1.0 + 3600 / SecondsPerDay));
    QVERIFY(settings.SaveBestName(9, QStringLiteral("<b>Bo</b> & Co")));
    QVERIFY(settings.SaveBestTime(9, 5 / SecondsPerDay));
    // A name whose time is 0 is no record.
    QVERIFY(settings.SaveBestName(5, QStringLiteral("Ghost")));
    QVERIFY(settings.SaveBestTime(5, 0.0));
    // Outside the table.
    QVERIFY(settings.SaveBestName(10, QStringLiteral("Ten")));
    QVERIFY(settings.SaveBestTime(10, 1 / SecondsPerDay));
    fixture.store.reads.clear();

    QStringList expected = EmptyRows();
    expected[3] = QStringLiteral("3|00:01:23|Ann");
    expected[7] = QStringLiteral("7|01:00:00|");
    expected[9] = QStringLiteral("9|00:00:05|<b>Bo</b> & Co");
    QCOMPARE(RowsWhileOpen(fixture.window), expected);
    QCOMPARE(Label(fixture.window, QStringLiteral("lblNamn9"))->textFormat(), Qt::PlainText);

    // Names are read only for rows that have a time, right after it.
    QCOMPARE(fixture.store.reads.filter(QStringLiteral("/Name")),
             QStringList({QStringLiteral("Bricks(3)/Name"), QStringLiteral("Bricks(7)/Name"), QStringLiteral("Bricks(9)/Name")}));
    QCOMPARE(fixture.store.reads.indexOf(QStringLiteral("Bricks(3)/Name")),
             fixture.store.reads.indexOf(QStringLiteral("Bricks(3)/Time")) + 1);
}

void TestHighScore::everyOpeningReadsTheStoreAfresh()
{
    Fixture fixture;
    QVERIFY(fixture.settings.SaveBestName(1, QStringLiteral("First")));
    QVERIFY(fixture.settings.SaveBestTime(1, 10 / SecondsPerDay));
    QStringList expected = EmptyRows();
    expected[1] = QStringLiteral("1|00:00:10|First");
    QCOMPARE(RowsWhileOpen(fixture.window), expected);

    // Stored while the window was closed: a new record, and one damaged outside the program.
    QVERIFY(fixture.settings.SaveBestName(2, QStringLiteral("Second")));
    QVERIFY(fixture.settings.SaveBestTime(2, 20 / SecondsPerDay));
    fixture.SaveRaw(1, QStringLiteral("Time"), QStringLiteral("garbage"));
    expected[1] = QStringLiteral("1||");
    expected[2] = QStringLiteral("2|00:00:20|Second");
    QCOMPARE(RowsWhileOpen(fixture.window), expected);
}

void TestHighScore::labelsKeepTheirPlaces()
{
    Fixture fixture;
    // Long texts must be cut off by the label, not make it grow.
    QVERIFY(fixture.settings.SaveBestName(4, QString(10000, QLatin1Char('W'))));
    QVERIFY(fixture.settings.SaveBestTime(4, 0.5));
    fixture.window.show();

    VerifyGeometry(fixture.window, QStringLiteral("lblTitel0"), 8, 8, 35, Qt::AlignRight);
    VerifyGeometry(fixture.window, QStringLiteral("lblTitel1"), 48, 8, 57, Qt::AlignLeft);
    VerifyGeometry(fixture.window, QStringLiteral("lblTitel2"), 112, 8, 161, Qt::AlignLeft);
    for (int N = 0; N < RowCount; ++N) {
        const int top = 24 + 16 * N;
        VerifyGeometry(fixture.window, QStringLiteral("lblKvar%1").arg(N), 8, top, 33, Qt::AlignRight);
        VerifyGeometry(fixture.window, QStringLiteral("lblTid%1").arg(N), 48, top, 57, Qt::AlignLeft);
        VerifyGeometry(fixture.window, QStringLiteral("lblNamn%1").arg(N), 112, top, 193, Qt::AlignLeft);
    }
    QCOMPARE(fixture.window.findChildren<QLabel*>().size(), 33);

    const QFont dialogFont = fixture.window.font();
    for (const QLabel* label : fixture.window.findChildren<QLabel*>()) {
        QCOMPARE(label->font().pointSizeF(), dialogFont.pointSizeF());
        QCOMPARE(label->font().bold(), label->objectName().startsWith(QStringLiteral("lblTitel")));
    }
    fixture.window.close();
}

void TestHighScore::windowIsAFixedDialogOverItsOwner()
{
    Fixture fixture;
    fixture.owner.setGeometry(100, 80, 500, 400);
    fixture.owner.show();
    fixture.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window));

    QCOMPARE(fixture.window.windowTitle(), QStringLiteral("High score"));
    QCOMPARE(fixture.window.size(), QSize(313, 193));
    QCOMPARE(fixture.window.minimumSize(), QSize(313, 193));
    QCOMPARE(fixture.window.maximumSize(), QSize(313, 193));

    const Qt::WindowFlags flags = fixture.window.windowFlags();
    QCOMPARE(fixture.window.windowType(), Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    // An owned window is the owner's, without a taskbar entry of its own.
    QCOMPARE(fixture.window.parentWidget(), &fixture.owner);

    const QPoint offset = fixture.window.geometry().center() - fixture.owner.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, "not centred over its owner");
    fixture.window.close();
}

QTEST_MAIN(TestHighScore)
#include "test_high_score.moc"
