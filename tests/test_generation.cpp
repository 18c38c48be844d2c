#include "board_text.h"

#include "platform/random.h"

#include <QTest>

#include <map>
#include <tuple>

namespace {

// The colours a board dealt from this generator should hold, cell by cell: every run
// reseeds, then draws its colour and then its length.
QString Replay(Random& random, QList<int>* runs = nullptr)
{
    QString cells;
    while (cells.size() < CellCount) {
        random.Reseed();
        const auto colour = static_cast<char>('a' + static_cast<int>(random.Next() * ColourCount));
        const int length = static_cast<int>(random.Next() * 3) + 1;
        if (runs) *runs << length;
        cells += QString(length, colour);
    }
    return cells.left(CellCount);
}

Random::ClockReading FixedClock(std::uint64_t reading) { return [reading] { return reading; }; }

QString Fields(const Brick* brick)
{
    if (!brick) return QStringLiteral("none");
    return QStringLiteral("%1 at %2,%3 by %4,%5 %6%7")
        .arg(brick->Index).arg(brick->Left).arg(brick->Top).arg(brick->XOffset).arg(brick->YOffset)
        .arg(brick->Picture->letter).arg(brick->DownPicture->letter);
}

// Every kind turns up about equally often.
void CheckEven(const std::map<int, int>& counts, int kinds)
{
    QCOMPARE(static_cast<int>(counts.size()), kinds);
    double total = 0;
    for (const auto& [kind, count] : counts) total += count;
    for (const auto& [kind, count] : counts) {
        QVERIFY2(qAbs(count / total - 1.0 / kinds) < 0.01, qPrintable(QString::number(kind)));
    }
}

} // namespace

class TestGeneration : public QObject {
    Q_OBJECT

private slots:
    // Many boards dealt in succession, each compared with a replay of the generator.
    // The clock never changes, as within one board in the game: the reseeds must still
    // give fresh colours and lengths, and every board a new deal. Yet the reseeds take
    // the clock in: another reading, another deal.
    void boardsFollowTheGenerator()
    {
        Random random(99, FixedClock(5));
        Random replay(99, FixedClock(5));
        std::map<int, int> colours;
        std::map<int, int> lengths;
        GameBoard game;
        QString previous;
        for (int board = 0; board < 1000; ++board) {
            game.GenerateBoard(random, LetterSlots());
            QList<int> runs;
            const QString dealt = Replay(replay, &runs);
            QCOMPARE(game.BricksLeft, CellCount);
            for (int i = 0; i < CellCount; ++i) {
                // At rest in its cell, its pressed look the slot five above its colour's.
                const QString at = QStringLiteral("%1 at %2,%3 by 0,0 ").arg(i).arg(i % 10 * 32).arg(i / 10 * 32);
                const QString brick = at + dealt[i] + dealt[i].toUpper();
                QCOMPARE(Fields(game.Board[i].get()), brick);
                QCOMPARE(Fields(game.StartBoard[i].get()), brick);
                QVERIFY(game.StartBoard[i] != game.Board[i]);
            }
            QVERIFY(dealt != previous);
            previous = dealt;
            for (QChar colour : dealt) ++colours[colour.unicode()];
            for (int length : runs) ++lengths[length];
        }
        CheckEven(colours, ColourCount);
        CheckEven(lengths, 3);
        const auto firstDeal = [](std::uint64_t reading) {
            Random fresh(99, FixedClock(reading));
            return Replay(fresh);
        };
        QVERIFY(firstDeal(5) != firstDeal(6));
    }

    void cloneIsAnIndependentCopy()
    {
        const BrickRef source = MakeBrick('c', 57);
        std::tie(source->Left, source->Top, source->XOffset, source->YOffset) = std::tuple(224.5F, 160.25F, 2, 3);
        const BrickRef clone = source->Clone();
        QVERIFY(clone != source);
        QCOMPARE(Fields(clone.get()), QStringLiteral("57 at 224.5,160.25 by 2,3 cC"));
    }

    void restoreGivesTheDealBack()
    {
        Random random(8, FixedClock(1));
        GameBoard game;
        for (int deal = 0; deal < 2; ++deal) {
            game.GenerateBoard(random, LetterSlots());
            QStringList dealt;
            for (const BrickRef& brick : game.Board) dealt << Fields(brick.get());
            for (int retry = 0; retry < 2; ++retry) {
                for (int i = retry; i < CellCount; i += 3) game.Board[i] = nullptr;
                game.BricksLeft = 93;
                const Cells played = game.Board;
                game.RestoreStartBoard();
                QCOMPARE(game.BricksLeft, CellCount);
                for (int i = 0; i < CellCount; ++i) {
                    QCOMPARE(Fields(game.Board[i].get()), dealt[i]);
                    QVERIFY(game.Board[i] != played[i] && game.Board[i] != game.StartBoard[i]);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestGeneration)
#include "test_generation.moc"
