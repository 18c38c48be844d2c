// Play through the window's own mouse handlers on the offscreen platform: random games against a
// simple model of the rules, the pointer's states and every way a game can end.
#include "fixture.h"

#include "scores/settings.h"

#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

namespace {

using Colours = std::array<int, CellCount>; // 0 for an empty cell

std::array<int, 4> Neighbours(int i) { return {i % 10 ? i - 1 : -1, i % 10 < 9 ? i + 1 : -1, i - 10, i + 10}; }

bool SameColour(const Colours& colours, int i, int j) { return j >= 0 && j < CellCount && colours[i] > 0 && colours[j] == colours[i]; }

// The simplest flood fill: the cell's brick and every brick of its colour joined to it.
std::vector<int> GroupAt(const Colours& colours, int cell)
{
    std::vector<int> group;
    if (cell >= 0 && colours[cell]) group.push_back(cell);
    for (std::size_t k = 0; k < group.size(); ++k)
        for (const int j : Neighbours(group[k]))
            if (SameColour(colours, cell, j) && std::find(group.begin(), group.end(), j) == group.end()) group.push_back(j);
    return group;
}

bool Removable(const Colours& colours, int i)
{
    const std::array<int, 4> neighbours = Neighbours(i);
    return std::any_of(neighbours.begin(), neighbours.end(), [&](int j) { return SameColour(colours, i, j); });
}

// Takes the group off, lets every column drop to the bottom and packs the columns to the left.
Colours Removed(Colours colours, const std::vector<int>& group)
{
    Colours after{};
    for (int cell : group) colours[cell] = 0;
    for (int column = 0, target = 0; column < BoardColumns; ++column) {
        int row = BoardRows;
        for (int i = CellCount - BoardColumns + column; i >= 0; i -= BoardColumns)
            if (colours[i]) after[--row * BoardColumns + target] = colours[i];
        target += row < BoardRows;
    }
    return after;
}

QPoint Centre(int cell) { return {CellLeft(cell) + CellSize / 2, CellTop(cell) + CellSize / 2}; }

// Whether the cell shows the look exactly; a null look is the board colour.
bool Shows(const QImage& screen, int cell, const QImage& look)
{
    static const QImage empty = [] {
        QImage board(CellSize, CellSize, QImage::Format_RGB32);
        board.fill(BoardColour());
        return board;
    }();
    return screen.copy(CellLeft(cell), CellTop(cell), CellSize, CellSize) == (look.isNull() ? empty : look);
}

// Random gestures with any button, anywhere, the menus mid-press and random answers at the end.
// After every event the window agrees with the model: each brick at rest on its cell in its colour,
// the count in the status bar, and on screen each cell's look, pressed exactly for the group under
// a held left button.
struct RandomPlay {
    GameFixture& f;
    QRandomGenerator random;
    Colours model{}, start{};
    std::vector<int> held; // the group the left button went down on
    bool pressed = false;  // whether it should show pressed
    bool running = true;   // the clock
    int events = 0, ended = 0;

    RandomPlay(GameFixture& f, quint32 seed) : f(f), random(seed)
    {
        // Late frames of every size, yet no real time spent; the count changes only after the animation.
        f.ticks.onSleep = [this] {
            this->f.ticks.now += random.bounded(48U);
            QCOMPARE(this->f.PanelText("Bricks"), QString::number(Bricks(model)));
        };
        Dealt();
    }
    ~RandomPlay() { f.ticks.onSleep = nullptr; }

    static int Bricks(const Colours& colours) { return int(std::count_if(colours.begin(), colours.end(), [](int c) { return c > 0; })); }
    void Dealt()
    {
        for (int i = 0; i < CellCount; ++i) model[i] = f.window.Game().Board[i] ? SlotOf(f.window.Game().Board[i]->Picture, f.window.Pictures()) : 0;
        start = model, held.clear(), pressed = false, running = true;
    }

    // Mostly on a group that can go, or a game with few bricks left would hardly end.
    QPoint RandomPoint()
    {
        const int kind = random.bounded(10);
        if (kind == 0) return {random.bounded(-3000, 3000), random.bounded(-3000, 3000)};
        if (kind == 1) return {std::array{-1, 0, 319, 320}[random.bounded(4)], std::array{-1, 1, 447, 448}[random.bounded(4)]};
        if (kind < 5) return {random.bounded(BoardWidth), 1 + random.bounded(BoardHeight - 1)}; // QTest takes (0, 0) for the middle
        std::vector<int> removable{0};
        for (int i = 0; i < CellCount; ++i)
            if (Removable(model, i)) removable.push_back(i);
        const int cell = removable[random.bounded(int(removable.size()))];
        return {CellLeft(cell) + random.bounded(CellSize), CellTop(cell) + 1 + random.bounded(CellSize - 1)};
    }

    // Gestures until the game has ended and a few more.
    void Play()
    {
        for (int after = 3, budget = 3000; after > 0 && budget-- > 0 && !QTest::currentTestFailed(); after -= ended > 0) {
            const Qt::MouseButton button = std::array{Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[random.bounded(5)];
            const QPoint first = RandomPoint();
            Send(random.bounded(10) ? QTest::MousePress : QTest::MouseDClick, button, first);
            for (int moves = random.bounded(4); moves > 0; --moves) Send(QTest::MouseMove, button, RandomPoint());
            if (random.bounded(3) == 0) Send(QTest::MouseMove, button, first);
            if (random.bounded(200) == 0) Choose(std::array{"mnuFileNewGame", "mnuFileRetry", "mnuViewStatusbar"}[random.bounded(3)]);
            if (random.bounded(100) >= 5) Send(QTest::MouseRelease, button, random.bounded(4) ? first : RandomPoint()); // or lost
            f.clock.AdvanceSeconds(random.bounded(3));
        }
        QTest::mouseRelease(f.Board(), Qt::LeftButton); // whatever the last gesture left held
    }

    // A menu item chosen from the keyboard while the button may be held: a new deal drops the press.
    void Choose(const QString& item)
    {
        f.Choose(item);
        if (item != "mnuViewStatusbar") Dealt();
        Verify();
    }

    void Send(QTest::MouseAction action, Qt::MouseButton button, QPoint p)
    {
        const int cell = QRect(0, 0, BoardWidth, BoardHeight).contains(p) ? p.y() / CellSize * BoardColumns + p.x() / CellSize : -1;
        const bool left = button == Qt::LeftButton, removes = action == QTest::MouseRelease && left && pressed && held.size() > 1;
        const Colours after = removes ? Removed(model, held) : model;
        const bool over = removes && std::none_of(after.begin(), after.end(), [&, i = 0](int) mutable { return Removable(after, i++); });
        // At the end, after any name entry: the retry offer while bricks are left, then the new-game offer unless retried.
        const QString retry = Bricks(after) == 0 ? "" : random.bounded(2) ? "R" : "C", answers = retry + (random.bounded(2) ? "Y" : "N");
        f.dialogs.answers = answers, f.dialogs.shown.clear();
        ++events;
        if (action == QTest::MouseMove) QTest::mouseMove(f.Board(), p);
        else QTest::mouseEvent(action, f.Board(), button, {}, p);

        if (action == QTest::MouseMove) pressed = std::find(held.begin(), held.end(), cell) != held.end();
        else if (left && action != QTest::MouseRelease) held = GroupAt(model, cell), pressed = !held.empty();
        else if (left) held.clear(), pressed = false;
        model = after;
        QCOMPARE(f.dialogs.shown.filter(QRegularExpression("^(retry|new)$")).join(' '), !over ? "" : retry == "R" ? "retry" : retry == "C" ? "retry new" : "new");
        ended += over;
        if (over && retry == "R") model = start;
        else if (over && answers.endsWith('Y')) Dealt();
        else if (over) running = false;
        QCOMPARE(f.window.findChild<QTimer*>()->isActive(), running);
        Verify();
        if (QTest::currentTestFailed()) qWarning("after event %d", events);
    }

    void Verify()
    {
        const QImage& screen = f.window.Surface().Picture();
        for (int i = 0; i < CellCount; ++i) {
            const BrickRef& brick = f.window.Game().Board[i];
            QCOMPARE(brick ? SlotOf(brick->Picture, f.window.Pictures()) : 0, model[i]);
            if (brick) QVERIFY(brick->Index == i && brick->Left == CellLeft(i) && brick->Top == CellTop(i) && SlotOf(brick->DownPicture, f.window.Pictures()) == model[i] + 5);
            const bool down = pressed && std::find(held.begin(), held.end(), i) != held.end();
            if (!Shows(screen, i, !brick ? QImage() : (down ? brick->DownPicture : brick->Picture)->Image())) QFAIL(qPrintable(QStringLiteral("cell %1 shows the wrong look").arg(i)));
        }
        QCOMPARE(f.window.Game().BricksLeft, Bricks(model));
        QCOMPARE(f.PanelText("Bricks"), QString::number(Bricks(model)));
    }
};

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    // Deals of the game's own, and boards of one to four colours for big groups up to the whole board.
    void randomGamesFollowTheModel()
    {
        int events = 0, ended = 0;
        const int games = qEnvironmentVariableIsSet("PLAY_GAMES") ? qEnvironmentVariableIntValue("PLAY_GAMES") : 100;
        for (int game = 1; game <= games && !QTest::currentTestFailed(); ++game) {
            GameFixture f;
            QRandomGenerator random(game);
            f.random = Random(game, [game] { return std::uint64_t(game); });
            f.Choose("mnuFileNewGame");
            QStringList rows(BoardRows);
            for (int cell = 0; cell < CellCount && game % 3; ++cell) rows[RowOf(cell)] += QChar('1' + random.bounded(1 + game % 4));
            if (game % 3) f.StartFrom(rows);
            RandomPlay play(f, game);
            play.Play();
            events += play.events, ended += play.ended > 0;
        }
        qInfo("%d games (%d ended), %d events", games, ended, events);
        QVERIFY(ended > games * 9 / 10);
    }

    // Gestures as d (left down), u (left up), D and U (right), m (move) at a cell or o (far outside);
    // after each, the cells shown pressed.
    void pointer_data()
    {
        QTest::addColumn<QString>("gestures");
        QTest::addColumn<QStringList>("pressed");
        QTest::addColumn<int>("left");
        const QString group = "120 130 131";
        QTest::newRow("off and back on, released: removed") << "d130 m132 m0 m120 mo m131 u131" << QStringList{group, "", "", group, "", group, ""} << 5;
        QTest::newRow("released off the group: kept") << "d130 mo uo" << QStringList{group, "", ""} << 8;
        QTest::newRow("a lone brick only flashes") << "d132 u132" << QStringList{"132", ""} << 8;
        QTest::newRow("empty cell, right button, no button") << "d5 m130 u130 D130 m131 U130 m130" << QStringList(7, "") << 8;
        QTest::newRow("right button while the left is held") << "d130 D132 U132 u130" << QStringList{group, group, group, ""} << 5;
        QTest::newRow("a release lost to another window") << "d130 d134 u134" << QStringList{group, "133 134", ""} << 6;
    }

    void pointer()
    {
        QFETCH(QString, gestures);
        QFETCH(QStringList, pressed);
        GameFixture f;
        f.StartFrom({"1.........", "1123344..."});
        for (int step = 0; step < pressed.size(); ++step) {
            const QString gesture = gestures.section(' ', step, step);
            const QPoint at = gesture.mid(1) == "o" ? QPoint(-40, 500) : Centre(gesture.mid(1).toInt());
            if (gesture[0] == 'm') QTest::mouseMove(f.Board(), at);
            else QTest::mouseEvent(gesture[0].toLower() == 'd' ? QTest::MousePress : QTest::MouseRelease, f.Board(), gesture[0].isUpper() ? Qt::RightButton : Qt::LeftButton, {}, at);
            QStringList shown;
            for (int i = 0; i < CellCount; ++i)
                if (f.window.Game().Board[i] && Shows(f.window.Surface().Picture(), i, f.window.Game().Board[i]->DownPicture->Image())) shown << QString::number(i);
            QCOMPARE(shown.join(' '), pressed[step]);
        }
        QTEST(f.window.Game().BricksLeft, "left");
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    // Each game ends at the first click, on the first pair of its bottom row. The record for the bricks
    // left as "seconds name", before and after; answers as letters (see ScriptedDialogs).
    void endOfGame_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("before"); // "-" for a store that cannot be written; "+" saved while the name is asked
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("dialogues");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("left"); // once the answers are given
        QTest::addColumn<bool>("running");
        const QStringList twelve{"2345......", "3451234511"}, seven{"112345234."}, none{"11"};
        QTest::newRow("12 left, new game") << twelve << "" << 30.0 << "CY" << "retry new" << "" << 140 << true;
        QTest::newRow("12 left, retry") << twelve << "" << 30.0 << "R" << "retry" << "" << 14 << true;
        QTest::newRow("12 left, neither") << twelve << "" << 30.0 << "CN" << "retry new" << "" << 12 << false;
        QTest::newRow("first record") << seven << "" << 83.0 << "R" << "name 133 retry" << "83 Ada" << 9 << true;
        QTest::newRow("equal time") << seven << "83 Bo" << 83.0 << "CN" << "retry new" << "83 Bo" << 7 << false;
        QTest::newRow("worse time") << seven << "60 Bo" << 83.0 << "CN" << "retry new" << "60 Bo" << 7 << false;
        QTest::newRow("better time") << seven << "90 Bo" << 83.0 << "CN" << "name 133 retry new" << "83 Ada" << 7 << false;
        QTest::newRow("equal to the second") << seven << "83 Bo" << 83.6 << "CN" << "retry new" << "83 Bo" << 7 << false;
        QTest::newRow("beaten meanwhile") << seven << "+60 Bo" << 83.0 << "OCN" << "name 133 beaten retry new" << "60 Bo" << 7 << false;
        QTest::newRow("board cleared") << none << "" << 5.0 << "N" << "name 140 new" << "5 Ada" << 0 << false;
        QTest::newRow("unwritable store") << seven << "-" << 83.0 << "OCN" << "name 133 unsaved retry new" << "" << 7 << false;
    }

    void endOfGame()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, before);
        QFETCH(double, seconds);
        GameFixture f;
        const int left = int(rows.join("").count(QRegularExpression("\\d"))) - 2;
        Settings settings(f.store);
        const auto save = [&] { settings.SaveBestRecord(left, before.section(' ', 0, 0).remove('+').toDouble() / SecondsPerDay, before.section(' ', 1)); };
        if (before == "-") QVERIFY(QFile(f.folder.filePath("Vondrel")).open(QIODevice::WriteOnly)); // where the store's folder belongs
        else if (before.startsWith('+')) f.dialogs.whileAsked = save;
        else if (!before.isEmpty()) save();
        f.StartFrom(rows);
        f.clock.AdvanceSeconds(seconds);
        QFETCH(QString, answers);
        f.dialogs.answers = answers, f.dialogs.name = "Ada";
        QTest::mouseClick(f.Board(), Qt::LeftButton, {}, Centre(130 + int(rows.last().indexOf(QRegularExpression("(\\d)\\1")))));
        QTEST(f.dialogs.shown.join(' '), "dialogues");
        QTEST(settings.GetBestTime(left) > 0 ? QStringLiteral("%1 %2").arg(settings.GetBestTime(left) * SecondsPerDay).arg(settings.GetBestName(left)) : "", "after");
        QTEST(f.window.Game().BricksLeft, "left");
        QTEST(f.window.findChild<QTimer*>()->isActive(), "running");
        f.Choose("mnuFileRetry"); // a retry from the menu starts the clock again
        QVERIFY(f.window.findChild<QTimer*>()->isActive());
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
