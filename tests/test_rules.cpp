// The rules without a window: worked examples, whose order matters, and the deal against a replay of
// its generator. Random games against a simple model are played through the window (test_play).
#include "fixture.h"

#include "board/collapse.h"
#include "board/game_over.h"
#include "board/group_search.h"

#include <QTest>

#include <map>

namespace {

// The colours of a deal as this generator gives them: each run reseeds, draws its colour, then its length.
QString Replay(Random& random, std::map<QString, int>& counts)
{
    QString cells;
    while (cells.size() < CellCount) {
        random.Reseed();
        const QChar colour('1' + int(random.Next() * ColourCount));
        const int length = int(random.Next() * 3) + 1;
        ++counts[QStringLiteral("colour %1").arg(colour)], ++counts[QStringLiteral("length %1").arg(length)];
        cells += QString(length, colour);
    }
    return cells.left(CellCount);
}

QString Fields(const BrickRef& b)
{
    return QStringLiteral("%1 %2,%3 %4,%5 %6/%7")
        .arg(b->Index)
        .arg(b->Left)
        .arg(b->Top)
        .arg(b->XOffset)
        .arg(b->YOffset)
        .arg(SlotOf(b->Picture))
        .arg(SlotOf(b->DownPicture));
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // A position of rows from the top, a question and its answer: "group N" lists the group of cell N in
    // its order, or "none"; "collapse C..." takes cells C off, and tells the moves listed to slide and to
    // fall, as "old>new x,y" (old cell, new cell, offsets), and the bottom rows after; "over" asks IsGameOver.
    void workedExamples_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        const QStringList block{"112", "112", "22"}, ring{"1112", "1212", "1112", "222"}, top(11, "");
        QTest::newRow("block from 11") << block << "group 11"
                                       << "11 10 0 1";
        QTest::newRow("block from 0") << block << "group 0"
                                      << "0 1 11 10";
        QTest::newRow("block from 10") << block << "group 10"
                                       << "10 0 1 11";
        QTest::newRow("block from 1") << block << "group 1"
                                      << "1 0 10 11";
        QTest::newRow("ring from 0") << ring << "group 0"
                                     << "0 1 2 12 22 21 20 10";
        QTest::newRow("ring from 21") << ring << "group 21"
                                      << "21 20 10 0 1 2 12 22";
        QTest::newRow("ring from 12") << ring << "group 12"
                                      << "12 2 1 0 10 20 21 22";
        QTest::newRow("inside the ring") << ring << "group 11"
                                         << "11";
        QTest::newRow("bottom line") << top + QStringList{"", "222222", "111112"} << "group 132"
                                     << "132 131 130 133 134";
        QTest::newRow("empty cell") << block << "group 3"
                                    << "none";
        QTest::newRow("hole on top") << top + QStringList{"", "12", "34"} << "collapse 120"
                                     << "slide | fall | /.2/34";
        QTest::newRow("column falls") << top + QStringList{"1", "2", "3"} << "collapse 130"
                                      << "slide | fall 120>130 0,1 110>120 0,1 | /1/2";
        QTest::newRow("columns slide, by column and bottom up")
            << top + QStringList{"", "123", "123"} << "collapse 120 130"
            << "slide 131>130 1,0 121>120 1,0 132>131 1,0 122>121 1,0 | fall | /23/23";
        QTest::newRow("falls and slides") << top + QStringList{"", "122", "133"} << "collapse 121 131 132"
                                          << "slide 122>131 1,1 | fall 122>131 1,1 | /1/12";
        QTest::newRow("two empty columns")
            << top + QStringList{"", "1.2.3", "1.2.34"} << "collapse"
            << "slide 132>131 1,0 122>121 1,0 134>132 2,0 124>122 2,0 135>133 2,0 | fall | /123/1234";
        QTest::newRow("empty last column") << top + QStringList{"", "", "123451234"} << "collapse"
                                           << "slide | fall | //123451234";
        QTest::newRow("empty board is over") << QStringList{} << "over"
                                             << "over";
        QTest::newRow("one brick is over") << top + QStringList{"", "", "1"} << "over"
                                           << "over";
    }

    void workedExamples()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, question);
        Cells board = CellsFromRows(rows);
        QStringList answer;
        const QStringList words = question.split(' ');
        if (words[0] == "group") {
            const auto group = FindGroup(board, board[words[1].toInt()]);
            for (const BrickRef& brick : group.value_or(BrickCollection{})) answer << QString::number(brick->Index);
            if (!group) answer << "none";
        } else if (words[0] == "collapse") {
            for (const QString& cell : words.mid(1)) board[cell.toInt()].reset();
            BrickCollection slide, fall;
            PlanCollapse(board, slide, fall);
            for (const auto& [name, bricks] : {std::pair{"slide", &slide}, std::pair{"fall", &fall}}) {
                answer << name;
                for (const BrickRef& b : *bricks)
                    answer << QStringLiteral("%1>%2 %3,%4")
                                  .arg(int(b->Top) / 32 * 10 + int(b->Left) / 32)
                                  .arg(b->Index)
                                  .arg(b->XOffset)
                                  .arg(b->YOffset);
                answer << "|";
            }
            answer << ToText(board).section('/', 11).remove(QRegularExpression("\\.+(?=/|$)")); // the last three rows
        } else {
            answer << (IsGameOver(board) ? "over" : "not over");
        }
        QTEST(answer.join(' '), "answer");
    }

    // One pair of a third colour on a checkerboard whose rows wrap onto the same colour; with a gap
    // between 100 and 102. And the cell under a pixel of the board.
    void neighboursAndCells()
    {
        const struct {
            int a, b;
            bool over;
        } pairs[] = {{129, 139, false}, {138, 139, false}, {0, 1, false},   {0, 10, false},
                     {9, 10, true},     {0, 11, true},     {100, 102, true}};
        for (const auto& [a, b, over] : pairs) {
            QString cells;
            for (int i = 0; i < CellCount; ++i)
                cells += i == a + 1 && b == a + 2 ? '.' : i == a || i == b ? '3' : "12"[(i / 10 + i) % 2];
            QVERIFY2(IsGameOver(CellsFromRows({cells})) == over, qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
        }
        const struct {
            int x, y, cell;
        } pixels[] = {{0, 0, 0},    {319, 0, 9}, {0, 32, 10}, {319, 447, 139}, {320, 0, -1},
                      {0, 448, -1}, {-1, 5, -1}, {5, -1, -1}, {-32, 5, -1}};
        for (const auto& [x, y, cell] : pixels) QCOMPARE(PointerTracker::GetIndex(x, y), cell);
    }

    // Deals in a row under one clock reading, as within one board in the game: the reseeds must still
    // give fresh runs, each deal a new board, colours and lengths evenly; another reading, another deal.
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
                const QString brick = QStringLiteral("%1 %2,%3 0,0 %4/%5")
                                          .arg(i)
                                          .arg(CellLeft(i))
                                          .arg(CellTop(i))
                                          .arg(dealt[i])
                                          .arg(dealt[i].digitValue() + 5);
                QVERIFY(Fields(game.Board[i]) == brick && Fields(game.StartBoard[i]) == brick
                        && game.StartBoard[i] != game.Board[i]);
            }
            QVERIFY(dealt != previous);
            previous = dealt;
        }
        QCOMPARE(counts.size(), std::size_t(ColourCount + 3));
        const int runs = counts["length 1"] + counts["length 2"] + counts["length 3"];
        for (const auto& [kind, count] : counts)
            QVERIFY2(qAbs(double(count) / runs - (kind.startsWith("colour") ? 1.0 / ColourCount : 1.0 / 3)) < 0.01,
                     qPrintable(kind));
        Random first(99, fixedClock(5)), other(99, fixedClock(6));
        QVERIFY(Replay(first, counts) != Replay(other, counts));

        const BrickRef source = game.Board[57], clone = source->Clone();
        std::tie(source->Left, source->Top, source->XOffset, source->YOffset) = std::tuple(224.5F, 160.25F, 2, 3);
        QVERIFY(clone != source && Fields(source->Clone()) == Fields(source) && Fields(clone) != Fields(source));
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
