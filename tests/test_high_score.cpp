#include "platform/date_time.h"
#include "platform/settings_store.h"
#include "scores/frm_high_score.h"
#include "scores/settings.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture {
    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    Settings settings{store};
    QWidget owner;
    frmHighScore window{settings, &owner};

    // An empty folder would mean the user's own store.
    Fixture()
    {
        if (!folder.isValid()) qFatal("no temporary folder");
    }

    void Save(int N, double seconds, const QString& name)
    {
        QVERIFY(settings.SaveBestName(N, name) && settings.SaveBestTime(N, seconds / SecondsPerDay));
    }

    QLabel* Label(const QString& name) const
    {
        auto* label = window.findChild<QLabel*>(name);
        if (label == nullptr) qFatal("no label %s", qPrintable(name));
        return label;
    }

    // Opens the window modally, as the menu does, and notes each row as "N|time|name"
    // while it is on screen.
    QStringList RowsWhileOpen()
    {
        QStringList rows;
        QTimer::singleShot(0, &window, [&] {
            for (int N = 0; N < 10; ++N) {
                const auto text = [&](const QString& column) { return Label(column + QString::number(N))->text(); };
                rows << text("lblKvar") + '|' + text("lblTid") + '|' + text("lblNamn");
            }
            window.reject();
        });
        window.exec();
        return rows;
    }
};

} // namespace

class TestHighScore : public QObject {
    Q_OBJECT

private slots:
    void rowsShowTheStoreAtEachOpening()
    {
        Fixture fixture;
        QStringList expected;
        for (int N = 0; N < 10; ++N) expected << QStringLiteral("%1||").arg(N);
        QCOMPARE(fixture.RowsWhileOpen(), expected);

        // Stored while the window was closed.
        fixture.Save(3, 83, QStringLiteral("Ann"));
        fixture.Save(7, 86400 + 3600, QString());
        fixture.Save(9, 5, QStringLiteral("<b>Bo</b> & Co"));
        fixture.Save(5, 0, QStringLiteral("Ghost")); // a time of 0 is no record
        fixture.Save(10, 1, QStringLiteral("Ten"));  // outside the table
        expected[3] = QStringLiteral("3|00:01:23|Ann");
        expected[7] = QStringLiteral("7|01:00:00|");
        expected[9] = QStringLiteral("9|00:00:05|<b>Bo</b> & Co");
        QCOMPARE(fixture.RowsWhileOpen(), expected);
        QCOMPARE(fixture.Label("lblNamn9")->textFormat(), Qt::PlainText);

        fixture.Save(3, 0, QStringLiteral("Ann"));
        expected[3] = QStringLiteral("3||");
        QCOMPARE(fixture.RowsWhileOpen(), expected);
    }

    void labelsAndWindowKeepTheirPlaces()
    {
        Fixture fixture;
        // Long texts must be cut off by the label, not make it grow.
        fixture.Save(4, 43200, QString(10000, 'W'));
        fixture.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.window));

        // Headings at the top, then the rows every 16 pixels; all 17 high.
        const struct { QString name; QString text; int left; int width; Qt::Alignment alignment; } columns[] = {
            {"lblTitel0", "Left:", 8, 35, Qt::AlignRight},
            {"lblTitel1", "Time:", 48, 57, Qt::AlignLeft},
            {"lblTitel2", "Name:", 112, 161, Qt::AlignLeft},
            {"lblKvar", "", 8, 33, Qt::AlignRight},
            {"lblTid", "", 48, 57, Qt::AlignLeft},
            {"lblNamn", "", 112, 193, Qt::AlignLeft},
        };
        const QFont dialogFont = fixture.window.font();
        for (const auto& [name, text, left, width, alignment] : columns) {
            const bool heading = !text.isEmpty();
            for (int N = 0; N < (heading ? 1 : 10); ++N) {
                const QLabel* label = fixture.Label(heading ? name : name + QString::number(N));
                if (heading) QCOMPARE(label->text(), text);
                QCOMPARE(label->geometry(), QRect(left, heading ? 8 : 24 + 16 * N, width, 17));
                QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, alignment);
                QCOMPARE(label->font().pointSizeF(), dialogFont.pointSizeF());
                QCOMPARE(label->font().bold(), heading);
                QVERIFY(!label->wordWrap());
            }
        }
        QCOMPARE(fixture.window.findChildren<QLabel*>().size(), 33);

        QCOMPARE(fixture.window.size(), QSize(313, 193));
        QCOMPARE(fixture.window.minimumSize(), QSize(313, 193));
        QCOMPARE(fixture.window.maximumSize(), QSize(313, 193));
        QCOMPARE(fixture.window.windowTitle(), QStringLiteral("High score"));
        const auto buttons = Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint;
        QCOMPARE(fixture.window.windowFlags() & buttons, Qt::WindowFlags(Qt::WindowCloseButtonHint));
        // An owned window is the owner's, without a taskbar entry of its own.
        QCOMPARE(fixture.window.parentWidget(), &fixture.owner);
        fixture.window.close();
    }
};

QTEST_MAIN(TestHighScore)
#include "test_high_score.moc"
