// The rules without a window: the cell under a pixel, and the deal against a replay of its generator. Whole games,
// their groups, collapses and when they are over, are played in test_play against a model of the rules.
#include "fixture.h"

#include "drawing/pointer_tracker.h"

#include <QTest>

#include <map>

namespace {

// The colours of a deal as its generator gives them: each run reseeds, draws its colour, then its length.
QString Replay(Random& random, std::map<QString, int>& counts)
{
    QString cells;
    while (cells.size() < CellCount) {
        random.Reseed();
        const QChar colour('1' + int(random.Next() * 5));
        const int length = int(random.Next() * 3) + 1;
        ++counts[QString("colour ") + colour], ++counts[QString("length %1").arg(length)];
        cells += QString(length, colour);
    }
    return cells.left(CellCount);
}

// "index left,top xOffset,yOffset slot/slot"
QString Fields(const Brick& b)
{
    return QString::asprintf("%d %g,%g %d,%d %d/%d", b.Index, double(b.Left), double(b.Top), b.XOffset, b.YOffset,
                             SlotOf(b.Picture), SlotOf(b.DownPicture));
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // The cell under a pixel of the board, and none off it. When a game is over is checked in play.
    void cellUnderPixel()
    {
        const std::tuple<int, int, int> pixels[]{{0, 0, 0},    {319, 0, 9}, {0, 32, 10}, {319, 447, 139}, {320, 0, -1},
                                                 {0, 448, -1}, {-1, 5, -1}, {5, -1, -1}, {-32, 5, -1}};
        for (const auto& [x, y, cell] : pixels) QCOMPARE(PointerTracker::GetIndex(x, y), cell);
    }

    // Deals in a row under one clock reading, as within one board in the game: the reseeds must still give fresh
    // runs, each deal a new board, every colour and length; another reading, another deal.
    void dealFollowsTheGenerator()
    {
        const auto fixedClock = [](std::uint64_t reading) { return [reading] { return reading; }; };
        Random random(99, fixedClock(5)), replay(99, fixedClock(5));
        std::map<QString, int> counts;
        GameBoard game;
        QString previous;
        for (int deal = 0; deal < 300; ++deal) {
            game.GenerateBoard(random, Looks());
            const QString dealt = Replay(replay, counts);
            QCOMPARE(game.BricksLeft, CellCount);
            for (int i = 0; i < CellCount; ++i) {
                const int slot = dealt[i].digitValue();
                const QString brick
                    = QString::asprintf("%d %d,%d 0,0 %d/%d", i, CellLeft(i), CellTop(i), slot, slot + 5);
                QVERIFY(Fields(*game.Board[i]) == brick && Fields(*game.StartBoard[i]) == brick
                        && game.StartBoard[i] != game.Board[i]);
            }
            QVERIFY(dealt != previous);
            previous = dealt;
        }
        QCOMPARE(counts.size(), std::size_t(5 + 3));
        Random first(99, fixedClock(5)), other(99, fixedClock(6));
        QVERIFY(Replay(first, counts) != Replay(other, counts));
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
