// Measures inside one process, on a real X display, what the game's drawing costs: one
// animation frame, a press until its group is on screen, and the pacing of a whole move.
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

void Row(const char* figure, const char* target, const QString& measured)
{
    std::printf("%s\t%s\t%s\n", figure, target, qPrintable(measured));
}

QString MedianAndWorst(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("%1 ms median, %2 ms worst (%3)")
        .arg(ms[ms.size() / 2], 0, 'f', 3)
        .arg(ms.back(), 0, 'f', 3)
        .arg(ms.size());
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
    void Present(const QImage& picture) override
    {
        surface.Present(picture);
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

// The game's painter and animator on a BoardSurface, the central widget of a shown window.
struct AnimationBench {
    explicit AnimationBench(Ticks* system) : probe(*surface, system)
    {
        window.setCentralWidget(surface);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was not shown");
    }

    // Draws a board with the cells `filled` says and plans its collapse, as a move does
    // once its group is off the board; the frames from here on are the move's.
    void Prepare(const std::function<bool(int column, int row)>& filled, BrickCollection& slide, BrickCollection& fall)
    {
        Cells board;
        for (int i = 0; i < CellCount; ++i) {
            if (!filled(ColumnOf(i), RowOf(i))) continue;
            auto brick = std::make_shared<Brick>();
            brick->Index = i;
            brick->Left = static_cast<float>(CellLeft(i));
            brick->Top = static_cast<float>(CellTop(i));
            brick->Picture = pictures[static_cast<std::size_t>(1 + (ColumnOf(i) + RowOf(i)) % ColourCount)];
            board[static_cast<std::size_t>(i)] = brick;
        }
        painter.Render(board);
        painter.ShowBuffer();
        probe.stageStarts.clear();
        probe.frames.clear();
        probe.costs.clear();
        PlanCollapse(board, slide, fall);
    }

    PictureSlots pictures = BrickPicture::LoadSlots();
    QMainWindow window;
    BoardSurface* surface = new BoardSurface;
    Probe probe;
    BoardPainter painter{probe, surface->devicePixelRatioF()};
    Animator animator{painter, probe};
};

void FrameCosts()
{
    AnimationBench bench(nullptr);
    const auto frames
        = [&bench](const std::function<bool(int, int)>& filled, void (Animator::*animate)(BrickCollection&)) {
              std::vector<double> costs;
              while (costs.size() < 2000) {
                  BrickCollection slide, fall;
                  bench.Prepare(filled, slide, fall);
                  (bench.animator.*animate)(animate == &Animator::AnimateSlide ? slide : fall);
                  costs.insert(costs.end(), bench.probe.costs.begin(), bench.probe.costs.end());
              }
              return MedianAndWorst(costs);
          };
    Row("Frame, slide of 126 bricks", "< 0.5 ms median",
        frames([](int column, int) { return column != 0; }, &Animator::AnimateSlide));
    Row("Frame, fall of 13 x 10 bricks", "< 0.5 ms median",
        frames([](int, int row) { return row < BoardRows - 1; }, &Animator::AnimateFall));
}

void PressLatency()
{
    GameFixture f;
    f.window.show();
    if (!QTest::qWaitForWindowExposed(&f.window)) qFatal("the window was not shown");
    f.StartFrom(QStringList(BoardRows, QStringLiteral("1111111111")));
    QWidget* board = f.window.centralWidget();
    const QPoint off(-8, -8);
    std::vector<double> ms;
    for (int n = 0; n < 200; ++n) {
        const QPoint cell(CellLeft(n % CellCount) + 16, CellTop(n % CellCount) + 16);
        const double start = Now();
        QTest::mousePress(board, Qt::LeftButton, {}, cell);
        ms.push_back(Now() - start);
        // Without this check a broken set-up would time presses that draw nothing.
        if (f.window.Surface().Picture().pixel(cell) != f.window.Pictures()[1 + ColourCount]->Image().pixel(16, 16))
            qFatal("the pressed group is not shown");
        QTest::mouseMove(board, off); // off the group: it turns back, so the release removes nothing
        QTest::mouseRelease(board, Qt::LeftButton, {}, off);
        QCoreApplication::processEvents();
    }
    Row("Press to presented, 140-brick group", "< 1 ms", MedianAndWorst(ms));
}

// A brick falling the whole 13 rows, then the slide stage every move has: 14 stages.
void Pacing()
{
    constexpr int Moves = 3;
    SystemTicks system;
    AnimationBench bench(&system);
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
    Row("Pace of a move, real clock", "0.32 px/ms +-2 %",
        QStringLiteral("%1 to %2 px/ms (%3 moves)").arg(slowest, 0, 'f', 4).arg(fastest, 0, 'f', 4).arg(Moves));
    Row("Stage, start to last frame", "99 to 110 ms each",
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
    FrameCosts();
    PressLatency();
    Pacing();
    return 0;
}
