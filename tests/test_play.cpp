#include "game_fixture.h"

#include "scores/settings.h"

#include <QTimer>
#include <QtTest>

namespace {

QPoint CellCentre(int index)
{
    return {CellLeft(index) + CellSize / 2, CellTop(index) + CellSize / 2};
}

// Rows of four colours, 2 to 5, with no two neighbours alike: no group anywhere.
QStringList Patterned()
{
    QStringList rows;
    for (int r = 0; r < BoardRows; ++r) {
        QString row;
        for (int c = 0; c < BoardColumns; ++c) row += QChar('2' + (c + 2 * r) % 4);
        rows << row;
    }
    return rows;
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GameFixture> f;

    QWidget* Board() { return f->window.centralWidget(); }
    void Press(int index, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(Board(), button, {}, CellCentre(index)); }
    void MoveTo(QPoint position) { QTest::mouseMove(Board(), position); }
    void Release(QPoint position, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(Board(), button, {}, position); }
    void Click(int index)
    {
        Press(index);
        Release(CellCentre(index));
    }

    // Which picture slot the screen shows in a cell: 1 to 10, or 0 for an empty cell.
    int LookAt(int index) const
    {
        const QRgb shown = f->window.Surface().Picture().pixel(CellCentre(index));
        for (int n = 1; n <= 2 * ColourCount; ++n) {
            if (f->window.Pictures()[static_cast<std::size_t>(n)]->Image().pixel(16, 16) == shown) return n;
        }
        return shown == BoardPainter::BackColor.rgb() ? 0 : -1;
    }

    // Normal looks everywhere, except the given cells in their pressed look.
    void VerifyLooks(const std::vector<int>& pressedCells) const
    {
        const std::vector<int> colours = f->Colours();
        for (int i = 0; i < CellCount; ++i) {
            const bool pressed = std::find(pressedCells.begin(), pressedCells.end(), i) != pressedCells.end();
            const int expected = colours[static_cast<std::size_t>(i)] == 0 ? 0 : colours[static_cast<std::size_t>(i)] + (pressed ? ColourCount : 0);
            QCOMPARE(LookAt(i), expected);
        }
    }

    void VerifyAtRest() const
    {
        int bricks = 0;
        for (int i = 0; i < CellCount; ++i) {
            const BrickRef& brick = f->window.Game().Board[static_cast<std::size_t>(i)];
            if (!brick) continue;
            ++bricks;
            QCOMPARE(brick->Index, i);
            QCOMPARE(brick->Left, static_cast<float>(CellLeft(i)));
            QCOMPARE(brick->Top, static_cast<float>(CellTop(i)));
        }
        QCOMPARE(f->window.Game().BricksLeft, bricks);
        QCOMPARE(f->PanelText("Bricks"), QString::number(bricks));
        VerifyLooks({});
    }

    QTimer* Clock() { return f->window.findChild<QTimer*>(); }

private slots:
    void init() { f = std::make_unique<GameFixture>(); }
    void cleanup() { f.reset(); }

    void pressDragAndRelease()
    {
        f->StartFrom({"1.........", "1123344..."});
        const std::vector<int> start = f->Colours();

        Press(130);
        VerifyLooks({120, 130, 131});
        MoveTo(CellCentre(132)); // another colour
        VerifyLooks({});
        MoveTo(CellCentre(0)); // an empty cell
        VerifyLooks({});
        MoveTo(CellCentre(120)); // back on the group, at another of its bricks
        VerifyLooks({120, 130, 131});
        MoveTo(QPoint(-40, 500)); // outside the window
        VerifyLooks({});
        Release(QPoint(-40, 500));
        QCOMPARE(f->Colours(), start);
        VerifyLooks({});

        // Other buttons and empty cells select nothing.
        Press(130, Qt::RightButton);
        VerifyLooks({});
        Release(CellCentre(130), Qt::RightButton);
        Press(5);
        MoveTo(CellCentre(130));
        Release(CellCentre(130));
        QCOMPARE(f->Colours(), start);
        VerifyLooks({});

        Press(131);
        MoveTo(CellCentre(132));
        MoveTo(CellCentre(130));
        Release(CellCentre(130));
        const std::vector<int> after = f->Colours();
        QCOMPARE(std::count_if(after.begin(), after.end(), [](int c) { return c != 0; }), 5L);
        QCOMPARE(after[130], 2); // the rest slid two columns left
        VerifyAtRest();
        QVERIFY(f->dialogs.shown.isEmpty());
    }

    void loneBrickOnlyFlashes()
    {
        f->StartFrom({"1123344..."});
        Press(132);
        VerifyLooks({132});
        Release(CellCentre(132));
        VerifyLooks({});
        QCOMPARE(f->window.Game().BricksLeft, 7);
        QCOMPARE(f->PanelText("Bricks"), QStringLiteral("7"));
    }

    void lostReleaseDoesNotLeaveAGroupPressed()
    {
        f->StartFrom({"1123344..."});
        Press(130); // its release goes to another window
        Press(134);
        VerifyLooks({133, 134});
        Release(CellCentre(134));
        QCOMPARE(f->Colours()[130], 1);
        QCOMPARE(f->window.Game().BricksLeft, 5);
        VerifyAtRest();
    }

    void countChangesOnlyAfterTheAnimation()
    {
        QStringList rows = Patterned();
        rows.last().replace(0, 5, QStringLiteral("11111"));
        f->StartFrom(rows);
        QCOMPARE(f->PanelText("Bricks"), QStringLiteral("140"));
        int framesSeen = 0;
        f->ticks.onSleep = [this, &framesSeen] {
            ++framesSeen;
            QCOMPARE(f->PanelText("Bricks"), QStringLiteral("140"));
        };
        Click(132);
        f->ticks.onSleep = nullptr;
        QVERIFY(framesSeen >= 198); // a fall stage and an empty slide stage
        QCOMPARE(f->PanelText("Bricks"), QStringLiteral("135"));
        for (int column = 0; column < 5; ++column) QVERIFY(!f->window.Game().Board[static_cast<std::size_t>(column)]);
        VerifyAtRest();
    }

    void gameEndingWithTenOrMoreLeftOffersRetryThenNewGame()
    {
        f->StartFrom({"2345......", "3451234511"});
        f->dialogs.Answer({MessageAnswer::Cancel, MessageAnswer::Yes});
        Click(138);
        QCOMPARE(f->dialogs.shown.size(), 2);
        QCOMPARE(f->dialogs.shown[0].prompt, QStringLiteral("You have not cleared all bricks?\r\nWould you like to retry?"));
        QCOMPARE(f->dialogs.shown[0].title, QStringLiteral("Game over!"));
        QCOMPARE(f->dialogs.shown[1].prompt, QStringLiteral("Would you like to play a new game?"));
        QCOMPARE(f->dialogs.shown[1].title, QStringLiteral("Game over!"));
        QVERIFY(f->store.saved.isEmpty());
        QCOMPARE(f->window.Game().BricksLeft, 140);
        QVERIFY(Clock()->isActive());
    }

    void firstRecordAsksForTheNameAndStoresItBeforeTheTime()
    {
        f->StartFrom({"112345234."});
        f->clock.AdvanceSeconds(83);
        f->dialogs.names.enqueue(QStringLiteral("Ada"));
        f->dialogs.Answer({MessageAnswer::Retry});
        Click(130);
        QCOMPARE(f->dialogs.shown.size(), 2);
        QVERIFY(f->dialogs.shown[0].input);
        QCOMPARE(f->dialogs.shown[0].prompt, QStringLiteral("You are the fastest to clear 133.\r\nEnter you're name:"));
        QCOMPARE(f->store.saved, (QStringList{"Bricks(7)/Name", "Bricks(7)/Time"}));
        Settings settings(f->store);
        QCOMPARE(settings.GetBestName(7), QStringLiteral("Ada"));
        QCOMPARE(settings.GetBestTime(7), 83 / SecondsPerDay);

        // Retry brings the starting position back and ends the move: no new-game offer.
        QCOMPARE(f->window.Game().BricksLeft, 9);
        QCOMPARE(f->Colours()[130], 1);
        VerifyAtRest();

        // The same time again is no record: nothing is asked or written.
        f->clock.AdvanceSeconds(83);
        f->dialogs.Answer({MessageAnswer::Cancel, MessageAnswer::No});
        Click(130);
        QCOMPARE(f->dialogs.shown.size(), 4);
        QVERIFY(!f->dialogs.shown[2].input);
        QCOMPARE(f->store.saved.size(), 2);
        // No to a new game stops the clock and leaves the final position.
        QVERIFY(!Clock()->isActive());
        QCOMPARE(f->window.Game().BricksLeft, 7);
        VerifyAtRest();
    }

    void cancelledNameStillKeepsTheRecord()
    {
        Settings(f->store).SaveBestTime(7, 90 / SecondsPerDay);
        f->StartFrom({"112345234."});
        f->clock.AdvanceSeconds(60);
        Click(130);
        QVERIFY(f->dialogs.shown[0].input);
        const Settings settings(f->store);
        QCOMPARE(settings.GetBestName(7), QString());
        QCOMPARE(settings.GetBestTime(7), 60 / SecondsPerDay);
    }

    void clearingTheBoardSkipsTheRetryOffer()
    {
        f->StartFrom({"11........"});
        f->dialogs.Answer({MessageAnswer::Yes});
        Click(130);
        QCOMPARE(f->dialogs.shown.size(), 2);
        QCOMPARE(f->dialogs.shown[0].prompt, QStringLiteral("You are the fastest to clear 140.\r\nEnter you're name:"));
        QCOMPARE(f->dialogs.shown[1].prompt, QStringLiteral("Would you like to play a new game?"));
        QCOMPARE(f->window.Game().BricksLeft, 140);
    }

    void recordThatCannotBeSavedIsReported()
    {
        f->store.refuseWrites = true;
        f->StartFrom({"112345234."});
        f->dialogs.Answer({MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::No});
        Click(130);
        QCOMPARE(f->dialogs.shown.size(), 4);
        QVERIFY(f->dialogs.shown[1].prompt.contains(QStringLiteral("could not be saved")));
        QCOMPARE(f->dialogs.shown[2].title, QStringLiteral("Game over!"));
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
