// The rules without a window: the cell under a pixel, and the deal's runs of colour. Whole games,
// their groups, collapses and when they are over, are played in test_play against a model of the rules.
#include "fixture.h"

#include "drawing/pointer_tracker.h"

#include <QTest>

#include <map>

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
    // runs. Every colour comes a fifth of the time, and a cell starts a run every other cell (runs of one to three,
    // on across the rows' ends), of another colour four times in five: neighbours in reading order differ 40 % of
    // the time. Another clock reading, another deal.
    void dealsAreFreshRuns()
    {
        const auto deal = [](Random& random) {
            GameBoard game;
            game.GenerateBoard(random, Looks());
            QString colours;
            for (const BrickRef& brick : game.Board) colours += QChar('0' + SlotOf(brick->Picture));
            return colours;
        };
        constexpr int Deals = 300;
        Random random(99, [] { return std::uint64_t{5}; }), other(99, [] { return std::uint64_t{6}; });
        QString previous = deal(other), dealt;
        std::map<QChar, int> colours;
        int changes = 0;
        for (int n = 0; n < Deals; ++n, previous = dealt) {
            dealt = deal(random);
            QVERIFY(dealt != previous);
            for (int i = 0; i < CellCount; ++i) ++colours[dealt[i]], changes += i > 0 && dealt[i] != dealt[i - 1];
        }
        const double changed = changes / double(Deals * (CellCount - 1));
        QVERIFY2(qAbs(changed - 0.4) < 0.015, qPrintable(QString::number(changed)));
        for (const auto& [colour, count] : colours)
            QVERIFY(colour >= '1' && colour <= '5' && qAbs(count / double(Deals * CellCount) - 0.2) < 0.01);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
