// Random games through the window's own mouse and key handlers on the offscreen platform, checked after
// every event against a simple model of the rules, the pointer, the keys, the clock and the records; and the deals.
#include "fixture.h"

#include "scores/settings.h"

#include <QAccessible>
#include <QPainter>
#include <QRandomGenerator>
#include <QTime>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <map>
#include <optional>

namespace {

using Colours = std::array<int, CellCount>; // 0 for an empty cell

bool Holds(const std::vector<int>& cells, int cell)
{
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// The simplest flood fill: the cell's brick and every brick of its colour beside it, and so on.
std::vector<int> GroupAt(const Colours& c, int cell)
{
    std::vector<int> group;
    if (cell >= 0 && c[cell]) group.push_back(cell);
    for (std::size_t k = 0; k < group.size(); ++k) {
        const int i = group[k];
        for (const int j : {i - 10, i + 10, i % 10 ? i - 1 : -1, i % 10 < 9 ? i + 1 : -1})
            if (j >= 0 && j < CellCount && c[j] == c[i] && !Holds(group, j)) group.push_back(j);
    }
    return group;
}

bool Over(const Colours& c)
{
    for (int i = 0; i < CellCount; ++i)
        if (GroupAt(c, i).size() > 1) return false;
    return true;
}

// Takes the group off, lets every column drop to the bottom and packs the columns to the left.
Colours Removed(Colours c, const std::vector<int>& group)
{
    Colours after{};
    for (const int cell : group) c[cell] = 0;
    for (int column = 0, target = 0; column < BoardColumns; ++column) {
        int row = BoardRows;
        for (int i = CellCount - BoardColumns + column; i >= 0; i -= BoardColumns)
            if (c[i]) after[--row * BoardColumns + target] = c[i];
        target += row < BoardRows;
    }
    return after;
}

int Count(const Colours& c)
{
    return int(CellCount - std::count(c.begin(), c.end(), 0));
}

// The cell at a column and row, the nearest on the board.
int CellAt(int column, int row)
{
    return std::clamp(row, 0, BoardRows - 1) * BoardColumns + std::clamp(column, 0, BoardColumns - 1);
}

// The cover of a paused game, over a board without a brick.
const QImage& EmptyBoardPaused()
{
    static const QImage cover = [] {
        GameFixture f;
        f.StartFrom({});
        f.Choose("mnuFilePause");
        return f.Board()->grab().toImage();
    }();
    return cover;
}

QString Clock(qint64 seconds)
{
    return QTime(0, 0).addSecs(int(seconds % 86400)).toString("hh:mm:ss");
}

// Gestures with any button anywhere, or with the keys; the menus now and then, mid-press too, the desktop's wish for
// less motion, and in some games pauses, time passing while paused; moves taken back and done again, mid-game, after
// the end, while a press is held and around a pause. At a game's end the record is first set worse, equal, better or
// to none, a rival may save one while the name is asked or the store fail, and every dialogue is answered at random.
// After every event the window agrees with the model: each brick at rest on its cell in its colour, each cell's look
// on screen with the keyboard's cursor over it, pressed exactly for the group held, or the cover of a pause, the
// count, the clock, the record kept without the pauses, the items that can be chosen, and what a screen reader hears.
struct RandomPlay {
    enum class Hand { None, Mouse, Keys };
    enum class Start { Given, Dealt, Retried };
    GameFixture& f;
    QRandomGenerator random;
    std::map<int, int>& endings; // games ended, by the bricks left
    Settings records{f.store};
    Colours model{}, start{};
    std::vector<int> held;    // the group the left button or a press key went down on
    std::vector<int> removed; // the group just let go of, until the first frame
    Hand holder = Hand::None; // which of them holds it
    struct Step {
        Colours board;
        int cursor; // where the keyboard's cursor was shown at the removal, or -1
    };
    std::vector<Step> undoable, redoable;
    bool pressed = false; // whether it shows pressed
    int cursor = 64;      // the keyboard's cursor, up and left of the board's centre
    bool shown = false, symbols = false, running = true, paused = false;
    bool still = false;                                // the desktop asks for less motion
    std::optional<QRandomGenerator> pauses;            // in some games, when to pause and go on
    qint64 elapsed = 0;                                // milliseconds played since the deal
    QString clock = "Time:";                           // what the clock shows
    QString played;                                    // what it showed at the last event of this game
    QStringList heard;                                 // what the board told a screen reader since the last event
    std::pair<int, std::pair<qint64, QString>> record; // for the bricks left at the last end, seconds and name
    QChar outcome; // how the last game went on: R(etried), Y (a new one) or N (none)
    int ended = 0;

    RandomPlay(GameFixture& f, quint32 seed, std::map<int, int>& endings) : f(f), random(seed), endings(endings)
    {
        // Late frames of every size, yet no real time spent. A removed group is off the screen before the first
        // frame of the fall; the count changes only after the animation.
        f.ticks.onSleep = [this] {
            QVERIFY(!still); // a move's end at once, in one frame
            this->f.ticks.now += random.bounded(48U);
            for (const int cell : std::exchange(removed, {}))
                QCOMPARE(this->f.window.Surface().Picture().pixel(CellLeft(cell) + 16, CellTop(cell) + 16),
                         BoardColour());
            QCOMPARE(this->f.PanelText("Bricks"), QString::number(Count(model)));
        };
        Started(Start::Given);
        f.window.ReduceMotion(still = seed % 3 == 0);
        if (seed % 4 == 2) pauses.emplace(~seed);
        ListenToBoard(heard);
    }
    ~RandomPlay()
    {
        f.ticks.onSleep = nullptr;
        QAccessible::installUpdateHandler(nullptr);
    }

    // The start of a game on a position set up by hand, on a new deal (a full board, not the last one), or again.
    void Started(Start how)
    {
        for (int i = 0; i < CellCount; ++i) {
            const BrickRef& brick = f.window.Game().Board[i];
            model[i] = how == Start::Retried ? start[i] : brick ? SlotOf(brick->Picture, f.window.Pictures()) : 0;
        }
        if (how == Start::Dealt) {
            QCOMPARE(Count(model), CellCount);
            QVERIFY(model != start);
        }
        start = model;
        Drop();
        undoable.clear();
        redoable.clear();
        running = true;
        paused = false;
        elapsed = 0;
        played.clear();
    }

    // Nothing held.
    void Drop()
    {
        holder = Hand::None;
        held.clear();
        pressed = false;
    }

    // Mostly on a group that can go, or a game with few bricks left would hardly end.
    QPoint RandomPoint()
    {
        const int kind = random.bounded(10);
        if (kind == 0) return {random.bounded(-3000, 3000), random.bounded(-3000, 3000)};
        if (kind == 1)
            return {std::array{-1, 0, 319, 320}[random.bounded(4)], std::array{-1, 1, 447, 448}[random.bounded(4)]};
        if (kind < 5)
            return {random.bounded(BoardWidth), 1 + random.bounded(BoardHeight - 1)}; // (0, 0) means the middle
        std::vector<int> removable{0};
        for (int i = 0; i < CellCount; ++i)
            if (GroupAt(model, i).size() > 1) removable.push_back(i);
        const int cell = removable[random.bounded(int(removable.size()))];
        return {CellLeft(cell) + random.bounded(CellSize), CellTop(cell) + 1 + random.bounded(CellSize - 1)};
    }

    // Gestures until the game has ended and a few more.
    void Play(bool keysOnly)
    {
        for (int after = 3, budget = 3000; after > 0 && budget-- > 0 && !QTest::currentTestFailed();) {
            if (paused && pauses->bounded(3) == 0) Pause();
            // Most of all at the end: the one way back into a game that has ended.
            if (random.bounded(running ? 20 : 2) == 0) TakeStep(random.bounded(2));
            keysOnly || random.bounded(3) == 0 ? KeyGesture() : MouseGesture();
            const int milliseconds = random.bounded(3000);
            f.clock.AdvanceSeconds(milliseconds / 1000.0);
            elapsed += paused || !running ? 0 : milliseconds;
            after -= ended > 0;
        }
        Mouse(QTest::MouseRelease, Qt::LeftButton, {1, 1}); // whatever the last gesture left held
    }

    // Any button, pressed or double-clicked, moved about, released where it went down, elsewhere, or never.
    void MouseGesture()
    {
        const auto button
            = std::array{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[random.bounded(4)];
        const QPoint first = RandomPoint();
        Mouse(random.bounded(10) ? QTest::MousePress : QTest::MouseDClick, button, first);
        for (int moves = random.bounded(4); moves > 0; --moves) Mouse(QTest::MouseMove, button, RandomPoint());
        if (random.bounded(3) == 0) Mouse(QTest::MouseMove, button, first);
        MaybeChooseMenu();
        if (random.bounded(20)) Mouse(QTest::MouseRelease, button, random.bounded(4) ? first : RandomPoint());
    }

    // Arrows towards a cell and a press key held there; now and then auto-repeats, arrows on the way, Escape,
    // the board losing the focus, or a release that never comes.
    void KeyGesture()
    {
        const QPoint target = RandomPoint();
        const int goal = CellAt(target.x() / CellSize, target.y() / CellSize);
        for (int steps = 0; cursor != goal && steps < 30; ++steps) {
            const int towards = goal % 10 != cursor % 10 ? (goal % 10 < cursor % 10 ? Qt::Key_Left : Qt::Key_Right)
                                                         : (goal < cursor ? Qt::Key_Up : Qt::Key_Down);
            Key(random.bounded(8) ? towards : Qt::Key_Left + random.bounded(4), true, random.bounded(4) == 0);
        }
        const int press = random.bounded(2) ? Qt::Key_Space : Qt::Key_Return;
        Key(press, true, false);
        if (random.bounded(5) == 0) Key(press, true, true), Key(press, false, true);
        for (int moves = random.bounded(3); moves > 0; --moves) Key(Qt::Key_Left + random.bounded(4), true, false);
        if (random.bounded(10) == 0) Key(random.bounded(2) ? Qt::Key_Escape : 0, true, false);
        MaybeChooseMenu();
        if (random.bounded(20)) Key(press, false, false);
    }

    // A menu item chosen from the keyboard, while a press may be held: a new deal drops it, and so does a pause.
    void MaybeChooseMenu()
    {
        if (pauses && pauses->bounded(40) == 0) Pause();          // a player called away, or back
        if (random.bounded(50) == 0) TakeStep(random.bounded(2)); // a press held is taken back
        if (random.bounded(100)) return;
        const QString item = std::array{"mnuFileNewGame", "mnuFileRetry", "mnuViewStatusbar", "mnuViewSymbols",
                                        "less motion"}[random.bounded(5)];
        item == "less motion" ? f.window.ReduceMotion(still = !still) : f.Choose(item);
        if (item.startsWith("mnuFile")) Started(item.endsWith("Retry") ? Start::Retried : Start::Dealt);
        symbols ^= item == "mnuViewSymbols";
        Verify();
    }

    // The pause chosen, or the key P: a press held is taken back; time goes on, but not the time played.
    void Pause()
    {
        f.Choose("mnuFilePause");
        paused = running && !paused;
        if (paused) Drop();
        Verify();
    }

    // Undo, or Redo: a press held is taken back, the board is as it was before the last removal or after the last
    // taken back, with the cursor on the cell it had then, and a game that had ended goes on. Done again, the move
    // that ended a game ends it again.
    void TakeStep(bool back)
    {
        std::vector<Step>& from = back ? undoable : redoable;
        std::vector<Step>& to = back ? redoable : undoable;
        const bool can = !paused && !from.empty();
        const Step step = can ? from.back() : Step{model, -1};
        if (can) {
            from.pop_back();
            to.push_back({model, step.cursor});
        }
        const int moved = qAbs(Count(model) - Count(step.board));
        const QString told
            = back ? "Move undone: %1 bricks back, %2 left." : "Move done again: %1 bricks removed, %2 left.";
        QString expected = told.arg(moved).arg(Count(step.board));
        Change(
            step.board, can && !back, [&] { f.Choose(back ? "mnuMoveUndo" : "mnuMoveRedo"); },
            [&] {
                if (!can) return;
                Drop();
                running = true;
                shown = shown || step.cursor >= 0;
                cursor = step.cursor >= 0 ? step.cursor : cursor;
                model = step.board;
                if (shown) expected += ' ' + Heard();
            });
        // Said once, whatever follows: the end of the game, a new deal.
        QCOMPARE(heard.filter(QRegularExpression("^Move ")), can ? QStringList{expected} : QStringList());
    }

    void Mouse(QTest::MouseAction action, Qt::MouseButton button, QPoint p)
    {
        const int cell = QRect(0, 0, BoardWidth, BoardHeight).contains(p) ? p.y() / 32 * 10 + p.x() / 32 : -1;
        const bool left = button == Qt::LeftButton && holder != Hand::Keys, move = action == QTest::MouseMove;
        const bool release = action == QTest::MouseRelease;
        Act([&] { move ? QTest::mouseMove(f.Board(), p) : QTest::mouseEvent(action, f.Board(), button, {}, p); },
            left && release && holder == Hand::Mouse,
            [&] {
                if (paused) { // a left press goes on, and nothing of its click reaches the game
                    paused = !(left && !release && !move);
                    return;
                }
                if (move && holder == Hand::Mouse) pressed = Holds(held, cell);
                if (left && !release && !move)
                    holder = Hand::Mouse, held = GroupAt(model, cell), pressed = !held.empty(), shown = false;
            });
    }

    // A key going down or up; key 0 stands for the board losing the keyboard's focus.
    void Key(int key, bool down, bool autoRepeat)
    {
        const bool press = key == Qt::Key_Space || key == Qt::Key_Return, escape = key == Qt::Key_Escape || key == 0;
        const bool taken = !paused && holder != Hand::Mouse && !(press && autoRepeat);
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        QFocusEvent blur(QEvent::FocusOut);
        Act([&] { QApplication::sendEvent(f.Board(), key == 0 ? static_cast<QEvent*>(&blur) : &event); },
            taken && press && !down && holder == Hand::Keys,
            [&] {
                if (!taken || !down) return;
                if (escape && holder == Hand::Keys) holder = Hand::None, held.clear(), pressed = false;
                if (escape) return;
                const int across = (key == Qt::Key_Right) - (key == Qt::Key_Left);
                const int below = (key == Qt::Key_Down) - (key == Qt::Key_Up);
                if (!press && shown) cursor = CellAt(cursor % 10 + across, cursor / 10 + below);
                shown = true;
                if (press && holder == Hand::None)
                    holder = Hand::Keys, held = GroupAt(model, cursor), pressed = !held.empty();
                if (!press && holder == Hand::Keys) pressed = Holds(held, cursor);
            });
    }

    // Sends an event and checks the window against the model: `releases` tells whether the event lets go of the
    // held group, taking it off if it shows pressed, and `update` follows any other change.
    void Act(const std::function<void()>& send, bool releases, const std::function<void()>& update)
    {
        const bool removes = releases && pressed && held.size() > 1;
        if (removes) {
            removed = held;
            undoable.push_back({model, shown ? cursor : -1});
            redoable.clear();
        }
        Change(removes ? Removed(model, held) : model, removes, send, releases ? [this] { Drop(); } : update);
    }

    // Sends an event that leaves the board `after`, a move that may end the game when `moves`, and checks the
    // window against the model once `update` has followed the event's other changes.
    void Change(const Colours& after, bool moves, const std::function<void()>& send,
                const std::function<void()>& update)
    {
        const bool over = moves && Over(after);
        const QString expected = over ? EndOfGame(Count(after)) : "";
        f.dialogs.shown.clear();
        heard.clear();
        send();
        update();
        model = after;
        QCOMPARE(f.dialogs.shown.join(' '), expected);
        if (over) {
            QCOMPARE(qRound64(records.GetBestTime(record.first) * SecondsPerDay), record.second.first);
            QCOMPARE(records.GetBestName(record.first), record.second.second);
            if (outcome != 'N') Started(outcome == 'R' ? Start::Retried : Start::Dealt);
            running = outcome != 'N';
        }
        f.Writable(true);
        f.dialogs.whileAsked = nullptr;
        Verify();
    }

    // Before the move that ends the game with `left` bricks: sets the stored record, the store and the answers,
    // and tells the record to expect afterwards and the dialogues to come.
    QString EndOfGame(int left)
    {
        ++endings[left], ++ended;
        QStringList dialogues;
        const qint64 seconds = elapsed / 1000; // cut to whole seconds, as the clock shows them
        const qint64 stored = std::max<qint64>(0, seconds + random.bounded(-1, 2)) * random.bounded(2); // 0: none
        record = {left, {stored, "Bo"}};
        f.store.Change("Vondrel", QStringLiteral("Bricks(%1)").arg(left),
                       [&](SettingsStore::Section& kept) { kept.Set("Time", Clock(stored)), kept.Set("Name", "Bo"); });
        if (left < 10 && (stored == 0 || seconds < stored)) {
            dialogues << QStringLiteral("name %1").arg(CellCount - left);
            const int fate = random.bounded(5), rival = int(seconds * random.bounded(1.0)) + 1;
            if (fate == 0) f.Writable(false), dialogues << "unsaved";
            if (fate == 1 && seconds > 0) {
                f.dialogs.whileAsked = [=, this] { records.SaveBestRecord(left, rival / SecondsPerDay, "Rival"); };
                dialogues << "beaten", record.second = {rival, "Rival"};
            } else if (fate > 0) {
                record.second = {seconds, "Ada"};
            }
        }
        const bool warned = dialogues.size() > 1, retried = left > 0 && random.bounded(2);
        outcome = retried ? 'R' : random.bounded(2) ? 'Y' : 'N';
        f.dialogs.answers = warned ? "O" : "";
        if (left > 0) f.dialogs.answers += retried ? 'R' : 'C', dialogues << "retry";
        if (!retried) f.dialogs.answers += outcome, dialogues << "new";
        return dialogues.join(' ');
    }

    void Verify()
    {
        // The board as presented, and the keyboard's cursor as the widget draws it over its cell.
        const QImage& screen = f.window.Surface().Picture();
        QImage expected(screen.size(), QImage::Format_RGB32);
        expected.fill(BoardColour());
        QPainter paint(&expected);
        for (int i = 0; i < CellCount; ++i) {
            const BrickRef& brick = f.window.Game().Board[i];
            QVERIFY(!brick == !model[i] && (!brick || brick->Index == i));
            const int slot = model[i] + (pressed && Holds(held, i) ? 5 : 0);
            if (model[i]) paint.drawImage(CellLeft(i), CellTop(i), f.window.Pictures()[slot]->Image(CellSize, symbols));
        }
        paint.end();
        // Byte for byte, quicker than comparing colours: both are opaque throughout.
        QVERIFY2(screen.size() == expected.size()
                     && std::memcmp(screen.constBits(), expected.constBits(), expected.sizeInBytes()) == 0,
                 "the board does not look as the model says");
        if (paused) { // not a pixel of a brick: the cover of a board without any
            QVERIFY(f.Board()->grab().toImage() == EmptyBoardPaused());
        } else if (shown) { // a black frame, a white one inside it
            const QRect area(CellLeft(cursor), CellTop(cursor), CellSize, CellSize);
            QImage framed = expected.copy(area);
            QPainter frame(&framed);
            frame.fillRect(0, 0, 32, 32, Qt::black), frame.fillRect(2, 2, 28, 28, Qt::white);
            frame.drawImage(4, 4, expected.copy(area.adjusted(4, 4, -4, -4)));
            frame.end();
            QCOMPARE(f.Board()->grab(area).toImage().convertToFormat(QImage::Format_RGB32), framed);
        }
        QCOMPARE(f.PanelText("Bricks"), QString::number(Count(model)));
        QCOMPARE(f.window.Surface().Cursor(), shown ? cursor : -1);
        auto* timer = f.window.findChild<QTimer*>();
        QCOMPARE(timer->isActive(), running && !paused);
        QCOMPARE(Item("mnuFilePause")->isChecked(), paused);
        QCOMPARE(Item("mnuFilePause")->isEnabled(), running);
        QCOMPARE(Item("mnuMoveUndo")->isEnabled(), !paused && !undoable.empty());
        QCOMPARE(Item("mnuMoveRedo")->isEnabled(), !paused && !redoable.empty());
        if (running) clock = Clock(elapsed / 1000); // at a pause, as it stood
        if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(f.PanelText("Time"), clock);
        QVERIFY2(clock >= played, "the time played went back"); // hh:mm:ss in order, also across an undo
        played = clock;
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Board())->child(cursor)->text(QAccessible::Name), Heard());
    }

    const QAction* Item(const char* name) const { return f.window.findChild<QAction*>(name); }

    // The name of the cursor's cell, as a screen reader hears it.
    QString Heard() const
    {
        const QString place = QStringLiteral("column %1, row %2").arg(cursor % 10 + 1).arg(cursor / 10 + 1);
        const QString colour = QStringList{"", "Grey", "Blue", "Green", "Red", "Yellow"}[model[cursor]];
        if (paused) return "Paused, " + place;
        if (!model[cursor]) return "Empty, " + place;
        const QString group = QString::number(GroupAt(model, cursor).size());
        return QStringLiteral("%1 brick, %2, group of %3%4")
            .arg(colour, place, group, pressed && Holds(held, cursor) ? ", pressed" : "");
    }
};

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    // Deals in a row under one clock reading, as within one board in the game: the reseeds must still give fresh
    // runs. Every colour comes a fifth of the time, and a cell starts a run every other cell (runs of one to three,
    // on across the rows' ends), of another colour four times in five: neighbours in reading order differ 40 % of
    // the time. Another clock reading, another deal.
    void dealsAreFreshRuns()
    {
        const auto deal = [](Random& random) {
            GameState game;
            game.GenerateBoard(random, Looks());
            QString colours;
            for (const BrickRef& brick : game.Board) colours += QChar('0' + SlotOf(brick->Picture));
            return colours;
        };
        constexpr int Deals = 300;
        Random random(99, [] { return std::uint64_t{5}; }), other(99, [] { return std::uint64_t{6}; });
        QString previous = deal(other), dealt;
        std::map<QChar, int> colours;
        int changes = 0;
        for (int n = 0; n < Deals; ++n, previous = dealt) {
            dealt = deal(random);
            QVERIFY(dealt != previous);
            for (int i = 0; i < CellCount; ++i) ++colours[dealt[i]], changes += i > 0 && dealt[i] != dealt[i - 1];
        }
        const double changed = changes / double(Deals * (CellCount - 1));
        QVERIFY2(qAbs(changed - 0.4) < 0.015, qPrintable(QString::number(changed)));
        for (const auto& [colour, count] : colours)
            QVERIFY(colour >= '1' && colour <= '5' && qAbs(count / double(Deals * CellCount) - 0.2) < 0.01);
    }

    // Deals of the game's own, and boards of one to four colours on a random number of rows, so that games end
    // with every number of bricks left; every fifth game from the keyboard alone.
    void randomGamesFollowTheModel()
    {
        std::map<int, int> endings;
        const int games = qEnvironmentVariableIsSet("PLAY_GAMES") ? qEnvironmentVariableIntValue("PLAY_GAMES") : 80;
        for (int game = 1; game <= games && !QTest::currentTestFailed(); ++game) {
            GameFixture f;
            QRandomGenerator random(game);
            f.random = Random(game, [game] { return std::uint64_t(game); });
            f.Choose("mnuFileNewGame");
            QStringList rows(1 + random.bounded(BoardRows), "");
            for (QString& row : rows)
                while (game % 3 && row.size() < BoardColumns) row += QChar('1' + random.bounded(1 + game % 4));
            if (game % 3) f.StartFrom(rows);
            RandomPlay(f, game, endings).Play(game % 5 == 0);
        }
        for (int left = 0; left <= 10; ++left)
            QVERIFY2(endings[left] > 0, qPrintable(QString("none with %1 left").arg(left)));
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
