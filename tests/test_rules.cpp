#include "board_text.h"

#include "board/collapse.h"
#include "board/game_over.h"
#include "board/group_search.h"

#include <QSet>
#include <QTest>

#include <random>

namespace {

QList<int> GroupOf(const Cells& board, int seed)
{
    QList<int> cells;
    for (const BrickRef& brick : FindGroup(board, board[seed]).value_or(BrickCollection{})) cells << brick->Index;
    return cells;
}

// In the order a group is searched: left, up, right, down.
QList<int> Neighbours(int cell)
{
    QList<int> cells;
    if (cell % BoardColumns > 0) cells << cell - 1;
    if (cell >= BoardColumns) cells << cell - BoardColumns;
    if (cell % BoardColumns < BoardColumns - 1) cells << cell + 1;
    if (cell < CellCount - BoardColumns) cells << cell + BoardColumns;
    return cells;
}

// A plain recursive flood fill from a brick, which also visits in the order the game
// shows a group in.
QList<int> ConnectedCells(const Cells& board, int cell, QList<int> found = {})
{
    if (found.isEmpty()) found << cell;
    for (int next : Neighbours(cell)) {
        if (board[next] && board[next]->Picture == board[cell]->Picture && !found.contains(next)) {
            found = ConnectedCells(board, next, found << next);
        }
    }
    return found;
}

Cells FullBoard() { return CellsFromRows(QStringList(BoardRows, "abcdeabcde")); }

// A move as "old>new x,y": the old cell, the new one and the offsets.
QString Move(int old, int target, int x, int y)
{
    return QStringLiteral("%1>%2 %3,%4").arg(old).arg(target).arg(x).arg(y);
}

// The old cell of a brick is the one it is still drawn at.
QStringList Listed(const BrickCollection& bricks)
{
    QStringList moves;
    for (const BrickRef& brick : bricks) {
        const auto old = static_cast<int>(brick->Top / CellSize * BoardColumns + brick->Left / CellSize);
        moves << Move(old, brick->Index, brick->XOffset, brick->YOffset);
    }
    return moves;
}

// The moves of the bricks from cell first up to the top of its column, each shift cells on.
QStringList Upward(int first, int shift, int x, int y)
{
    QStringList moves;
    for (int old = first; old >= 0; old -= BoardColumns) moves << Move(old, old + shift, x, y);
    return moves;
}

// The board closed up independently: each column's bricks keep their order at the bottom,
// and the columns that hold any close up from the left. Moves listed by old column, bottom up.
Cells ClosedUp(const Cells& before, QStringList* slide = nullptr, QStringList* fall = nullptr)
{
    Cells closed{};
    int column = 0;
    for (int old = 0; old < BoardColumns; ++old) {
        int row = BoardRows;
        for (int i = old + CellCount - BoardColumns; i >= 0; i -= BoardColumns) {
            if (!before[i]) continue;
            const int target = --row * BoardColumns + column;
            closed[target] = before[i];
            const int down = row - i / BoardColumns;
            if (slide && old > column) *slide << Move(i, target, old - column, down);
            if (fall && down > 0) *fall << Move(i, target, old - column, down);
        }
        if (row < BoardRows) ++column;
    }
    return closed;
}

// Plans the collapse of the board in place; the closed-up board must be the model's.
void CheckCollapse(Cells& board, const QStringList& slide, const QStringList& fall)
{
    const Cells before = board;
    BrickCollection slid;
    BrickCollection fell;
    PlanCollapse(board, slid, fell);
    QCOMPARE(Listed(slid), slide);
    QCOMPARE(Listed(fell), fall);
    QCOMPARE(ToText(board), ToText(ClosedUp(before)));
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void groupSearch()
    {
        const Cells block = CellsFromRows({"aab", "aab", "bb"});
        const Cells ring = CellsFromRows({"aaab", "abab", "aaab", "bbb"});
        const Cells line = CellsFromRows({"bbbbbb", "aaaaab"}, 12);
        const struct { const Cells& board; int seed; QList<int> group; } cases[] = {
            {block, 11, {11, 10, 0, 1}}, {block, 0, {0, 1, 11, 10}},
            {block, 10, {10, 0, 1, 11}}, {block, 1, {1, 0, 10, 11}},
            {ring, 0, {0, 1, 2, 12, 22, 21, 20, 10}},
            {ring, 21, {21, 20, 10, 0, 1, 2, 12, 22}},
            {ring, 12, {12, 2, 1, 0, 10, 20, 21, 22}},
            {ring, 11, {11}},
            {line, 132, {132, 131, 130, 133, 134}},
        };
        for (const auto& [board, seed, group] : cases) QCOMPARE(GroupOf(board, seed), group);
        QVERIFY(!FindGroup(line, line[3]));

        // A whole board of one colour: all 140 cells, each once and the seed first.
        const Cells oneColour = CellsFromRows(QStringList(BoardRows, "aaaaaaaaaa"));
        for (int seed : {0, 55, 139}) {
            const QList<int> group = GroupOf(oneColour, seed);
            QCOMPARE(group.front(), seed);
            QCOMPARE(group.size(), qsizetype{CellCount});
            QCOMPARE(QSet<int>(group.begin(), group.end()).size(), qsizetype{CellCount});
        }
    }

    void collapseExamples()
    {
        // A hole at the top of a column: nothing moves.
        Cells board = FullBoard();
        board[3] = nullptr;
        CheckCollapse(board, {}, {});

        // The bottom brick of column 5 gone: the thirteen above fall one row, bottom up.
        board = FullBoard();
        board[135] = nullptr;
        CheckCollapse(board, {}, Upward(125, 10, 0, 1));

        // Column 0 emptied: all other bricks slide one column, by column and bottom up.
        QStringList slide;
        board = FullBoard();
        for (int i = 0; i < CellCount; i += BoardColumns) board[i] = nullptr;
        for (int column = 1; column < BoardColumns; ++column) slide += Upward(130 + column, -1, 1, 0);
        CheckCollapse(board, slide, {});

        // Column 1 emptied and 132 gone: column 2 slides and falls, 122 to 131 first.
        slide = Upward(122, 9, 1, 1);
        board = FullBoard();
        for (int i = 1; i < CellCount; i += BoardColumns) board[i] = nullptr;
        board[132] = nullptr;
        for (int column = 3; column < BoardColumns; ++column) slide += Upward(130 + column, -1, 1, 0);
        CheckCollapse(board, slide, Upward(122, 9, 1, 1));

        // Two empty columns: the bricks beyond both slide two.
        board = CellsFromRows({"a.b.c.....", "a.b.cd...."}, 12);
        CheckCollapse(board, {"132>131 1,0", "122>121 1,0", "134>132 2,0", "124>122 2,0", "135>133 2,0"}, {});

        // An empty last column, and an empty board: nothing moves.
        board = FullBoard();
        for (int i = 9; i < CellCount; i += BoardColumns) board[i] = nullptr;
        CheckCollapse(board, {}, {});
        board = Cells{};
        CheckCollapse(board, {}, {});
    }

    // Random games played to the end, each move removing a random group of two or more,
    // checking the search, the collapse and the end test against simple models.
    void wholeGames()
    {
        std::mt19937 rng(7);
        int moves = 0;
        for (int game = 0; game < 60; ++game) {
            Cells board{};
            for (int i = 0; i < CellCount; ++i) board[i] = MakeBrick("abcde"[rng() % (2 + game % 4)], i);
            for (;;) {
                QList<int> movable;
                for (int i = 0; i < CellCount; ++i) {
                    if (board[i] && ConnectedCells(board, i).size() > 1) movable << i;
                }
                QVERIFY2(IsGameOver(board) == movable.isEmpty(), qPrintable(ToText(board)));
                if (movable.isEmpty()) break;
                const int seed = movable[rng() % movable.size()];
                const QList<int> group = ConnectedCells(board, seed);
                QVERIFY2(GroupOf(board, seed) == group, qPrintable(QString::number(seed) + ToText(board)));
                for (int cell : group) board[cell] = nullptr;
                QStringList slide;
                QStringList fall;
                ClosedUp(board, &slide, &fall);
                CheckCollapse(board, slide, fall);
                if (QTest::currentTestFailed()) return;
                // At rest where the animations leave them; the model takes earlier offsets as 0.
                for (BrickRef& brick : board) {
                    if (brick) brick = MakeBrick(brick->Picture->letter, brick->Index);
                }
                ++moves;
            }
        }
        QVERIFY(moves > 1000);
    }

    void gameOverNeedsAnAdjacentPair()
    {
        QVERIFY(IsGameOver(Cells{}));
        QVERIFY(IsGameOver(CellsFromRows({"a"}, 13)));
        // One pair of a third colour on a checkerboard (whose rows wrap onto the same colour);
        // 101 is left empty for 100 and 102.
        const struct { int a; int b; bool over; } cases[] = {
            {129, 139, false}, {138, 139, false}, {0, 1, false}, {0, 10, false},
            {9, 10, true}, {0, 11, true}, {100, 102, true}};
        for (const auto& [a, b, over] : cases) {
            Cells board{};
            for (int i = 0; i < CellCount; ++i) board[i] = MakeBrick(i == a || i == b ? 'c' : "ab"[(i / 10 + i) % 2], i);
            if (b == a + 2) board[a + 1] = nullptr;
            QVERIFY2(IsGameOver(board) == over, qPrintable(ToText(board)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
