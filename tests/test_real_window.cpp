// Plays the built game in a real window on the private X server of the test run: xdotool
// moves the pointer and presses keys, ImageMagick's import reads the screen back, and the
// pixels are compared with the brick pictures built into the program.
#include "game_process.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSettings>

#include <xcb/xcb.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Grid = Looks;
using Group = std::vector<int>;

// What a window manager sends for a click on the close box; nothing else makes a Qt window
// receive a close request when there is no window manager.
void RequestClose(quint32 window)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    // A round trip, so that the server has sent the event before the connection goes.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

bool HasInk(const QImage& image, const QRect& area)
{
    if (!image.rect().contains(area)) return false;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) return true;
    return false;
}

// Runs of columns with dark text pixels: one per character.
std::vector<std::pair<int, int>> InkRuns(const QImage& panel)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < panel.width(); ++x) {
        if (!HasInk(panel, QRect(x, 0, 1, panel.height()))) continue;
        if (!runs.empty() && runs.back().second == x - 1) runs.back().second = x;
        else runs.emplace_back(x, x);
    }
    return runs;
}

// The shape of "hh:mm:ss": eight characters, narrow colons in the third and sixth place.
// Glyphs sit at fractional positions, so equal digits in different places differ in their
// pixels and cannot be told apart reliably: the tests compare whole readings instead.
bool ReadsAsTime(const QImage& panel)
{
    const auto runs = InkRuns(panel);
    if (runs.size() != 8) return false;
    for (std::size_t i = 0; i < runs.size(); ++i)
        if ((runs[i].second - runs[i].first < 3) != (i == 2 || i == 5)) return false;
    return true;
}

Grid Colours(Looks looks)
{
    for (int& look : looks) look = look > 5 ? look - 5 : look;
    return looks;
}

int BricksIn(const Grid& grid)
{
    return int(std::count_if(grid.begin(), grid.end(), [](int colour) { return colour != 0; }));
}

Group GroupAt(const Grid& grid, int start)
{
    Group group{start};
    std::array<bool, CellCount> seen{};
    seen[start] = true;
    for (std::size_t i = 0; i < group.size(); ++i) {
        for (const auto& [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int column = group[i] % Columns + dc;
            const int row = group[i] / Columns + dr;
            const int next = row * Columns + column;
            if (column < 0 || column >= Columns || row < 0 || row >= Rows || seen[next] || grid[next] != grid[start]) continue;
            seen[next] = true;
            group.push_back(next);
        }
    }
    return group;
}

// Every group of two or more bricks, once each.
std::vector<Group> Groups(const Grid& grid)
{
    std::vector<Group> found;
    std::array<bool, CellCount> done{};
    for (int i = 0; i < CellCount; ++i) {
        if (grid[i] == 0 || done[i]) continue;
        Group group = GroupAt(grid, i);
        for (int cell : group) done[cell] = true;
        if (group.size() > 1) found.push_back(std::move(group));
    }
    return found;
}

// The board once a group is gone: bricks fall into the gaps below them, then the columns right
// of an emptied one close up. The stages are the cells of the longest fall and the longest slide.
struct Collapse {
    Grid after{};
    int fallStages = 0;
    int slideStages = 0;
};

Collapse Collapsed(Grid grid, const Group& group)
{
    Collapse result;
    for (int cell : group) grid[cell] = 0;
    int target = 0;
    for (int column = 0; column < Columns; ++column) {
        int gaps = 0;
        int bottom = Rows - 1;
        for (int row = Rows - 1; row >= 0; --row) {
            const int colour = grid[row * Columns + column];
            if (colour == 0) ++gaps;
            else {
                if (gaps > 0) result.fallStages = std::max(result.fallStages, gaps);
                result.after[bottom-- * Columns + target] = colour;
            }
        }
        if (bottom == Rows - 1) continue;
        result.slideStages = std::max(result.slideStages, column - target);
        ++target;
    }
    return result;
}

// Moves, as the cell clicked for each, with which random play ends the game with one to nine
// bricks left, the end that brings up all three dialogues; failing that, the fewest left.
std::vector<int> Plan(const Grid& start)
{
    std::vector<int> best;
    int bestScore = INT_MAX;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < (bestScore < 1000 ? 300 : 3000)) {
        Grid grid = start;
        std::vector<int> moves;
        for (auto options = Groups(grid); !options.empty(); options = Groups(grid)) {
            const Group& group = options[QRandomGenerator::global()->bounded(int(options.size()))];
            moves.push_back(group.front());
            grid = Collapsed(grid, group).after;
        }
        const int left = BricksIn(grid);
        const int score = (left >= 1 && left <= 9 ? 0 : 1000 + 100 * left) + int(moves.size());
        if (score < bestScore) bestScore = score, best = moves;
    }
    return best;
}

// The game with its status bar: the count of bricks left, then the time.
class Game : public GameProcess {
public:
    bool Start()
    {
        if (!GameProcess::Start()) return false;
        status = QRect(0, boardTop + BoardHeight, frame.width(), frame.height() - boardTop - BoardHeight);
        // The widest gap between characters of the status bar lies between its two panels.
        const auto runs = InkRuns(Shot().copy(status));
        for (std::size_t i = 1, widest = 0; i < runs.size(); ++i) {
            if (std::size_t(runs[i].first - runs[i - 1].second) <= widest) continue;
            widest = std::size_t(runs[i].first - runs[i - 1].second);
            split = runs[i].first - 3;
        }
        return split > 0;
    }

    // Waits until every cell shows exactly the given look; a Grid gives the normal looks.
    bool WaitForBoard(const Looks& looks) const
    {
        return Eventually([&] { return LooksOf(Shot()) == looks; });
    }

    void MoveTo(int cell) const { Xdotool(QStringList{"mousemove"} + OnScreen(cell)); }
    QImage BricksPanel(const QImage& shot) const { return shot.copy(status.adjusted(0, 0, split - status.width(), 0)); }
    QImage TimePanel(const QImage& shot) const { return shot.copy(status.adjusted(split, 0, 0, 0)); }

    QRect status;   // the status bar, in the window
    int split = 0;  // where the time panel's text begins, in the window
};

// A brick's near-white top or bottom rim at a height where no brick at rest has one.
bool BricksBetweenCells(const Game& game, const QImage& shot)
{
    for (int y = 0; y < BoardHeight; ++y) {
        for (int column = 0; column < Columns && y % Cell != 0 && y % Cell != Cell - 1; ++column) {
            bool rim = true;
            for (int x = column * Cell + 6; x < column * Cell + 26 && rim; ++x) {
                const QRgb pixel = shot.pixel(x, game.boardTop + y);
                rim = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 200;
            }
            if (rim) return true;
        }
    }
    return false;
}

} // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithAFullBoardAndARunningClock()
    {
        Game game;
        QVERIFY2(game.Start(), "no window with a full board at rest");
        // The first tick shows a time. Read it at once: it must be the reading of the first second.
        QImage first;
        QVERIFY2(Eventually([&] { return ReadsAsTime(first = game.TimePanel(game.Shot())); }, 3000), "no hh:mm:ss");
        QCOMPARE(game.frame.width(), Columns * Cell);
        QCOMPARE(game.frame.topLeft() + QPoint(0, game.boardTop), QPoint(271, 81));
        const QImage shot = game.Shot();
        // The status bar follows the board directly and fills the rest of the client area: no
        // board colour in it, and its text centred in it.
        QVERIFY2(game.status.height() >= 15 && game.status.height() <= 40, qPrintable(QString::number(game.status.height())));
        int inkTop = game.status.bottom(), inkBottom = game.status.top();
        for (int y = game.status.top(); y <= game.status.bottom(); ++y) {
            for (int x = 0; x < game.frame.width(); ++x) QVERIFY(!Near(shot.pixel(x, y), BoardColour, 10));
            if (HasInk(shot, QRect(0, y, game.frame.width(), 1))) inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
        }
        QVERIFY(std::abs((inkTop - game.status.top()) - (game.status.bottom() - inkBottom)) <= 4);
        // The tips of every corner have the board colour, so bricks merge with empty cells there.
        for (int i = 0; i < CellCount; ++i)
            for (const int x : {0, 31})
                for (const int y : {0, 31})
                    for (const QPoint tip : {QPoint(x, y), QPoint(x == 0 ? 1 : 30, y), QPoint(x, y == 0 ? 1 : 30)})
                        QVERIFY(Near(shot.pixel(game.CellCorner(i) + tip), BoardColour, 3));
        QCOMPARE(InkRuns(game.BricksPanel(shot)).size(), std::size_t(3));

        // The clock counts on...
        QVERIFY(Eventually([&] { return game.TimePanel(game.Shot()) != first; }, 2500));
        // ...and a retry brings back that first reading within a second: it was 00:00:00.
        game.Keys({"alt+f"});
        QElapsedTimer sinceRetry;
        sinceRetry.start();
        Xdotool({"key", "r"});
        QVERIFY(Eventually([&] { return game.TimePanel(game.Shot()) == first; }, 2000));
        QVERIFY2(sinceRetry.elapsed() < 900, qPrintable(QString::number(sinceRetry.elapsed())));
        QCOMPARE(game.BricksPanel(game.Shot()), game.BricksPanel(shot));
    }

    void pressedLookFollowsThePointer()
    {
        Game game;
        QVERIFY(game.Start());
        const QImage start = game.Shot();
        const Looks normal = game.LooksOf(start);
        const Group group = Groups(Colours(normal)).at(0);
        int outside = 0;
        while (std::find(group.begin(), group.end(), outside) != group.end()) ++outside;
        Looks pressed = normal;
        for (int cell : group) pressed[cell] += 5;

        game.MoveTo(group.back());
        Xdotool({"mousedown", "1"});
        QVERIFY2(game.WaitForBoard(pressed), "the group is not shown pressed, or other cells changed");
        game.MoveTo(outside);
        QVERIFY2(game.WaitForBoard(normal), "the group stays pressed with the pointer off it");
        game.MoveTo(group.front());
        QVERIFY2(game.WaitForBoard(pressed), "the group is not pressed again with the pointer back on it");
        game.MoveTo(outside);
        QVERIFY(game.WaitForBoard(normal));
        Xdotool({"mouseup", "1"});
        QTest::qWait(500);
        const QImage after = game.Shot();
        QCOMPARE(game.LooksOf(after), normal);
        QCOMPARE(game.BricksPanel(after), game.BricksPanel(start));
    }

    void removalIsAnimatedOnScreen()
    {
        Game game;
        QVERIFY(game.Start());
        const QImage start = game.Shot();
        const Grid grid = Colours(game.LooksOf(start));
        const auto stages = [&](const Group& g) {
            const Collapse c = Collapsed(grid, g);
            return std::max(c.fallStages, 1) + std::max(c.slideStages, 1);
        };
        const std::vector<Group> groups = Groups(grid);
        const Group group = *std::max_element(groups.begin(), groups.end(), [&](const Group& a, const Group& b) { return stages(a) < stages(b); });

        game.MoveTo(group.front());
        Xdotool({"mousedown", "1"});
        QProcess release;
        release.start(QStringLiteral("xdotool"), {"mouseup", "1"});
        std::vector<QImage> shots;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000) shots.push_back(game.Shot());
        release.waitForFinished();
        int between = 0;
        for (const QImage& shot : shots) {
            if (!BricksBetweenCells(game, shot)) continue;
            ++between;
            // The count of bricks left changes only once the bricks are at rest.
            QCOMPARE(game.BricksPanel(shot), game.BricksPanel(start));
        }
        QVERIFY2(between > 0, qPrintable(QStringLiteral("%1 stages, no frame of %2 between cells").arg(stages(group)).arg(shots.size())));

        const Grid expected = Collapsed(grid, group).after;
        QVERIFY2(game.WaitForBoard(expected), "the board at rest is not the closed-up board");
        const QImage after = game.Shot();
        QVERIFY(game.BricksPanel(after) != game.BricksPanel(start));
        QCOMPARE(InkRuns(game.BricksPanel(after)).size(), std::size_t(3));
        // An emptied cell has the very colour of the corner tips of the bricks.
        const int empty = int(std::find(expected.begin(), expected.end(), 0) - expected.begin());
        QVERIFY(Near(after.pixel(game.CellCorner(empty) + QPoint(16, 16)), after.pixel(game.CellCorner(130)), 3));
    }

    void playsAGameThroughItsEnd()
    {
        Game game;
        QVERIFY(game.Start());
        Grid grid = Colours(game.LooksOf(game.Shot()));
        const std::vector<int> moves = Plan(grid);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            grid = Collapsed(grid, GroupAt(grid, moves[i])).after;
            Xdotool(QStringList{"mousemove"} + game.OnScreen(moves[i]) + QStringList{"click", "1"});
            // After the last move the dialogues may cover the board.
            if (i + 1 < moves.size()) QVERIFY2(game.WaitForBoard(grid), qPrintable(QStringLiteral("move %1").arg(i + 1)));
        }
        const int left = BricksIn(grid);
        const QString name = QStringLiteral("Tester");
        const auto answer = [&](const QString& title, std::initializer_list<QStringList> commands) {
            const QString dialog = game.WaitForWindow(title);
            if (dialog.isEmpty()) return false;
            for (const QStringList& command : commands) Xdotool(command);
            return game.WaitUntilClosed(title, dialog);
        };
        // A first time for this count asks for a name; the retry offer comes when bricks remain.
        if (left < 10) QVERIFY2(answer(QStringLiteral("Vondrel"), {{"type", "--delay", "30", name}, {"key", "Return"}}), "no name entry");
        if (left > 0) QVERIFY2(answer(QStringLiteral("Game over!"), {{"key", "Escape"}}), "no retry offer");
        QVERIFY2(answer(QStringLiteral("Game over!"), {{"key", "n"}}), "no new-game offer");
        QTest::qWait(300);
        QVERIFY(game.Windows(QStringLiteral("Game over!")).isEmpty() && game.Windows(QStringLiteral("Vondrel")).isEmpty());

        QCOMPARE(game.process.state(), QProcess::Running);
        QVERIFY2(game.WaitForBoard(grid), "the final board is not shown");
        const QImage stopped = game.TimePanel(game.Shot());
        QTest::qWait(1300);
        QCOMPARE(game.TimePanel(game.Shot()), stopped);

        QVERIFY2(QFile::exists(game.SettingsFile()) == (left < 10), qPrintable(QStringLiteral("%1 bricks left, record file %2 %3")
                 .arg(left).arg(game.SettingsFile(), left < 10 ? "missing" : "written")));
        QSettings store(game.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(store.value(QStringLiteral("Bricks(%1)/Name").arg(left)).toString(), left < 10 ? name : QString());
        QCOMPARE(store.value(QStringLiteral("Bricks(%1)/Time").arg(left)).isValid(), left < 10);
    }

    void closingAsksFirstAndSigtermDoesNot()
    {
        Game game;
        QVERIFY(game.Start());
        const Looks board = game.LooksOf(game.Shot());
        const QString question = QStringLiteral("Vondrel");

        RequestClose(game.window.toUInt());
        QString dialog = game.WaitForWindow(question);
        QVERIFY2(!dialog.isEmpty(), "closing the window does not ask");
        Xdotool({"key", "n"});
        QVERIFY(game.WaitUntilClosed(question, dialog));
        QTest::qWait(300);
        QCOMPARE(game.process.state(), QProcess::Running);
        QCOMPARE(game.LooksOf(game.Shot()), board);

        game.Keys({"alt+f", "e"});
        QVERIFY2(!game.WaitForWindow(question).isEmpty(), "File > Exit does not ask");
        Xdotool({"key", "y"});
        QVERIFY(game.process.waitForFinished(5000));
        QCOMPARE(game.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.process.exitCode(), 0);

        Game terminated;
        QVERIFY(terminated.Start());
        terminated.process.terminate();
        QVERIFY2(terminated.process.waitForFinished(5000), "SIGTERM does not end the program");
        QCOMPARE(terminated.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(terminated.process.exitCode(), 0);
    }

    void highScoreWindowListsStoredRecords()
    {
        Game game;
        QVERIFY(QDir().mkpath(QFileInfo(game.SettingsFile()).path()));
        QFile file(game.SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Bricks%280%29]\nTime=00:00:45\nName=Ann\n\n[Bricks%283%29]\nTime=00:01:23\nName=Bo\n\n"
                   "[Bricks%289%29]\nTime=00:02:05\nName=Cy\n");
        file.close();
        QVERIFY(game.Start());

        game.Keys({"alt+v", "h"});
        const QString window = game.WaitForWindow(QStringLiteral("High score"));
        QVERIFY2(!window.isEmpty(), "no window titled High score");
        const QRect geometry = WindowGeometry(window);
        QCOMPARE(geometry.size(), QSize(313, 193));
        QImage table;
        Eventually([&] { return HasInk(table = Grab(geometry), QRect(8, 25, 33, 15)); }, 3000);
        for (int n = 0; n < 10; ++n) {
            const int top = 24 + 16 * n + 1;
            const bool record = n == 0 || n == 3 || n == 9;
            const QString row = QStringLiteral("row %1, records in %2").arg(n).arg(game.SettingsFile());
            QVERIFY2(HasInk(table, QRect(8, top, 33, 15)), qPrintable(row));
            QVERIFY2(HasInk(table, QRect(48, top, 57, 15)) == record, qPrintable(row));
            QVERIFY2(HasInk(table, QRect(112, top, 193, 15)) == record, qPrintable(row));
        }
        Xdotool({"key", "Escape"});
        QVERIFY(game.WaitUntilClosed(QStringLiteral("High score"), window));
        QCOMPARE(game.process.state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(RealWindowTest)
#include "test_real_window.moc"
