// The pacing of the animations, with the time of every sample given, and what each frame shows.
// Drawing at rest is checked after every event of random play (test_play).
#include "fixture.h"

#include "drawing/animator.h"

#include <QPainter>
#include <QtTest>

namespace {

class RecordingScreen final : public Screen {
public:
    void Present(const QImage& picture) override { frames.append(picture.copy()); }
    QList<QImage> frames;
};

// Each sleep jumps the counter to the next sample time after the stage start; once they run out,
// time moves on a millisecond a sleep.
class ScriptedTicks final : public Ticks {
public:
    [[nodiscard]] std::uint32_t GetTickCount() override { return now; }
    void Sleep(int milliseconds) override
    {
        now = samples.isEmpty() ? now + std::uint32_t(milliseconds) : start + samples.takeFirst();
    }

    std::uint32_t now = 0, start = 0;
    QList<std::uint32_t> samples;
};

BrickRef BrickAt(float left, float top, int xOffset, int yOffset)
{
    const BrickRef brick = CellsFromRows({"2"})[0];
    std::tie(brick->Left, brick->Top, brick->XOffset, brick->YOffset) = std::tuple(left, top, xOffset, yOffset);
    return brick;
}

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
    ScriptedTicks ticks;
    BoardPainter painter{screen};
    Animator animator{painter, ticks};

private slots:
    void init() { screen.frames.clear(), painter.Render(Cells{}); }

    // The brick's top in each frame shown; every stage starts just before the counter wraps.
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
        fall.Add(BrickAt(0, 0, 0, 1));
        ticks.now = ticks.start = 0xFFFFFFF0U, ticks.samples = samples;
        animator.AnimateFall(fall);
        QVERIFY(fall.IsEmpty());
        QCOMPARE(screen.frames.size(), frames.size());
        for (int f = 0; f < frames.size(); ++f) QCOMPARE(screen.frames[f], Frame(0, frames[f]));
    }

    // A stage a cell, 99 to 100 ms each; a brick leaves after as many stages as its offset; an empty
    // collection still takes one stage, showing the buffer unchanged.
    void stagesFollowTheOffsets()
    {
        const BrickRef one = BrickAt(0, 0, 0, 1), three = BrickAt(32, 5, 0, 3), sliding = BrickAt(96, 0, 2, 0);
        BrickCollection fall, slide, nothing;
        fall.Add(one), fall.Add(three), slide.Add(sliding);
        const std::uint32_t start = ticks.now;
        animator.AnimateFall(fall);
        QVERIFY(fall.IsEmpty() && one->Top == 32 && three->Top == 101 && ticks.now - start >= 297
                && ticks.now - start <= 303);
        animator.AnimateSlide(slide);
        QVERIFY(slide.IsEmpty() && sliding->Left == 32 && sliding->Top == 0);
        const QImage before = painter.Buffer().copy();
        screen.frames.clear();
        const std::uint32_t idle = ticks.now;
        animator.AnimateSlide(nothing);
        QVERIFY(ticks.now - idle >= 99 && ticks.now - idle <= 101 && !screen.frames.isEmpty()
                && screen.frames.count(before) == screen.frames.size());
    }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
