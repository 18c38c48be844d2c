// Play through the window's own mouse handlers on the offscreen platform: random games against a
// simple model of the rules, the pointer's states and every way a game can end.
#include "fixture.h"

#include "scores/settings.h"

#include <QAccessible>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

namespace {

using Colours = std::array<int, CellCount>; // 0 for an empty cell

std::array<int, 4> Neighbours(int i)
{
    return {i % 10 ? i - 1 : -1, i % 10 < 9 ? i + 1 : -1, i - 10, i + 10};
}

bool SameColour(const Colours& colours, int i, int j)
{
    return j >= 0 && j < CellCount && colours[i] > 0 && colours[j] == colours[i];
}

// The simplest flood fill: the cell's brick and every brick of its colour joined to it.
std::vector<int> GroupAt(const Colours& colours, int cell)
{
    std::vector<int> group;
    if (cell >= 0 && colours[cell]) group.push_back(cell);
    for (std::size_t k = 0; k < group.size(); ++k)
        for (const int j : Neighbours(group[k]))
            if (SameColour(colours, cell, j) && std::find(group.begin(), group.end(), j) == group.end())
                group.push_back(j);
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

QPoint Centre(int cell)
{
    return {CellLeft(cell) + CellSize / 2, CellTop(cell) + CellSize / 2};
}

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

bool Holds(const std::vector<int>& cells, int cell)
{
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

bool IsPressKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return;
}

// The keyboard's cursor moved by an arrow, stopping at the edges.
int Moved(int cell, int key)
{
    const int column = cell % 10 + (key == Qt::Key_Right) - (key == Qt::Key_Left),
              row = cell / 10 + (key == Qt::Key_Down) - (key == Qt::Key_Up);
    return std::clamp(row, 0, BoardRows - 1) * BoardColumns + std::clamp(column, 0, BoardColumns - 1);
}

// Random gestures with any button anywhere, or with the keys; the menus mid-press and random answers
// at the end. After every event the window agrees with the model: each brick at rest on its cell in its
// colour, the count in the status bar, on screen each cell's look, pressed exactly for the group held
// by the left button or a key, the cursor where the keys took it and what a screen reader hears of it.
struct RandomPlay {
    enum class Hand { None, Mouse, Keys };
    GameFixture& f;
    QRandomGenerator random;
    Colours model{}, start{};
    std::vector<int> held;    // the group the left button or the key went down on
    Hand holder = Hand::None; // which of them holds it
    bool pressed = false;     // whether it should show pressed
    int cursor = 64;          // the keyboard's cursor, up and left of the board's centre
    bool shown = false;       // whether the cursor is shown
    bool running = true;      // the clock
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

    static int Bricks(const Colours& colours)
    {
        return int(std::count_if(colours.begin(), colours.end(), [](int c) { return c > 0; }));
    }
    void Dealt()
    {
        for (int i = 0; i < CellCount; ++i)
            model[i] = f.window.Game().Board[i] ? SlotOf(f.window.Game().Board[i]->Picture, f.window.Pictures()) : 0;
        start = model, held.clear(), holder = Hand::None, pressed = false, running = true;
    }

    // Mostly on a group that can go, or a game with few bricks left would hardly end.
    QPoint RandomPoint()
    {
        const int kind = random.bounded(10);
        if (kind == 0) return {random.bounded(-3000, 3000), random.bounded(-3000, 3000)};
        if (kind == 1)
            return {std::array{-1, 0, 319, 320}[random.bounded(4)], std::array{-1, 1, 447, 448}[random.bounded(4)]};
        if (kind < 5)
            return {random.bounded(BoardWidth),
                    1 + random.bounded(BoardHeight - 1)}; // QTest takes (0, 0) for the middle
        std::vector<int> removable{0};
        for (int i = 0; i < CellCount; ++i)
            if (Removable(model, i)) removable.push_back(i);
        const int cell = removable[random.bounded(int(removable.size()))];
        return {CellLeft(cell) + random.bounded(CellSize), CellTop(cell) + 1 + random.bounded(CellSize - 1)};
    }

    // Gestures until the game has ended and a few more.
    void Play(bool keysOnly)
    {
        for (int after = 3, budget = 3000; after > 0 && budget-- > 0 && !QTest::currentTestFailed();
             after -= ended > 0) {
            if (keysOnly || random.bounded(3) == 0)
                KeyGesture();
            else
                MouseGesture();
            f.clock.AdvanceSeconds(random.bounded(3));
        }
        QTest::mouseRelease(f.Board(), Qt::LeftButton); // whatever the last gesture left held
    }

    void MouseGesture()
    {
        const Qt::MouseButton button = std::array{Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                  Qt::MiddleButton}[random.bounded(5)];
        const QPoint first = RandomPoint();
        Mouse(random.bounded(10) ? QTest::MousePress : QTest::MouseDClick, button, first);
        for (int moves = random.bounded(4); moves > 0; --moves) Mouse(QTest::MouseMove, button, RandomPoint());
        if (random.bounded(3) == 0) Mouse(QTest::MouseMove, button, first);
        MaybeChooseMenu();
        if (random.bounded(100) >= 5)
            Mouse(QTest::MouseRelease, button, random.bounded(4) ? first : RandomPoint()); // or lost
    }

    // Arrows towards a cell and a press key held there; now and then auto-repeats, arrows on the way,
    // Escape, or a release that never comes.
    void KeyGesture()
    {
        const QPoint target = RandomPoint();
        const int goal = std::clamp(target.y() / CellSize, 0, BoardRows - 1) * BoardColumns
                         + std::clamp(target.x() / CellSize, 0, BoardColumns - 1);
        for (int steps = 0; cursor != goal && steps < 30; ++steps) {
            const int towards = goal % 10 != cursor % 10 ? (goal % 10 < cursor % 10 ? Qt::Key_Left : Qt::Key_Right)
                                : goal < cursor          ? Qt::Key_Up
                                                         : Qt::Key_Down;
            Key(random.bounded(8) ? towards : Qt::Key_Left + random.bounded(4), true, random.bounded(4) == 0);
        }
        const int press = random.bounded(2) ? Qt::Key_Space : Qt::Key_Return;
        Key(press, true, false);
        if (random.bounded(5) == 0) Key(press, true, true), Key(press, false, true);
        for (int moves = random.bounded(3); moves > 0; --moves) Key(Qt::Key_Left + random.bounded(4), true, false);
        if (random.bounded(10) == 0) Key(Qt::Key_Escape, true, false);
        MaybeChooseMenu();
        if (random.bounded(100) >= 5) Key(press, false, false);
    }

    // A menu item chosen from the keyboard while a press may be held: a new deal drops it.
    void MaybeChooseMenu()
    {
        if (random.bounded(200)) return;
        const QString item = std::array{"mnuFileNewGame", "mnuFileRetry", "mnuViewStatusbar"}[random.bounded(3)];
        f.Choose(item);
        if (item != "mnuViewStatusbar") Dealt();
        Verify();
    }

    void Mouse(QTest::MouseAction action, Qt::MouseButton button, QPoint p)
    {
        const int cell = QRect(0, 0, BoardWidth, BoardHeight).contains(p)
                             ? p.y() / CellSize * BoardColumns + p.x() / CellSize
                             : -1;
        const bool left = button == Qt::LeftButton && holder != Hand::Keys, release = action == QTest::MouseRelease;
        Act(
            [&] {
                action == QTest::MouseMove ? QTest::mouseMove(f.Board(), p)
                                           : QTest::mouseEvent(action, f.Board(), button, {}, p);
            },
            left && release && holder == Hand::Mouse,
            [&] {
                if (action == QTest::MouseMove && holder == Hand::Mouse)
                    pressed = Holds(held, cell);
                else if (left && !release && action != QTest::MouseMove)
                    holder = Hand::Mouse, held = GroupAt(model, cell), pressed = !held.empty(), shown = false;
            });
    }

    void Key(int key, bool down, bool autoRepeat)
    {
        const bool press = IsPressKey(key), taken = holder != Hand::Mouse && !(press && autoRepeat);
        Act(
            [&] {
                QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(),
                                autoRepeat);
                QApplication::sendEvent(f.Board(), &event);
            },
            taken && press && !down && holder == Hand::Keys,
            [&] {
                if (!taken || !down) return;
                if (key == Qt::Key_Escape && holder == Hand::Keys) holder = Hand::None, held.clear(), pressed = false;
                if (key == Qt::Key_Escape) return;
                if (!press && shown) cursor = Moved(cursor, key);
                shown = true;
                if (press)
                    holder = Hand::Keys, held = GroupAt(model, cursor), pressed = !held.empty();
                else if (holder == Hand::Keys)
                    pressed = Holds(held, cursor);
            });
    }

    // Sends an event and checks the window against the model: `releases` tells whether the event lets
    // go of the held group, taking it off if it shows pressed, and `update` follows any other change.
    void Act(const std::function<void()>& send, bool releases, const std::function<void()>& update)
    {
        const bool removes = releases && pressed && held.size() > 1;
        const Colours after = removes ? Removed(model, held) : model;
        const bool over = removes && std::none_of(after.begin(), after.end(), [&, i = 0](int) mutable {
                              return Removable(after, i++);
                          });
        // At the end, after any name entry: the retry offer while bricks are left, then the new-game offer unless
        // retried.
        const QString retry = Bricks(after) == 0  ? ""
                              : random.bounded(2) ? "R"
                                                  : "C",
                      answers = retry + (random.bounded(2) ? "Y" : "N");
        f.dialogs.answers = answers, f.dialogs.shown.clear();
        ++events;
        send();
        if (releases)
            holder = Hand::None, held.clear(), pressed = false;
        else
            update();
        model = after;
        QCOMPARE(f.dialogs.shown.filter(QRegularExpression("^(retry|new)$")).join(' '), !over          ? ""
                                                                                        : retry == "R" ? "retry"
                                                                                        : retry == "C" ? "retry new"
                                                                                                       : "new");
        ended += over;
        if (over && retry == "R")
            model = start;
        else if (over && answers.endsWith('Y'))
            Dealt();
        else if (over)
            running = false;
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
            if (brick)
                QVERIFY(brick->Index == i && brick->Left == CellLeft(i) && brick->Top == CellTop(i)
                        && SlotOf(brick->DownPicture, f.window.Pictures()) == model[i] + 5);
            const bool down = pressed && Holds(held, i);
            if (!Shows(screen, i, !brick ? QImage() : (down ? brick->DownPicture : brick->Picture)->Image()))
                QFAIL(qPrintable(QStringLiteral("cell %1 shows the wrong look").arg(i)));
        }
        QCOMPARE(f.window.Game().BricksLeft, Bricks(model));
        QCOMPARE(f.PanelText("Bricks"), QString::number(Bricks(model)));
        QCOMPARE(f.window.Surface().Cursor(), shown ? cursor : -1);
        const QString place = QStringLiteral("column %1, row %2").arg(cursor % 10 + 1).arg(cursor / 10 + 1);
        const QString heard
            = !model[cursor] ? "Empty, " + place
                             : QStringLiteral("%1 brick, %2, group of %3%4")
                                   .arg(QStringList{"", "Grey", "Blue", "Green", "Red", "Yellow"}[model[cursor]], place)
                                   .arg(GroupAt(model, cursor).size())
                                   .arg(pressed && Holds(held, cursor) ? ", pressed" : "");
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Board())->child(cursor)->text(QAccessible::Name), heard);
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
        const int games = qEnvironmentVariableIsSet("PLAY_GAMES") ? qEnvironmentVariableIntValue("PLAY_GAMES") : 80;
        for (int game = 1; game <= games && !QTest::currentTestFailed(); ++game) {
            GameFixture f;
            QRandomGenerator random(game);
            f.random = Random(game, [game] { return std::uint64_t(game); });
            f.Choose("mnuFileNewGame");
            QStringList rows(BoardRows);
            for (int cell = 0; cell < CellCount && game % 3; ++cell)
                rows[RowOf(cell)] += QChar('1' + random.bounded(1 + game % 4));
            if (game % 3) f.StartFrom(rows);
            RandomPlay play(f, game);
            play.Play(game % 5 == 0); // every fifth game from the keyboard alone
            events += play.events, ended += play.ended > 0;
        }
        qInfo("%d games (%d ended), %d events", games, ended, events);
        QVERIFY(ended > games * 9 / 10);
    }

    // Gestures with the left button as d (down), u (up) and m (move) at a cell or o, far outside, and with
    // the right one as D and U; with keys as arrows, "space", "return" and "escape" going down, "/" before
    // them going up, "+" after them auto-repeating, "x" and a count repeating; "retry" from the menu, and
    // "blur" when the board loses the keyboard's focus.
    // After each gesture the keyboard's cursor (- while hidden) and the cells shown pressed.
    void gestures_data()
    {
        QTest::addColumn<QString>("gestures");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("left");
        const QString group = "120 130 131", at130 = "down downx7 leftx4";
        QTest::newRow("off and back on, released: removed")
            << "d130 m132 m0 m120 mo m131 u131"
            << QStringList{"-:" + group, "-:", "-:", "-:" + group, "-:", "-:" + group, "-:"} << 5;
        QTest::newRow("released off the group: kept") << "d130 mo uo" << QStringList{"-:" + group, "-:", "-:"} << 8;
        QTest::newRow("a lone brick only flashes") << "d132 u132" << QStringList{"-:132", "-:"} << 8;
        QTest::newRow("empty cell, right button, no button")
            << "d5 m130 u130 D130 m131 U130 m130" << QStringList(7, "-:") << 8;
        QTest::newRow("right button while the left is held")
            << "d130 D132 U132 u130" << QStringList{"-:" + group, "-:" + group, "-:" + group, "-:"} << 5;
        QTest::newRow("a release lost to another window")
            << "d130 d134 u134" << QStringList{"-:" + group, "-:133 134", "-:"} << 6;
        QTest::newRow("the cursor from the centre to the edges")
            << "right rightx9 upx9 leftx12 downx20" << QStringList{"64:", "69:", "9:", "0:", "130:"} << 8;
        QTest::newRow("space removes, the cursor stays")
            << at130 + " space /space" << QStringList{"64:", "134:", "130:", "130:" + group, "130:"} << 5;
        QTest::newRow("return; off and back on; escape")
            << at130 + " return right right left escape /return"
            << QStringList{"64:",  "134:",         "130:", "130:" + group, "131:" + group,
                           "132:", "131:" + group, "131:", "131:"}
            << 8;
        QTest::newRow("auto-repeat presses and removes nothing more")
            << at130 + " space space+ /space+ /space space+ /space+"
            << QStringList{"64:",          "134:", "130:", "130:" + group, "130:" + group,
                           "130:" + group, "130:", "130:", "130:"}
            << 5;
        QTest::newRow("keys while the mouse holds")
            << "right d132 space /space u132 right" << QStringList{"64:", "-:132", "-:132", "-:132", "-:", "64:"} << 8;
        QTest::newRow("the mouse while a key holds")
            << at130 + " space d133 u133 /space"
            << QStringList{"64:", "134:", "130:", "130:" + group, "130:" + group, "130:" + group, "130:"} << 5;
        QTest::newRow("a new deal while a key is held")
            << at130 + " space retry /space" << QStringList{"64:", "134:", "130:", "130:" + group, "130:", "130:"} << 8;
        QTest::newRow("the board losing the focus")
            << at130 + " space blur /space" << QStringList{"64:", "134:", "130:", "130:" + group, "130:", "130:"} << 8;
    }

    void gestures()
    {
        QFETCH(QString, gestures);
        QFETCH(QStringList, shown);
        GameFixture f;
        f.StartFrom({"1.........", "1123344..."});
        const QHash<QString, int> keys{{"left", Qt::Key_Left},    {"right", Qt::Key_Right}, {"up", Qt::Key_Up},
                                       {"down", Qt::Key_Down},    {"space", Qt::Key_Space}, {"return", Qt::Key_Return},
                                       {"escape", Qt::Key_Escape}};
        for (int step = 0; step < shown.size(); ++step) {
            const QString gesture = gestures.section(' ', step, step),
                          name = gesture.section('x', 0, 0).remove('/').remove('+');
            const QPoint at = gesture.mid(1) == "o" ? QPoint(-40, 500) : Centre(gesture.mid(1).toInt());
            QFocusEvent blur(QEvent::FocusOut);
            if (gesture == "retry")
                f.Choose("mnuFileRetry");
            else if (gesture == "blur")
                QApplication::sendEvent(f.Board(), &blur);
            else if (!keys.contains(name) && gesture[0] == 'm')
                QTest::mouseMove(f.Board(), at);
            else if (!keys.contains(name))
                QTest::mouseEvent(gesture[0].toLower() == 'd' ? QTest::MousePress : QTest::MouseRelease, f.Board(),
                                  gesture[0].isUpper() ? Qt::RightButton : Qt::LeftButton, {}, at);
            for (int times = qMax(1, gesture.section('x', 1).toInt()); keys.contains(name) && times > 0; --times) {
                QKeyEvent event(gesture.startsWith('/') ? QEvent::KeyRelease : QEvent::KeyPress, keys[name],
                                Qt::NoModifier, QString(), gesture.endsWith('+'));
                QApplication::sendEvent(f.Board(), &event);
            }
            QStringList pressed;
            for (int i = 0; i < CellCount; ++i)
                if (f.window.Game().Board[i]
                    && Shows(f.window.Surface().Picture(), i, f.window.Game().Board[i]->DownPicture->Image()))
                    pressed << QString::number(i);
            const int cursor = f.window.Surface().Cursor();
            QCOMPARE((cursor < 0 ? "-" : QString::number(cursor)) + ':' + pressed.join(' '), shown[step]);
        }
        QTEST(f.window.Game().BricksLeft, "left");
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    // Each game ends at the first click, on the first pair of its bottom row. The record for the bricks
    // left as "seconds name", before and after; answers as letters (see ScriptedDialogs).
    void endOfGame_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>(
            "before"); // "-" for a store that cannot be written; "+" saved while the name is asked
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("dialogues");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("left"); // once the answers are given
        QTest::addColumn<bool>("running");
        const QStringList twelve{"2345......", "3451234511"}, seven{"112345234."}, none{"11"};
        QTest::newRow("12 left, new game") << twelve << "" << 30.0 << "CY"
                                           << "retry new"
                                           << "" << 140 << true;
        QTest::newRow("12 left, retry") << twelve << "" << 30.0 << "R"
                                        << "retry"
                                        << "" << 14 << true;
        QTest::newRow("12 left, neither") << twelve << "" << 30.0 << "CN"
                                          << "retry new"
                                          << "" << 12 << false;
        QTest::newRow("10 left: no record") << QStringList{"23........", "3451234511"} << "" << 30.0 << "CN"
                                            << "retry new"
                                            << "" << 10 << false;
        QTest::newRow("first record") << seven << "" << 83.0 << "R"
                                      << "name 133 retry"
                                      << "83 Ada" << 9 << true;
        QTest::newRow("equal time") << seven << "83 Bo" << 83.0 << "CN"
                                    << "retry new"
                                    << "83 Bo" << 7 << false;
        QTest::newRow("worse time") << seven << "60 Bo" << 83.0 << "CN"
                                    << "retry new"
                                    << "60 Bo" << 7 << false;
        QTest::newRow("better time") << seven << "90 Bo" << 83.0 << "CN"
                                     << "name 133 retry new"
                                     << "83 Ada" << 7 << false;
        QTest::newRow("equal to the second") << seven << "83 Bo" << 83.6 << "CN"
                                             << "retry new"
                                             << "83 Bo" << 7 << false;
        QTest::newRow("beaten meanwhile") << seven << "+60 Bo" << 83.0 << "OCN"
                                          << "name 133 beaten retry new"
                                          << "60 Bo" << 7 << false;
        QTest::newRow("board cleared") << none << "" << 5.0 << "N"
                                       << "name 140 new"
                                       << "5 Ada" << 0 << false;
        QTest::newRow("unwritable store") << seven << "-" << 83.0 << "OCN"
                                          << "name 133 unsaved retry new"
                                          << "" << 7 << false;
    }

    void endOfGame()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, before);
        QFETCH(double, seconds);
        GameFixture f;
        const int left = int(rows.join("").count(QRegularExpression("\\d"))) - 2;
        Settings settings(f.store);
        const auto save = [&] {
            settings.SaveBestRecord(left, before.section(' ', 0, 0).remove('+').toDouble() / SecondsPerDay,
                                    before.section(' ', 1));
        };
        if (before == "-")
            QVERIFY(QFile(f.folder.filePath("Vondrel")).open(QIODevice::WriteOnly)); // where the store's folder belongs
        else if (before.startsWith('+'))
            f.dialogs.whileAsked = save;
        else if (!before.isEmpty())
            save();
        f.StartFrom(rows);
        f.clock.AdvanceSeconds(seconds);
        QFETCH(QString, answers);
        f.dialogs.answers = answers, f.dialogs.name = "Ada";
        QTest::mouseClick(f.Board(), Qt::LeftButton, {},
                          Centre(130 + int(rows.last().indexOf(QRegularExpression("(\\d)\\1")))));
        QTEST(f.dialogs.shown.join(' '), "dialogues");
        QTEST(settings.GetBestTime(left) > 0 ? QStringLiteral("%1 %2")
                                                   .arg(settings.GetBestTime(left) * SecondsPerDay)
                                                   .arg(settings.GetBestName(left))
                                             : "",
              "after");
        QTEST(f.window.Game().BricksLeft, "left");
        QTEST(f.window.findChild<QTimer*>()->isActive(), "running");
        f.Choose("mnuFileRetry"); // a retry from the menu starts the clock again
        QVERIFY(f.window.findChild<QTimer*>()->isActive());
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
