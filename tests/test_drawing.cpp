// The pacing of an animation, with the time of every sample given, and what each frame shows. Drawing at rest and
// where the bricks end are checked after every event of random play (test_play).
#include "fixture.h"

#include "assets/artwork.h"
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

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private:
    RecordingScreen screen;
    FakeTicks ticks;
    BoardPainter painter{screen, NormalKind.shape};
    Animator animator{painter, ticks};

private slots:
    // The brick's top in each frame shown, for the counter's samples after the stage's start just before it wraps:
    // at 40, 80 and 120 ms; 98 ms goes on, 99 ends; a late first sample; no advance, no frame. Once the samples run
    // out, time moves on as slept.
    void samplesGiveExactSteps()
    {
        const std::pair<QList<std::uint32_t>, QList<int>> cases[]{
            {{40, 80, 120}, {13, 26, 32}}, {{98, 99}, {31, 32}}, {{250}, {32}}, {{1, 40, 41, 42, 100}, {13, 32}}};
        for (auto [samples, frames] : cases) {
            screen.frames.clear();
            painter.Render(Cells(NormalKind.shape));
            BrickCollection fall;
            fall.Add(CellsFromRows(NormalKind.shape, {"2"})[0]);
            fall[0]->YOffset = 1;
            const std::uint32_t start = ticks.now = 0xFFFFFFF0U;
            ticks.onSleep = [&] { ticks.now = samples.isEmpty() ? ticks.now : start + samples.takeFirst(); };
            animator.AnimateFall(fall);
            ticks.onSleep = nullptr;
            QVERIFY(fall.IsEmpty());
            QCOMPARE(screen.frames.size(), frames.size());
            for (int f = 0; f < frames.size(); ++f) { // the brick's look at its top, on the board colour
                QImage frame(NormalKind.shape.Width(), NormalKind.shape.Height(), QImage::Format_RGB32);
                frame.fill(BoardColour());
                QPainter(&frame).drawImage(0, frames[f], Looks()[2]->Image());
                QCOMPARE(screen.frames[f], frame);
            }
        }
    }

    // The colours a player sees: each look of each colour the board draws averages, inside its rim, to the colour
    // the artwork's own table gives it, whichever picture it took.
    void looksHaveTheirColours()
    {
        for (int slot = 1; slot <= 2 * ColourCount; ++slot) {
            const QImage body = Looks()[slot]->Image(CellSize, false).copy(3, 3, CellSize - 6, CellSize - 6);
            const QColor average(body.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
            const QColor target = Artwork::BodyColour((slot - 1) % ColourCount, slot > ColourCount);
            const int off = std::max({qAbs(average.red() - target.red()), qAbs(average.green() - target.green()),
                                      qAbs(average.blue() - target.blue())});
            QVERIFY2(off <= 2,
                     qPrintable(QString("slot %1 averages %2, not %3").arg(slot).arg(average.name(), target.name())));
        }
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
            QVERIFY2(wall.open(QIODevice::WriteOnly) && wall.write(offset) > 0 && wall.commit(), "no wall clock set");
            QTest::qSleep(300);
            QVERIFY((QDateTime::currentDateTimeUtc() < before) == (offset[0] == '-')); // the wall clock stepped
        }
        const double seconds = (clock.Now() - start) * SecondsPerDay;
        QVERIFY2(seconds > 0.5 && seconds < 5, qPrintable(QString::number(seconds)));
    }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
