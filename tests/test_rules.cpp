#include "board_text.h"

#include "board/collapse.h"
#include "board/game_over.h"
#include "board/group_search.h"

#include <QPointF>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <functional>
#include <random>

namespace {

QList<int> GroupOf(const Cells& board, int seed)
{
    QList<int> indices;
    if (const auto group = FindGroup(board, board[seed])) {
        for (const BrickRef& brick : *group) indices.append(brick->Index);
    }
    return indices;
}

QList<const Brick*> Bricks(const BrickCollection& bricks)
{
    QList<const Brick*> list;
    for (const BrickRef& brick : bricks) list.append(brick.get());
    return list;
}

QList<int> Neighbours(int cell)
{
    QList<int> cells;
    if (ColumnOf(cell) > 0) cells.append(cell - 1);
    if (RowOf(cell) > 0) cells.append(cell - BoardColumns);
    if (ColumnOf(cell) < BoardColumns - 1) cells.append(cell + 1);
    if (RowOf(cell) < BoardRows - 1) cells.append(cell + BoardColumns);
    return cells;
}

bool SameColourAt(const Cells& board, int a, int b)
{
    return board[a] && board[b] && board[a]->Picture == board[b]->Picture;
}

// A plain recursive flood fill to check the search against: the connected set, and the
// order the game shows it in (each brick tries left, up, right, down).
void DepthFirst(const Cells& board, int cell, QList<int>& found)
{
    for (int next : Neighbours(cell)) {
        if (SameColourAt(board, cell, next) && !found.contains(next)) {
            found.append(next);
            DepthFirst(board, next, found);
        }
    }
}

QList<int> ConnectedCells(const Cells& board, int seed)
{
    QList<int> found{seed};
    DepthFirst(board, seed, found);
    return found;
}

bool HasPairAt(const Cells& board, int cell)
{
    const QList<int> next = Neighbours(cell);
    return std::any_of(next.begin(), next.end(), [&](int other) { return SameColourAt(board, cell, other); });
}

bool HasAdjacentPair(const Cells& board)
{
    for (int cell = 0; cell < CellCount; ++cell) {
        if (HasPairAt(board, cell)) return true;
    }
    return false;
}

Cells RandomBoard(std::mt19937& rng, int colours, double holeChance)
{
    std::bernoulli_distribution hole(holeChance);
    Cells board{};
    for (int i = 0; i < CellCount; ++i) {
        const char letter = static_cast<char>('a' + rng() % colours);
        if (!hole(rng)) board[i] = MakeBrick(letter, i);
    }
    return board;
}

Cells FullBoard() { return CellsFromRows(QStringList(BoardRows, "abcdeabcde")); }

Cells Checkerboard()
{
    QStringList rows;
    for (int row = 0; row < BoardRows; ++row) rows.append(row % 2 == 0 ? "ababababab" : "bababababa");
    return CellsFromRows(rows);
}

void EmptyColumn(Cells& board, int column)
{
    for (int i = column; i < CellCount; i += BoardColumns) board[i] = nullptr;
}

struct Collapse {
    Cells before;
    std::array<std::pair<int, int>, CellCount> offsetsBefore{};
    BrickCollection slide;
    BrickCollection fall;
};

Collapse PlanOn(Cells& board)
{
    Collapse plan{board, {}, {}, {}};
    for (const BrickRef& brick : board) {
        if (brick) plan.offsetsBefore[brick->Index] = {brick->XOffset, brick->YOffset};
    }
    PlanCollapse(board, plan.slide, plan.fall);
    return plan;
}

// Builds the closed-up board independently (each column's bricks in their old order at
// the bottom, non-empty columns from the left) and checks the plan against it.
void CheckCollapse(const Collapse& plan, const Cells& board)
{
    Cells expected{};
    std::array<int, CellCount> target{};
    int column = 0;
    for (int old = 0; old < BoardColumns; ++old) {
        QList<int> cells;
        for (int i = old; i < CellCount; i += BoardColumns) {
            if (plan.before[i]) cells.append(i);
        }
        if (cells.empty()) continue;
        int row = BoardRows - static_cast<int>(cells.size());
        for (int i : cells) {
            target[i] = row++ * BoardColumns + column;
            expected[target[i]] = plan.before[i];
        }
        ++column;
    }
    if (board != expected) QFAIL(("Not closed up:" + ToText(board)).constData());

    QList<const Brick*> slide;
    QList<const Brick*> fall;
    for (int old = 0; old < BoardColumns; ++old) {
        for (int i = old + CellCount - BoardColumns; i >= 0; i -= BoardColumns) {
            const Brick* brick = plan.before[i].get();
            if (!brick) continue;
            const int left = ColumnOf(i) - ColumnOf(target[i]);
            const int down = RowOf(target[i]) - RowOf(i);
            QCOMPARE(brick->Index, target[i]);
            QCOMPARE(QPointF(brick->Left, brick->Top), QPointF(CellLeft(i), CellTop(i)));
            QCOMPARE(brick->XOffset, left > 0 ? left : plan.offsetsBefore[i].first);
            QCOMPARE(brick->YOffset, down > 0 ? down : plan.offsetsBefore[i].second);
            if (left > 0) slide.append(brick);
            if (down > 0) fall.append(brick);
        }
    }
    QCOMPARE(Bricks(plan.slide), slide);
    QCOMPARE(Bricks(plan.fall), fall);
}

// Plays random games to the end: each move empties the cells of a random group of two
// or more, as the game does, and plans the collapse; the bricks are then put at rest
// where the animations would leave them.
void PlayRandomGames(unsigned seed, int games, const std::function<void(const Collapse&, const Cells&)>& check)
{
    std::mt19937 rng(seed);
    for (int game = 0; game < games && !QTest::currentTestFailed(); ++game) {
        Cells board = RandomBoard(rng, 2 + game % 4, 0.0);
        while (!QTest::currentTestFailed()) {
            QList<int> movable;
            for (int i = 0; i < CellCount; ++i) {
                if (HasPairAt(board, i)) movable.append(i);
            }
            if (movable.empty()) break;
            const auto group = FindGroup(board, board[movable[rng() % movable.size()]]);
            for (const BrickRef& brick : *group) board[brick->Index] = nullptr;
            const Collapse plan = PlanOn(board);
            check(plan, board);
            if (QTest::currentTestFailed()) qWarning("Board before the collapse:%s", ToText(plan.before).constData());
            for (const BrickRef& brick : board) {
                if (!brick) continue;
                brick->Left = static_cast<float>(CellLeft(brick->Index));
                brick->Top = static_cast<float>(CellTop(brick->Index));
            }
        }
    }
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void groupOrderFollowsTheSeed()
    {
        const Cells block = CellsFromRows({"aab", "aab", "bb"});
        QCOMPARE(GroupOf(block, 11), (QList<int>{11, 10, 0, 1}));
        QCOMPARE(GroupOf(block, 0), (QList<int>{0, 1, 11, 10}));
        QCOMPARE(GroupOf(block, 10), (QList<int>{10, 0, 1, 11}));
        QCOMPARE(GroupOf(block, 1), (QList<int>{1, 0, 10, 11}));

        const Cells ring = CellsFromRows({"aaab", "abab", "aaab", "bbb"});
        QCOMPARE(GroupOf(ring, 0), (QList<int>{0, 1, 2, 12, 22, 21, 20, 10}));
        QCOMPARE(GroupOf(ring, 21), (QList<int>{21, 20, 10, 0, 1, 2, 12, 22}));
        QCOMPARE(GroupOf(ring, 12), (QList<int>{12, 2, 1, 0, 10, 20, 21, 22}));
        QCOMPARE(GroupOf(ring, 11), QList<int>{11});

        const Cells line = CellsFromRows({"bbbbbb", "aaaaab"}, 12);
        QCOMPARE(GroupOf(line, 132), (QList<int>{132, 131, 130, 133, 134}));
    }

    void groupEdgeCases()
    {
        const Cells corners = CellsFromRows({"ab", "ba"});
        QVERIFY(!FindGroup(corners, corners[2]).has_value());
        QCOMPARE(GroupOf(corners, 0), QList<int>{0});
        QCOMPARE(GroupOf(corners, 11), QList<int>{11});

        const Cells oneColour = CellsFromRows(QStringList(BoardRows, "aaaaaaaaaa"));
        for (int seed : {0, 9, 55, 130, 139}) {
            const QList<int> group = GroupOf(oneColour, seed);
            QCOMPARE(group.size(), qsizetype{CellCount});
            QCOMPARE(group.front(), seed);
            QCOMPARE(QSet<int>(group.begin(), group.end()).size(), qsizetype{CellCount});
        }
    }

    void groupIsTheConnectedSet()
    {
        std::mt19937 rng(2024);
        for (int round = 0; round < 120 && !QTest::currentTestFailed(); ++round) {
            const Cells board = RandomBoard(rng, 2 + round % 4, (round % 3) * 0.15);
            for (int seed = 0; seed < CellCount; ++seed) {
                if (board[seed] && GroupOf(board, seed) != ConnectedCells(board, seed)) {
                    qWarning("Seed %d on:%s", seed, ToText(board).constData());
                    QCOMPARE(GroupOf(board, seed), ConnectedCells(board, seed));
                }
            }
        }
    }

    void collapseFallsWithinAColumn()
    {
        Cells board = FullBoard();
        board[135] = nullptr;
        const Collapse plan = PlanOn(board);
        CheckCollapse(plan, board);
        QVERIFY(plan.slide.IsEmpty());
        QCOMPARE(plan.fall.Count(), std::size_t{13});
        for (std::size_t k = 0; k < 13; ++k) {
            const int old = 125 - 10 * static_cast<int>(k);
            QCOMPARE(plan.fall[k].get(), plan.before[old].get());
            QCOMPARE(plan.fall[k]->Index, old + 10);
            QCOMPARE(plan.fall[k]->YOffset, 1);
        }
        QVERIFY(!board[5]);
    }

    void collapseClosesEmptyColumns()
    {
        Cells board = FullBoard();
        EmptyColumn(board, 0);
        Collapse plan = PlanOn(board);
        CheckCollapse(plan, board);
        QVERIFY(plan.fall.IsEmpty());
        QCOMPARE(plan.slide.Count(), std::size_t{126});
        QCOMPARE(plan.slide[0].get(), plan.before[131].get());
        QCOMPARE(plan.slide[1].get(), plan.before[121].get());
        QCOMPARE(plan.slide[14].get(), plan.before[132].get());
        QCOMPARE(plan.slide[125].get(), plan.before[9].get());
        QCOMPARE(ToRows(board), QStringList(BoardRows, "bcdeabcde."));

        board = FullBoard();
        EmptyColumn(board, 1);
        board[132] = nullptr;
        plan = PlanOn(board);
        CheckCollapse(plan, board);
        QCOMPARE(plan.slide[0].get(), plan.before[122].get());
        QCOMPARE(plan.fall[0].get(), plan.before[122].get());
        QCOMPARE(board[131].get(), plan.before[122].get());
        QCOMPARE(board[131]->XOffset, 1);
        QCOMPARE(board[131]->YOffset, 1);

        board = CellsFromRows({"a.b.c.....", "a.b.cd...."}, 12);
        plan = PlanOn(board);
        CheckCollapse(plan, board);
        QCOMPARE(ToRows(board).mid(12), (QStringList{"abc.......", "abcd......"}));
        QCOMPARE(board[131]->XOffset, 1);
        QCOMPARE(board[132]->XOffset, 2);
        QCOMPARE(board[133]->XOffset, 2);
    }

    void collapseWithNothingToClose()
    {
        Cells topBrickGone = FullBoard();
        topBrickGone[3] = nullptr;
        Cells lastColumnGone = FullBoard();
        EmptyColumn(lastColumnGone, 9);
        for (Cells board : {topBrickGone, lastColumnGone, Cells{}}) {
            const Collapse plan = PlanOn(board);
            QVERIFY(plan.slide.IsEmpty() && plan.fall.IsEmpty());
            QVERIFY(board == plan.before);
        }
    }

    void collapseOverWholeGames()
    {
        int moves = 0;
        PlayRandomGames(7, 60, [&moves](const Collapse& plan, const Cells& board) {
            CheckCollapse(plan, board);
            ++moves;
        });
        QVERIFY(moves > 1000);
    }

    void gameOverNeedsAnAdjacentPair()
    {
        QVERIFY(IsGameOver(Cells{}));
        QVERIFY(IsGameOver(Checkerboard()));
        QVERIFY(IsGameOver(CellsFromRows({"a"}, 13)));

        struct Case {
            int a;
            int b;
            bool over;
        };
        for (const auto& [a, b, over] : {Case{129, 139, false}, Case{138, 139, false}, Case{0, 1, false},
                                        Case{0, 10, false}, Case{9, 10, true}, Case{0, 11, true},
                                        Case{100, 102, true}}) {
            Cells board = Checkerboard();
            board[a] = MakeBrick('c', a);
            board[b] = MakeBrick('c', b);
            if (b == a + 2) board[a + 1] = nullptr;
            QVERIFY2(IsGameOver(board) == over, ToText(board).constData());
        }
    }

    void gameOverMatchesPairSearch()
    {
        PlayRandomGames(11, 40, [](const Collapse&, const Cells& board) {
            QVERIFY2(IsGameOver(board) == !HasAdjacentPair(board), ToText(board).constData());
        });

        // Boards without a pair (rows may still wrap onto a same colour), then one pair
        // made in a random place.
        std::mt19937 rng(5);
        for (int round = 0; round < 500; ++round) {
            Cells board{};
            for (int i = 0; i < CellCount; ++i) {
                do {
                    board[i] = MakeBrick(static_cast<char>('a' + rng() % 3), i);
                } while (HasPairAt(board, i));
                if (rng() % 100 < static_cast<unsigned>(round % 50)) board[i] = nullptr;
            }
            QVERIFY2(IsGameOver(board), ToText(board).constData());
            const int cell = static_cast<int>(rng() % CellCount);
            const QList<int> next = Neighbours(cell);
            const int other = next[rng() % next.size()];
            board[cell] = MakeBrick('d', cell);
            board[other] = MakeBrick('d', other);
            QVERIFY2(!IsGameOver(board), ToText(board).constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
