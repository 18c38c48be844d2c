#include "board_text.h"

#include "board/collapse.h"
#include "platform/random.h"

#include <QPointF>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>

namespace {

struct Deal {
    QStringList rows;
    QList<int> runs;
};

// What a board dealt from this generator should hold: every run reseeds, then draws
// its colour and then its length.
Deal Replay(Random& random)
{
    QString cells;
    Deal deal;
    while (cells.size() < CellCount) {
        random.Reseed();
        const char colour = static_cast<char>('a' + static_cast<int>(random.Next() * ColourCount));
        const int length = static_cast<int>(random.Next() * 3) + 1;
        deal.runs.append(length);
        cells += QString(std::min<qsizetype>(length, CellCount - cells.size()), QChar(colour));
    }
    for (int row = 0; row < BoardRows; ++row) deal.rows.append(cells.mid(row * BoardColumns, BoardColumns));
    return deal;
}

Random::ClockReading FixedClock(std::uint64_t reading)
{
    return [reading] { return reading; };
}

void CompareFields(const Brick& actual, const Brick& expected)
{
    QCOMPARE(actual.Index, expected.Index);
    QCOMPARE(actual.Picture.get(), expected.Picture.get());
    QCOMPARE(actual.DownPicture.get(), expected.DownPicture.get());
    QCOMPARE(actual.Left, expected.Left);
    QCOMPARE(actual.Top, expected.Top);
    QCOMPARE(actual.XOffset, expected.XOffset);
    QCOMPARE(actual.YOffset, expected.YOffset);
}

void CheckAtRest(const Brick& brick, int cell)
{
    QCOMPARE(brick.Index, cell);
    QCOMPARE(QPointF(brick.Left, brick.Top), QPointF(CellLeft(cell), CellTop(cell)));
}

// Removes a column, a bottom brick and a brick in the middle, collapses, and puts the
// moved bricks at rest as the animations would.
void PlaySomeMoves(GameBoard& game)
{
    for (int i = 0; i < CellCount; i += BoardColumns) game.Board[i] = nullptr;
    game.Board[135] = nullptr;
    game.Board[47] = nullptr;
    game.BricksLeft -= BoardRows + 2;
    BrickCollection slide;
    BrickCollection fall;
    PlanCollapse(game.Board, slide, fall);
    for (const BrickRef& brick : game.Board) {
        if (!brick) continue;
        brick->Left = static_cast<float>(CellLeft(brick->Index));
        brick->Top = static_cast<float>(CellTop(brick->Index));
    }
    QVERIFY(!slide.IsEmpty() && !fall.IsEmpty());
}

} // namespace

class TestGeneration : public QObject {
    Q_OBJECT

private slots:
    void generatedBoardIsAtRest()
    {
        Random random(1, FixedClock(42));
        const PictureSlots images = LetterSlots();
        GameBoard game;
        game.GenerateBoard(random, images);
        QCOMPARE(game.BricksLeft, CellCount);
        for (int i = 0; i < CellCount && !QTest::currentTestFailed(); ++i) {
            const BrickRef& brick = game.Board[i];
            const BrickRef& start = game.StartBoard[i];
            QVERIFY(brick && start && brick != start);
            CheckAtRest(*brick, i);
            CompareFields(*start, *brick);
            const auto colour = std::find(images.begin() + 1, images.begin() + 1 + ColourCount, brick->Picture);
            QVERIFY(colour != images.begin() + 1 + ColourCount);
            QCOMPARE(brick->DownPicture.get(), (colour + ColourCount)->get());
        }
        QCOMPARE(QPointF(game.Board[0]->Left, game.Board[0]->Top), QPointF(0, 0));
        QCOMPARE(QPointF(game.Board[9]->Left, game.Board[9]->Top), QPointF(288, 0));
        QCOMPARE(QPointF(game.Board[10]->Left, game.Board[10]->Top), QPointF(0, 32));
        QCOMPARE(QPointF(game.Board[139]->Left, game.Board[139]->Top), QPointF(288, 416));
    }

    void runsFollowTheGenerator()
    {
        int runsOverRowEnds = 0;
        for (std::uint64_t state = 1; state <= 20; ++state) {
            // A clock that ticks on every reading, so a reseed in the wrong place shows.
            std::uint64_t readings = 0;
            Random random(state, [&readings] { return ++readings; });
            std::uint64_t replayReadings = 0;
            Random replay(state, [&replayReadings] { return ++replayReadings; });
            GameBoard game;
            game.GenerateBoard(random, LetterSlots());
            const Deal expected = Replay(replay);
            QCOMPARE(ToRows(game.Board), expected.rows);
            QCOMPARE(readings, std::uint64_t(expected.runs.size()));

            int start = 0;
            for (int length : expected.runs) {
                if (ColumnOf(start) + length > BoardColumns && start + length <= CellCount) ++runsOverRowEnds;
                start += length;
            }
        }
        QVERIFY(runsOverRowEnds > 10);
    }

    void coloursAndRunLengthsAreEven()
    {
        // The clock never changes, as within one board in the game: the reseeds must
        // still give fresh colours and lengths.
        Random random(99, FixedClock(5));
        Random replay(99, FixedClock(5));
        const PictureSlots images = LetterSlots();
        std::map<char, int> colours;
        std::map<int, int> lengths;
        GameBoard game;
        for (int board = 0; board < 2000; ++board) {
            game.GenerateBoard(random, images);
            const Deal expected = Replay(replay);
            if (ToRows(game.Board) != expected.rows) QFAIL(qPrintable("Board " + QString::number(board) + " differs"));
            for (const BrickRef& brick : game.Board) ++colours[brick->Picture->letter];
            for (int length : expected.runs) ++lengths[length];
        }
        QCOMPARE(colours.size(), std::size_t{ColourCount});
        for (const auto& [letter, count] : colours) {
            QVERIFY2(qAbs(count / (2000.0 * CellCount) - 0.2) < 0.01, qPrintable(QString("%1: %2").arg(letter).arg(count)));
        }
        const double runs = lengths[1] + lengths[2] + lengths[3];
        QCOMPARE(lengths.size(), std::size_t{3});
        for (const auto& [length, count] : lengths) {
            QVERIFY2(qAbs(count / runs - 1.0 / 3) < 0.01, qPrintable(QString("%1: %2").arg(length).arg(count)));
        }
    }

    void successiveBoardsDiffer()
    {
        Random random(3, FixedClock(77));
        GameBoard game;
        game.GenerateBoard(random, LetterSlots());
        const QStringList first = ToRows(game.Board);
        game.GenerateBoard(random, LetterSlots());
        QVERIFY(ToRows(game.Board) != first);
    }

    void cloneIsAnIndependentCopy()
    {
        Brick source;
        source.Index = 57;
        source.Picture = PictureOf('c');
        source.DownPicture = PictureOf('C');
        source.Left = 224.5F;
        source.Top = 160.25F;
        source.XOffset = 2;
        source.YOffset = 3;

        const BrickRef clone = source.Clone();
        QVERIFY(clone.get() != &source);
        CompareFields(*clone, source);

        clone->Index = 1;
        clone->Left = 32;
        clone->Top = 0;
        clone->XOffset = 0;
        clone->YOffset = 7;
        QCOMPARE(source.Index, 57);
        QCOMPARE(source.Left, 224.5F);
        QCOMPARE(source.Top, 160.25F);
        QCOMPARE(source.XOffset, 2);
        QCOMPARE(source.YOffset, 3);
        QVERIFY(clone->SameColour(source) && source.SameColour(*clone));
    }

    void restoreGivesBackTheStartingBoard()
    {
        Random random(8, FixedClock(1));
        GameBoard game;
        game.GenerateBoard(random, LetterSlots());
        const QStringList dealt = ToRows(game.Board);
        const Cells start = game.StartBoard;

        for (int retry = 0; retry < 2; ++retry) {
            PlaySomeMoves(game);
            QVERIFY(ToRows(game.Board) != dealt);
            const Cells played = game.Board;
            game.RestoreStartBoard();
            QCOMPARE(ToRows(game.Board), dealt);
            QCOMPARE(game.BricksLeft, CellCount);
            QVERIFY(game.StartBoard == start);
            for (int i = 0; i < CellCount && !QTest::currentTestFailed(); ++i) {
                const BrickRef& brick = game.Board[i];
                QVERIFY(brick != start[i] && std::find(played.begin(), played.end(), brick) == played.end());
                CompareFields(*brick, *start[i]);
                CheckAtRest(*brick, i);
            }
        }

        game.GenerateBoard(random, LetterSlots());
        const QStringList next = ToRows(game.Board);
        QVERIFY(next != dealt);
        PlaySomeMoves(game);
        game.RestoreStartBoard();
        QCOMPARE(ToRows(game.Board), next);
    }

    void randomIsRepeatableAndFoldsTheClock()
    {
        const auto draws = [](std::uint64_t state, std::uint64_t reading) {
            Random random(state, FixedClock(reading));
            QList<double> values;
            for (int k = 0; k < 300; ++k) {
                if (k % 3 == 0) random.Reseed();
                values.append(random.Next());
            }
            return values;
        };
        const QList<double> values = draws(7, 5);
        QCOMPARE(draws(7, 5), values);
        QVERIFY(draws(8, 5) != values); // the state survives a reseed
        QVERIFY(draws(7, 6) != values); // and the clock reading goes into it
        QCOMPARE(std::set<double>(values.begin(), values.end()).size(), std::size_t(values.size()));
        QVERIFY(std::all_of(values.begin(), values.end(), [](double v) { return v >= 0 && v < 1; }));
    }
};

QTEST_GUILESS_MAIN(TestGeneration)
#include "test_generation.moc"
