#include "board/brick_collection.h"
#include "drawing/animator.h"
#include "drawing/board_painter.h"
#include "drawing/brick_picture.h"
#include "platform/ticks.h"

#include <QQueue>
#include <QtTest>

namespace {

// Keeps every presented picture.
class RecordingScreen final : public Screen {
public:
    void Present(const QImage& picture) override { frames.append(picture.copy()); }
    QList<QImage> frames;
};

// Each sleep jumps the counter to the next scripted sample time after the stage start;
// once the script runs out, time moves on a millisecond per sleep.
class ScriptedTicks final : public Ticks {
public:
    [[nodiscard]] std::uint32_t GetTickCount() override { return now; }
    void Sleep(int milliseconds) override
    {
        if (samples.isEmpty()) {
            now += static_cast<std::uint32_t>(milliseconds);
        } else {
            now = stageStart + samples.dequeue();
        }
    }
    void StartStageAt(std::uint32_t start, QList<std::uint32_t> times)
    {
        now = stageStart = start;
        samples.clear();
        for (const std::uint32_t time : times) samples.enqueue(time);
    }

    std::uint32_t now = 0;
    std::uint32_t stageStart = 0;
    QQueue<std::uint32_t> samples;
};

BrickRef BrickAt(const PictureSlots& pictures, float left, float top, int xOffset = 0, int yOffset = 0)
{
    auto brick = std::make_shared<Brick>();
    brick->Picture = pictures[2];
    brick->DownPicture = pictures[7];
    brick->Left = left;
    brick->Top = top;
    brick->XOffset = xOffset;
    brick->YOffset = yOffset;
    return brick;
}

bool IsBackground(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != BoardPainter::BackColor) return false;
        }
    }
    return true;
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private:
    PictureSlots pictures = BrickPicture::LoadSlots();
    RecordingScreen screen;
    ScriptedTicks ticks;

private slots:
    void init() { screen.frames.clear(); }

    void eraseAndPaintTouchExactlyTheBrick()
    {
        BoardPainter painter(screen);
        Cells full;
        for (int i = 0; i < CellCount; ++i) full[static_cast<std::size_t>(i)] = BrickAt(pictures, CellLeft(i), CellTop(i));
        painter.Render(full);
        const QImage rendered = painter.Buffer().copy();

        BrickCollection one;
        one.Add(BrickAt(pictures, 32, 64));
        painter.EraseBricks(one);
        QVERIFY(IsBackground(painter.Buffer(), QRect(32, 64, 32, 32)));
        QCOMPARE(painter.Buffer().pixel(64, 64), rendered.pixel(64, 64));
        QCOMPARE(painter.Buffer().pixel(32, 96), rendered.pixel(32, 96));

        // Pressed, then normal again, leaves the buffer as it was; nothing reaches the screen
        // until it is shown.
        painter.Render(full);
        painter.PaintBricks(one, true);
        QCOMPARE(painter.Buffer().pixel(48, 80), pictures[7]->Image().pixel(16, 16));
        painter.PaintBricks(one, false);
        painter.PaintBricks(BrickCollection(), true);
        painter.EraseBricks(BrickCollection());
        QCOMPARE(painter.Buffer(), rendered);
        QVERIFY(screen.frames.isEmpty());
        painter.ShowBuffer();
        QCOMPARE(screen.frames.size(), 1);
        QCOMPARE(screen.frames[0], rendered);

        // A brick between cells is drawn and erased where it is, not at a cell.
        BrickCollection between;
        between.Add(BrickAt(pictures, 64, 45));
        painter.PaintBricks(between, false);
        QCOMPARE(painter.Buffer().pixel(64 + 16, 45 + 16), pictures[2]->Image().pixel(16, 16));
        painter.EraseBricks(between);
        QVERIFY(IsBackground(painter.Buffer(), QRect(64, 45, 32, 32)));
        QCOMPARE(painter.Buffer().pixel(64, 44), rendered.pixel(64, 44));
    }

    void renderShowsEmptyCellsAsBackground()
    {
        BoardPainter painter(screen);
        Cells sparse;
        sparse[139] = BrickAt(pictures, 288, 416);
        painter.Render(sparse);
        QVERIFY(IsBackground(painter.Buffer(), QRect(0, 0, 320, 416)));
        QCOMPARE(painter.Buffer().pixel(300, 430), pictures[2]->Image().pixel(12, 14));
    }

    void samplesGiveExactSteps_data()
    {
        QTest::addColumn<QList<std::uint32_t>>("samples");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("40, 80, 120 ms") << QList<std::uint32_t>{40, 80, 120} << QList<int>{13, 26, 32};
        QTest::newRow("98 ms goes on, 99 ends") << QList<std::uint32_t>{98, 99} << QList<int>{31, 32};
        QTest::newRow("late first sample") << QList<std::uint32_t>{250} << QList<int>{32};
        QTest::newRow("no advance, no frame") << QList<std::uint32_t>{1, 40, 41, 42, 100} << QList<int>{0, 13, 13, 13, 32};
    }

    void samplesGiveExactSteps()
    {
        QFETCH(QList<std::uint32_t>, samples);
        QFETCH(QList<int>, positions);
        BoardPainter painter(screen);
        Animator animator(painter, ticks);
        BrickCollection fall;
        const BrickRef brick = BrickAt(pictures, 0, 0, 0, 1);
        fall.Add(brick);
        // Started just before the counter wraps: elapsed times must not notice.
        ticks.StartStageAt(0xFFFFFFF0U, samples);

        animator.AnimateFall(fall);
        QVERIFY(fall.IsEmpty());
        QCOMPARE(brick->Top, 32.0f);
        QList<int> expected;
        for (int p : positions) if (expected.isEmpty() ? p > 0 : p != expected.last()) expected << p;
        QCOMPARE(screen.frames.size(), expected.size());
        for (int f = 0; f < expected.size(); ++f) {
            // The brick's top rim sits exactly at its position in each frame.
            QCOMPARE(screen.frames[f].pixel(16, expected[f]), pictures[2]->Image().pixel(16, 0));
            if (expected[f] > 0) QCOMPARE(screen.frames[f].pixelColor(16, expected[f] - 1), BoardPainter::BackColor);
        }
    }

    void eachBrickTravelsItsOwnOffset()
    {
        BoardPainter painter(screen);
        Animator animator(painter, ticks);
        ticks.StartStageAt(1000, {});
        BrickCollection fall;
        const BrickRef one = BrickAt(pictures, 0, 0, 0, 1);
        const BrickRef three = BrickAt(pictures, 32, 0, 0, 3);
        fall.Add(one);
        fall.Add(three);
        const std::uint32_t start = ticks.now;
        animator.AnimateFall(fall);
        QVERIFY(fall.IsEmpty());
        QCOMPARE(one->Top, 32.0f);
        QCOMPARE(three->Top, 96.0f);
        // Three stages of 99 to 100 ms each, one cell at a time.
        QVERIFY(ticks.now - start >= 297 && ticks.now - start <= 303);

        BrickCollection slide;
        const BrickRef sliding = BrickAt(pictures, 96, 0, 2, 0);
        slide.Add(sliding);
        animator.AnimateSlide(slide);
        QCOMPARE(sliding->Left, 32.0f);
        QCOMPARE(sliding->Top, 0.0f);
    }

    void emptyCollectionStillTakesOneStage()
    {
        BoardPainter painter(screen);
        Animator animator(painter, ticks);
        ticks.StartStageAt(5000, {});
        const QImage before = painter.Buffer().copy();
        BrickCollection nothing;
        animator.AnimateSlide(nothing);
        QVERIFY(ticks.now - 5000 >= 99 && ticks.now - 5000 <= 101);
        QVERIFY(!screen.frames.isEmpty());
        for (const QImage& frame : screen.frames) QCOMPARE(frame, before);
    }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
