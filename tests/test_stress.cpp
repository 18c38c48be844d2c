// Random play through the real mouse handlers, checking after every event that the model,
// the status bar and the picture on screen agree; and play on damaged or unwritable records.
// STRESS_GAMES sets how many random games are played (default 200, 50 with the sanitizers).
#include "game_fixture.h"

#include "scores/settings.h"

#include <QDialog>
#include <QDir>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <cstring>

namespace {

const QStringList Names{QString(), QStringLiteral("x\n[Bricks(4)]\nTime=00:00:01\nName=Intruder"), QStringLiteral("=;,\"'\\@%/"),
                        QStringLiteral("@Variant(\\0\\0\\0\\x7f)"), QString(5000, QLatin1Char('W')),
                        QStringLiteral("\U0001F600 Åsa 山田 محمد <b>&amp;") + QChar(0) + QStringLiteral("\t\x7f")};
const std::array Answers{MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Retry, MessageAnswer::Yes, MessageAnswer::No};
const std::array MenuItems{"mnuFileNewGame", "mnuFileRetry", "mnuViewStatusbar"};

bool Holds(const std::vector<int>& cells, int cell)
{
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// One game of random gestures with any button, anywhere, and random answers to its dialogues.
// After every event: each brick at rest on its cell, columns packed down and to the left,
// the count right in the model and on the status bar, every cell on screen showing its
// brick's look, pressed exactly for the group the left button holds, or the board colour;
// and the board changed only by a release of a group of two or more shown pressed.
struct RandomPlay {
    RandomPlay(GameFixture& f, quint32 seed) : f(f), random(seed)
    {
        // Late frames of every size, yet no real time spent.
        f.ticks.onSleep = [this] { this->f.ticks.now += random.bounded(48U); };
        emptyCell.fill(BoardPainter::BackColor);
    }
    ~RandomPlay() { f.ticks.onSleep = nullptr; }

    // Gestures until the game has ended and three more; false on a fault.
    bool Play(int budget)
    {
        for (int after = 3; after > 0 && budget-- > 0 && !QTest::currentTestFailed(); after -= ended) Gesture();
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (down & button) Send(QTest::MouseRelease, button, {1, 1});
        return !QTest::currentTestFailed();
    }

    void Gesture()
    {
        const quint32 pick = random.bounded(8U);
        const Qt::MouseButton button = pick < 6 ? Qt::LeftButton : pick == 6 ? Qt::RightButton : Qt::MiddleButton;
        const QPoint start = RandomPoint();
        Send(random.bounded(10U) == 0 ? QTest::MouseDClick : QTest::MousePress, button, start);
        for (quint32 moves = random.bounded(4U); moves > 0; --moves) Send(QTest::MouseMove, button, RandomPoint());
        if (random.bounded(3U) == 0) Send(QTest::MouseMove, button, start);
        const quint32 end = random.bounded(200U);
        if (end < 2) Send(QTest::MouseMove, button, {}, MenuItems[random.bounded(3U)]); // from the keyboard, mid-press
        if (end < 2 || end >= 12) Send(QTest::MouseRelease, button, random.bounded(4U) == 0 ? RandomPoint() : start); // else lost
        f.clock.AdvanceSeconds(random.bounded(3U));
    }

    // Mostly on a group that can go, or a game with few bricks left would hardly end.
    QPoint RandomPoint()
    {
        static constexpr int Xs[] = {-1, 0, BoardWidth - 1, BoardWidth}, Ys[] = {-1, 0, BoardHeight - 1, BoardHeight};
        const quint32 kind = random.bounded(10U);
        if (kind == 0) return {random.bounded(-3000, 3000), random.bounded(-3000, 3000)}; // far off the window
        // QTest takes (0, 0) for the middle of the widget.
        const QPoint edge(Xs[random.bounded(4U)], Ys[random.bounded(4U)]);
        if (kind == 1) return edge.isNull() ? QPoint(0, 1) : edge;
        if (kind < 5) return {random.bounded(BoardWidth), 1 + random.bounded(BoardHeight - 1)};
        std::vector<int> removable{0};
        for (int i = 0; i < CellCount; ++i)
            if (GroupAt(i).size() >= 2) removable.push_back(i);
        const int cell = removable[random.bounded(quint32(removable.size()))];
        return {CellLeft(cell) + random.bounded(CellSize), CellTop(cell) + 1 + random.bounded(CellSize - 1)};
    }

    // One mouse event, or one menu item, then the checks.
    void Send(QTest::MouseAction action, Qt::MouseButton button, QPoint p, const char* menuItem = nullptr)
    {
        if (QTest::currentTestFailed()) return;
        f.dialogs.answers.clear();
        for (int k = 0; k < 3; ++k) f.dialogs.answers.enqueue(Answers[random.bounded(quint32(Answers.size()))]);
        const QString name = Names[int(random.bounded(quint32(Names.size())))];
        f.dialogs.names.clear();
        f.dialogs.names.enqueue(name);
        const qsizetype shownBefore = f.dialogs.shown.size();
        const std::vector<int> before = f.Colours();
        const int leftBefore = f.window.Game().BricksLeft;
        const bool left = button == Qt::LeftButton, removes = action == QTest::MouseRelease && left && pressed && held.size() >= 2;
        const int cell = p.x() >= 0 && p.x() < BoardWidth && p.y() >= 0 && p.y() < BoardHeight ? p.y() / CellSize * BoardColumns + p.x() / CellSize : -1;
        ++events;
        bool dealt = menuItem != nullptr && std::strcmp(menuItem, "mnuViewStatusbar") != 0;
        if (menuItem != nullptr) {
            f.Choose(menuItem);
        } else if (action == QTest::MouseMove) {
            QTest::mouseMove(f.window.centralWidget(), p);
            if ((down & Qt::LeftButton) && !held.empty()) pressed = Holds(held, cell);
        } else {
            QTest::mouseEvent(action, f.window.centralWidget(), button, {}, p);
            down.setFlag(button, action != QTest::MouseRelease);
            if (left && action != QTest::MouseRelease) held = GroupAt(cell);
            if (left) pressed = action != QTest::MouseRelease && !held.empty();
        }
        for (qsizetype k = shownBefore; k < f.dialogs.shown.size(); ++k) {
            const ScriptedDialogs::Shown& shown = f.dialogs.shown[k];
            if (shown.title == QStringLiteral("Game over!")) dealt = ended = true;
            const int bricksLeft = CellCount - shown.prompt.section(QLatin1Char('.'), 0, 0).section(QLatin1Char(' '), -1).toInt();
            if (shown.input && recordsKept) QCOMPARE(Settings(f.store).GetBestName(bricksLeft), name);
        }
        removals += removes;
        if (!dealt && removes) QCOMPARE(f.window.Game().BricksLeft, leftBefore - int(held.size()));
        if (!dealt && !removes) QVERIFY(f.Colours() == before);
        if (dealt || (action == QTest::MouseRelease && left)) held.clear(), pressed = false;
        Verify();
        if (QTest::currentTestFailed()) qWarning("after event %d", events);
    }

    // The cell's brick and every brick of its colour joined to it.
    std::vector<int> GroupAt(int cell) const
    {
        const Cells& board = f.window.Game().Board;
        if (cell < 0 || !board[std::size_t(cell)]) return {};
        std::vector<int> group{cell};
        for (std::size_t k = 0; k < group.size(); ++k) {
            for (const int j : {group[k] - 1, group[k] + 1, group[k] - BoardColumns, group[k] + BoardColumns}) {
                const bool next = j >= 0 && j < CellCount && (RowOf(j) == RowOf(group[k]) || ColumnOf(j) == ColumnOf(group[k]));
                if (next && board[std::size_t(j)] && board[std::size_t(j)]->SameColour(*board[std::size_t(cell)]) && !Holds(group, j))
                    group.push_back(j);
            }
        }
        return group;
    }

    void Verify()
    {
        const Cells& board = f.window.Game().Board;
        const QImage& screen = f.window.Surface().Picture();
        QCOMPARE(screen.size(), QSize(BoardWidth, BoardHeight));
        QCOMPARE(screen.format(), QImage::Format_RGB32);
        int bricks = 0;
        for (int i = 0; i < CellCount; ++i) {
            const BrickRef& brick = board[std::size_t(i)];
            if (brick) {
                ++bricks;
                QCOMPARE(brick->Index, i);
                QVERIFY(brick->Left == float(CellLeft(i)) && brick->Top == float(CellTop(i)));
                const int colour = f.ColourOf(brick->Picture);
                QVERIFY(colour >= 1 && colour <= ColourCount && f.ColourOf(brick->DownPicture) == colour + ColourCount);
                QVERIFY2(i + BoardColumns >= CellCount || board[std::size_t(i + BoardColumns)], "a gap below a brick");
            } else {
                QVERIFY2(i < CellCount - BoardColumns || ColumnOf(i) == BoardColumns - 1 || !board[std::size_t(i + 1)], "an empty column");
            }
            const bool down = pressed && Holds(held, i);
            QVERIFY(!down || brick);
            const QImage& look = !brick ? emptyCell : (down ? brick->DownPicture : brick->Picture)->Image();
            bool same = true;
            for (int y = 0; y < CellSize; ++y)
                same = same && std::memcmp(screen.constScanLine(CellTop(i) + y) + CellLeft(i) * 4, look.constScanLine(y), CellSize * 4) == 0;
            if (!same) QFAIL(qPrintable(QStringLiteral("cell %1 shows the wrong look").arg(i)));
        }
        QCOMPARE(f.window.Game().BricksLeft, bricks);
        QCOMPARE(f.PanelText(QStringLiteral("Bricks")), QString::number(bricks));
    }

    GameFixture& f;
    QRandomGenerator random;
    QImage emptyCell{CellSize, CellSize, QImage::Format_RGB32};
    Qt::MouseButtons down;
    std::vector<int> held; // the group the left button went down on, while it is held
    bool pressed = false;  // whether that group should be shown pressed
    bool ended = false;
    bool recordsKept = true;
    int events = 0;
    int removals = 0;
};

void Deal(GameFixture& f, quint32 seed)
{
    f.random = Random(seed, [seed] { return std::uint64_t{seed} * 7919U; });
    f.Choose("mnuFileNewGame");
}

// The high-score window's rows as "N|time|name", read while the menu holds it open.
QStringList HighScoreRows(GameFixture& f)
{
    QStringList rows;
    QTimer::singleShot(0, &f.window, [&] {
        auto* dialog = f.window.findChild<QDialog*>();
        for (int N = 0; N < 10; ++N) {
            QStringList row;
            for (const char* label : {"lblKvar%1", "lblTid%1", "lblNamn%1"})
                row << dialog->findChild<QLabel*>(QString::fromLatin1(label).arg(N))->text();
            rows << row.join(QLatin1Char('|'));
        }
        dialog->close();
    });
    f.Choose("mnuViewHighScore");
    return rows;
}

} // namespace

class StressTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsModelAndScreenInStep()
    {
#ifdef __SANITIZE_ADDRESS__
        const int shortRun = 50; // the sanitizers slow play down some tenfold
#else
        const int shortRun = 200;
#endif
        const int games = qEnvironmentVariableIsSet("STRESS_GAMES") ? qEnvironmentVariableIntValue("STRESS_GAMES") : shortRun;
        int events = 0, removals = 0, ended = 0;
        for (int game = 1; game <= games; ++game) {
            GameFixture f;
            Deal(f, quint32(game));
            RandomPlay play(f, quint32(game));
            QVERIFY2(play.Play(3000), qPrintable(QStringLiteral("game %1").arg(game)));
            events += play.events, removals += play.removals, ended += play.ended;
        }
        qInfo("random play: %d games (%d ended), %d events, %d removals", games, ended, events, removals);
        QVERIFY(ended > games * 9 / 10);
    }

    // A new deal from the menu while the button is held: the press belonged to the old board.
    void newDealDropsThePressInProgress()
    {
        for (const char* deal : {"mnuFileRetry", "mnuFileNewGame"}) {
            GameFixture f;
            f.StartFrom({"1.........", "1123344..."});
            QWidget* board = f.window.centralWidget();
            QTest::mouseClick(board, Qt::LeftButton, {}, {4 * CellSize, 13 * CellSize}); // the 3s go
            QTest::mousePress(board, Qt::LeftButton, {}, {4 * CellSize, 13 * CellSize});  // on the 4s
            f.Choose(deal);
            const std::vector<int> dealt = f.Colours();
            const QImage shown = f.window.Surface().Picture().copy();
            QTest::mouseMove(board, {3 * CellSize, 13 * CellSize});
            QTest::mouseRelease(board, Qt::LeftButton, {}, {3 * CellSize, 13 * CellSize});
            QVERIFY(f.Colours() == dealt);
            QCOMPARE(f.window.Surface().Picture(), shown);
        }
    }

    // Whatever the records file holds, or wherever it cannot be written: damaged entries
    // are no record, the high-score window opens, a record is asked for and play goes on.
    void hostileRecordsNeitherStopPlayNorCount()
    {
        QByteArray noise(4096, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        const QByteArray damaged = "[Bricks%280%29]\nTime=garbage\nName=A\n[Bricks%281%29]\nTime=-00:00:05\nName=B\n"
                                   "[Bricks%282%29]\nTime=1e300\nName=C\n[Bricks%283%29]\nName=OnlyName\n"
                                   "[Bricks%284%29]\nTime=\xff\xfe\x01\nName=D\n[Bricks%285%29]\nTime=99999999999.00:00:01\n"
                                   "[Bricks%286%29]\nTime=9999999.23:59:59\n[Bricks%287%29]\nTime=24:00:00\nName=E\n"
                                   "[Bricks%288%29]\nTime=@Variant(\\0\\0\\0\\x7f)\n[Bricks%289%29]\nTime=\"00:00:09\\n\"\n"
                                   "[Bricks%28999999999999%29]\nTime=00:00:01\n";
        // Where the damage goes, under the store's folder, and what: a file, or a folder when empty.
        const std::vector<std::tuple<QString, QByteArray, bool>> cases{
            {"Vondrel/Vondrel.conf", noise, true}, {"Vondrel/Vondrel.conf", damaged, true}, {"", "", true},
            {"Vondrel", "not a folder", false},    {"Vondrel/Vondrel.conf", "", false}};
        for (const auto& [path, content, writable] : cases) {
            GameFixture f;
            const QString target = f.folder.filePath(path);
            if (path.isEmpty()) QVERIFY(QDir(target).removeRecursively());
            else if (content.isEmpty()) QVERIFY(QDir().mkpath(target));
            else {
                QVERIFY(QDir().mkpath(QFileInfo(target).path()));
                QFile file(target);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            }
            QStringList expected;
            for (int N = 0; N < 10; ++N) expected << QStringLiteral("%1||").arg(N);
            if (content == damaged) expected[6] = QStringLiteral("6|23:59:59|");
            QCOMPARE(HighScoreRows(f), expected);

            f.StartFrom({"112345234."}); // ends with 7 left
            f.dialogs.names.enqueue(QStringLiteral("Eve"));
            f.clock.AdvanceSeconds(5);
            QTest::mouseClick(f.window.centralWidget(), Qt::LeftButton, {}, {16, 13 * CellSize + 16});
            QVERIFY(f.dialogs.shown.size() > 1 && f.dialogs.shown[0].input);
            QCOMPARE(f.dialogs.shown[1].prompt.contains(QStringLiteral("could not be saved")), !writable);
            if (writable) expected[7] = QStringLiteral("7|00:00:05|Eve");
            QCOMPARE(HighScoreRows(f), expected);

            Deal(f, 99);
            RandomPlay play(f, 99);
            play.recordsKept = writable;
            QVERIFY(play.Play(3000) && play.ended);
        }
    }
};

QTEST_MAIN(StressTest)
#include "test_stress.moc"
