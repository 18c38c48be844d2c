// The pacing of an animation, with the time of every sample given, and what each frame shows. Drawing at rest and
// where the bricks end are checked after every event of random play (test_play).
#include "fixture.h"

#include "drawing/animator.h"

#include <QDateTime>
#include <QPainter>
#include <QSaveFile>
#include <QtTest>

namespace {

class RecordingScreen final : public Screen {
public:
    void Present(const QImage& picture, const QRect&) override { frames.append(picture.copy()); }
    QList<QImage> frames;
};

// The frame with the brick's look at (left, top) and nothing else but the board colour.
QImage Frame(int left, int top)
{
    QImage frame(BoardWidth, BoardHeight, QImage::Format_RGB32);
    frame.fill(BoardColour());
    QPainter(&frame).drawImage(left, top, Looks()[2]->Image());
    return frame;
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private:
    RecordingScreen screen;
    FakeTicks ticks;
    BoardPainter painter{screen};
    Animator animator{painter, ticks};

private slots:
    void init() { screen.frames.clear(), painter.Render(Cells{}); }

    // The brick's top in each frame shown, the stage starting just before the counter wraps; once the samples run
    // out, time moves on as slept.
    void samplesGiveExactSteps_data()
    {
        QTest::addColumn<QList<std::uint32_t>>("samples");
        QTest::addColumn<QList<int>>("frames");
        QTest::newRow("40, 80, 120 ms") << QList<std::uint32_t>{40, 80, 120} << QList<int>{13, 26, 32};
        QTest::newRow("98 ms goes on, 99 ends") << QList<std::uint32_t>{98, 99} << QList<int>{31, 32};
        QTest::newRow("late first sample") << QList<std::uint32_t>{250} << QList<int>{32};
        QTest::newRow("no advance, no frame") << QList<std::uint32_t>{1, 40, 41, 42, 100} << QList<int>{13, 32};
    }

    void samplesGiveExactSteps()
    {
        QFETCH(QList<std::uint32_t>, samples);
        QFETCH(QList<int>, frames);
        BrickCollection fall;
        fall.Add(CellsFromRows({"2"})[0]);
        fall[0]->YOffset = 1;
        // Each sleep jumps the counter to the next sample time after the start.
        const std::uint32_t start = ticks.now = 0xFFFFFFF0U;
        ticks.onSleep = [&] { ticks.now = samples.isEmpty() ? ticks.now : start + samples.takeFirst(); };
        animator.AnimateFall(fall);
        ticks.onSleep = nullptr;
        QVERIFY(fall.IsEmpty());
        QCOMPARE(screen.frames.size(), frames.size());
        for (int f = 0; f < frames.size(); ++f) QCOMPARE(screen.frames[f], Frame(0, frames[f]));
    }

    // The time played goes on steadily while the wall clock steps an hour back and two forward, as a time sync may;
    // libfaketime moves it, by what its file says.
    void steadyWhateverTheWallClock()
    {
        const SystemClock clock;
        const double start = clock.Now();
        const QDateTime before = QDateTime::currentDateTimeUtc();
        for (const char* offset : {"-1h", "+2h"}) {
            QSaveFile wall(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE")); // never seen half written
            QVERIFY(wall.open(QIODevice::WriteOnly) && wall.write(offset) > 0 && wall.commit());
            QTest::qSleep(300);
            QVERIFY((QDateTime::currentDateTimeUtc() < before) == (offset[0] == '-')); // the wall clock stepped
        }
        const double seconds = (clock.Now() - start) * SecondsPerDay;
        QVERIFY2(seconds > 0.5 && seconds < 5, qPrintable(QString::number(seconds)));
    }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
