// Measures inside one process, on a real X display, what the game's drawing costs: one
// animation frame, a press until its group is on screen, the Undo key until the board is back, and the pacing of a
// whole move, at zooms of 100, 200 and 400 %, and the frames and the press on the large board beside the usual one.
// Prints table rows for run.sh: figure, target and measured value, tab-separated.
#include "board/collapse.h"
#include "fixture.h"

#include <QMainWindow>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Milliseconds on the steady clock.
double Now()
{
    static const auto origin = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - origin).count();
}

void Row(const QString& figure, const QString& target, const QString& measured)
{
    std::printf("%s\t%s\t%s\n", qPrintable(figure), qPrintable(target), qPrintable(measured));
}

double Median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

QString MedianAndWorst(const std::vector<double>& ms)
{
    return QStringLiteral("%1 ms median, %2 ms worst (%3)")
        .arg(Median(ms), 0, 'f', 3)
        .arg(*std::max_element(ms.begin(), ms.end()), 0, 'f', 3)
        .arg(ms.size());
}

QString Percent(double zoom)
{
    return QStringLiteral("%1 %").arg(qRound(zoom * 100));
}

// At 100 % the figure's own target; zoomed, no more than the pixels grow.
QString Target(double zoom, const char* normal)
{
    return zoom == 1 ? normal : QStringLiteral("<= %1 x the 100 % one").arg(zoom * zoom);
}

// A moment both on the steady clock and as the ticks the animation read last.
struct Mark {
    double at;
    std::uint32_t tick;
};

// Stands between the animation and the system. As its ticks it notes where each stage
// starts (the one reading that follows no sleep) and each sample; as its screen it
// presents on the real widget and notes when each frame is shown and what it cost. Time is
// the system's, or moves 1 ms per sleep: at 0.32 pixels per millisecond every frame is
// then a one-pixel step.
class Probe final : public Ticks, public Screen {
public:
    Probe(BoardSurface& surface, Ticks* system) : surface(surface), system(system) {}

    std::uint32_t GetTickCount() override
    {
        reading = system != nullptr ? system->GetTickCount() : fakeNow;
        if (!slept) stageStarts.push_back({Now(), reading});
        slept = false;
        return reading;
    }
    void Sleep(int milliseconds) override
    {
        if (system != nullptr)
            system->Sleep(milliseconds);
        else
            fakeNow += static_cast<std::uint32_t>(milliseconds);
        slept = true;
        sampleStart = Now();
    }
    void Present(const QImage& picture, const QRect& changed) override
    {
        surface.Present(picture, changed);
        frames.push_back({Now(), reading});
        costs.push_back(frames.back().at - sampleStart);
    }

    std::vector<Mark> stageStarts;
    std::vector<Mark> frames;
    std::vector<double> costs;

private:
    BoardSurface& surface;
    Ticks* system;
    std::uint32_t fakeNow = 0;
    std::uint32_t reading = 0;
    bool slept = false;
    double sampleStart = 0;
};

// The game's painter and animator on a BoardSurface, the central widget of a shown window, for a board of a shape,
// at a zoom.
struct AnimationBench {
    AnimationBench(Ticks* system, const Geometry& shape, double zoom)
        : shape(shape), probe(*surface, system), painter(probe, shape, 1, zoom)
    {
        surface->SetShape(shape);
        surface->SetZoom(zoom);
        painter.UseScale(zoom, surface->devicePixelRatioF());
        window.setCentralWidget(surface);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was not shown");
    }

    // Draws a board with the cells `filled` says and plans its collapse, as a move does
    // once its group is off the board; the frames from here on are the move's.
    void Prepare(const std::function<bool(int column, int row)>& filled, BrickCollection& slide, BrickCollection& fall)
    {
        Cells board(shape);
        for (int i = 0; i < shape.CellCount(); ++i) {
            if (!filled(shape.ColumnOf(i), shape.RowOf(i))) continue;
            auto brick = std::make_shared<Brick>();
            brick->Index = i;
            brick->Left = static_cast<float>(shape.CellLeft(i));
            brick->Top = static_cast<float>(shape.CellTop(i));
            brick->Picture = pictures[static_cast<std::size_t>(1 + (shape.ColumnOf(i) + shape.RowOf(i)) % ColourCount)];
            board[i] = brick;
        }
        painter.Render(board);
        painter.ShowBuffer();
        probe.stageStarts.clear();
        probe.frames.clear();
        probe.costs.clear();
        PlanCollapse(board, slide, fall);
    }

    Geometry shape;
    PictureSlots pictures = BrickPicture::LoadSlots();
    QMainWindow window;
    BoardSurface* surface = new BoardSurface;
    Probe probe;
    BoardPainter painter;
    Animator animator{painter, probe};
};

// A board's size as its columns by its rows.
QString SizeOf(const Geometry& shape)
{
    return QStringLiteral("%1 x %2").arg(shape.Columns()).arg(shape.Rows());
}

// The median frame of each kind, a slide of all but the first column and a fall of all but the bottom row, to set
// the zooms' and the sizes' against each other.
std::vector<double> FrameCosts(const Geometry& shape, double zoom)
{
    AnimationBench bench(nullptr, shape, zoom);
    const auto frames
        = [&bench](const std::function<bool(int, int)>& filled, void (Animator::*animate)(BrickCollection&)) {
              std::vector<double> costs;
              while (costs.size() < 2000) {
                  BrickCollection slide, fall;
                  bench.Prepare(filled, slide, fall);
                  (bench.animator.*animate)(animate == &Animator::AnimateSlide ? slide : fall);
                  costs.insert(costs.end(), bench.probe.costs.begin(), bench.probe.costs.end());
              }
              return costs;
          };
    const int rows = shape.Rows();
    const std::vector<double> slide = frames([](int column, int) { return column != 0; }, &Animator::AnimateSlide);
    const std::vector<double> fall = frames([rows](int, int row) { return row < rows - 1; }, &Animator::AnimateFall);
    const QString board = SizeOf(shape) + ", " + Percent(zoom);
    Row(QStringLiteral("Frame, slide of %1 bricks, ").arg((shape.Columns() - 1) * rows) + board,
        Target(zoom, "< 0.5 ms median"), MedianAndWorst(slide));
    Row(QStringLiteral("Frame, fall of %1 x %2 bricks, ").arg(rows - 1).arg(shape.Columns()) + board,
        Target(zoom, "< 0.5 ms median"), MedianAndWorst(fall));
    return {Median(slide), Median(fall)};
}

// A window of the game on the board of the size item, at the zoom, its whole board one group.
void ShowWholeGroup(GameFixture& f, const char* size, double zoom)
{
    f.window.show();
    f.window.activateWindow();
    if (!QTest::qWaitForWindowActive(&f.window)) qFatal("the window was not activated");
    f.Choose(size);
    for (double shown = 1; shown < zoom; shown += 0.5) f.Choose("mnuViewZoomIn");
    if (f.window.Surface().Zoom() != zoom) qFatal("the screen is too small for the zoom");
    const Geometry& shape = f.window.Game().Kind().shape;
    f.StartFrom(QStringList(shape.Rows(), QString(shape.Columns(), '1')));
}

// The median press.
double PressLatency(const char* size, double zoom)
{
    GameFixture f;
    ShowWholeGroup(f, size, zoom);
    const Geometry& shape = f.window.Game().Kind().shape;
    QWidget* board = f.window.centralWidget();
    const QPoint off(-8, -8);
    const int pixels = f.window.Surface().Picture().width() / shape.Columns(); // a cell's side
    const QImage& pressed = f.window.Pictures()[1 + ColourCount]->Image(pixels, false);
    std::vector<double> ms;
    for (int n = 0; n < 200; ++n) {
        const int cell = n % shape.CellCount();
        const double start = Now();
        QTest::mousePress(board, Qt::LeftButton, {}, f.window.Surface().CellArea(cell).center());
        ms.push_back(Now() - start);
        // Without this check a broken set-up would time presses that draw nothing.
        const QPoint middle(shape.ColumnOf(cell) * pixels + pixels / 2, shape.RowOf(cell) * pixels + pixels / 2);
        if (f.window.Surface().Picture().pixel(middle) != pressed.pixel(pixels / 2, pixels / 2))
            qFatal("the pressed group is not shown");
        QTest::mouseMove(board, off); // off the group: it turns back, so the release removes nothing
        QTest::mouseRelease(board, Qt::LeftButton, {}, off);
        QCoreApplication::processEvents();
    }
    Row(QStringLiteral("Press to presented, %1-brick group, ").arg(shape.CellCount()) + SizeOf(shape) + ", "
            + Percent(zoom),
        Target(zoom, "< 1 ms"), MedianAndWorst(ms));
    return Median(ms);
}

// The median from the Undo key to the board before the move presented, on the usual board all of one group, which
// one move clears.
double UndoLatency(double zoom)
{
    GameFixture f;
    ShowWholeGroup(f, "mnuFileBoardNormal", zoom);
    QTest::mouseClick(f.window.centralWidget(), Qt::LeftButton, {}, f.window.Surface().CellArea(0).center());
    std::vector<double> ms;
    for (int n = 0; n < 200; ++n) {
        const double start = Now();
        QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier);
        ms.push_back(Now() - start);
        if (f.window.Game().BricksLeft != f.window.Game().CellCount()) qFatal("the move was not taken back");
        QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    Row("Undo key to presented, the whole board back, " + Percent(zoom), zoom == 1 ? "< 2 ms" : "<= 16 x the 100 % one",
        MedianAndWorst(ms));
    return Median(ms);
}

// A brick falling the whole 13 rows of the usual board, then the slide stage every move has: 14 stages.
void Pacing(double zoom)
{
    constexpr int Moves = 3;
    SystemTicks system;
    AnimationBench bench(&system, NormalKind.shape, zoom);
    std::vector<double> stages;
    std::vector<std::uint32_t> stageTicks;
    double slowest = 1e9, fastest = 0;
    for (int move = 0; move < Moves; ++move) {
        BrickCollection slide, fall;
        bench.Prepare([](int column, int row) { return column != 0 || row == 0; }, slide, fall);
        bench.animator.AnimateFall(fall);
        bench.animator.AnimateSlide(slide);
        const std::vector<Mark>& starts = bench.probe.stageStarts;
        const std::vector<Mark>& frames = bench.probe.frames;
        for (std::size_t s = 0; s < starts.size(); ++s) {
            const double next = s + 1 < starts.size() ? starts[s + 1].at : frames.back().at + 1;
            const auto last
                = std::find_if(frames.rbegin(), frames.rend(), [next](const Mark& frame) { return frame.at < next; });
            stages.push_back(last->at - starts[s].at);
            stageTicks.push_back(last->tick - starts[s].tick);
        }
        const double speed = CellSize * static_cast<double>(starts.size()) / (frames.back().at - starts.front().at);
        slowest = std::min(slowest, speed);
        fastest = std::max(fastest, speed);
    }
    const auto [shortest, longest] = std::minmax_element(stages.begin(), stages.end());
    const auto [fewest, most] = std::minmax_element(stageTicks.begin(), stageTicks.end());
    Row("Pace of a move, real clock, " + Percent(zoom), "0.32 px/ms +-2 %",
        QStringLiteral("%1 to %2 px/ms (%3 moves)").arg(slowest, 0, 'f', 4).arg(fastest, 0, 'f', 4).arg(Moves));
    Row("Stage, start to last frame, " + Percent(zoom), "99 to 110 ms each",
        QStringLiteral("%1 to %2 ms (%3 stages); %4 to %5 in ticks")
            .arg(*shortest, 0, 'f', 1)
            .arg(*longest, 0, 'f', 1)
            .arg(stages.size())
            .arg(*fewest)
            .arg(*most));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const double undo = UndoLatency(1);
    Row("Undo key to presented at 400 % / at 100 %", "<= 16", QString::number(UndoLatency(4) / undo, 'f', 1));
    const Geometry large = BoardSizes.back();
    std::vector<double> normalAtOne; // the medians at 100 %: the slide's frame, the fall's and the press
    const std::array<int, 2> moving{(NormalKind.shape.Columns() - 1) * NormalKind.shape.Rows(),
                                    NormalKind.shape.Columns() * (NormalKind.shape.Rows() - 1)};
    for (const double zoom : {1.0, 2.0, 4.0}) {
        std::vector<double> medians = FrameCosts(NormalKind.shape, zoom);
        medians.push_back(PressLatency("mnuFileBoardNormal", zoom));
        Pacing(zoom);
        if (zoom == 1)
            normalAtOne = medians;
        else
            Row("Slide frame, fall frame, press at " + Percent(zoom) + " / at 100 %",
                QStringLiteral("<= %1, as the pixels").arg(zoom * zoom),
                QStringLiteral("%1, %2, %3")
                    .arg(medians[0] / normalAtOne[0], 0, 'f', 1)
                    .arg(medians[1] / normalAtOne[1], 0, 'f', 1)
                    .arg(medians[2] / normalAtOne[2], 0, 'f', 1));
        if (zoom == 4) continue;
        // The large board beside it: a frame's cost per moving brick, and the press's per brick, no more than here.
        std::vector<double> onLarge = FrameCosts(large, zoom);
        onLarge.push_back(PressLatency("mnuFileBoardLarge", zoom));
        const std::array<int, 2> movingOnLarge{(large.Columns() - 1) * large.Rows(),
                                               large.Columns() * (large.Rows() - 1)};
        Row("Per brick, large / usual board: slide, fall, press, " + Percent(zoom), "<= 1",
            QStringLiteral("%1, %2, %3")
                .arg(onLarge[0] / movingOnLarge[0] / (medians[0] / moving[0]), 0, 'f', 2)
                .arg(onLarge[1] / movingOnLarge[1] / (medians[1] / moving[1]), 0, 'f', 2)
                .arg(onLarge[2] / large.CellCount() / (medians[2] / NormalKind.shape.CellCount()), 0, 'f', 2));
    }
    return 0;
}
