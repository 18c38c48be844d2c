// Random games through the window's own mouse and key handlers on the offscreen platform, on every kind of board,
// checked after every event against a simple model of the rules, the pointer, the keys, the clock and the records;
// and the deals, at random and by their numbers.
#include "fixture.h"

#include "board/deal_sequence.h"
#include "scores/settings.h"

#include <QAccessible>
#include <QPainter>
#include <QRandomGenerator>
#include <QTime>
#include <QTimer>
#include <QtTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <cstring>
#include <map>
#include <optional>

namespace {

using Colours = std::vector<int>; // a colour a cell, 0 for an empty one

bool Holds(const std::vector<int>& cells, int cell)
{
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// The cell at a column and row, the nearest on the board.
int CellAt(const Geometry& shape, int column, int row)
{
    return std::clamp(row, 0, shape.Rows() - 1) * shape.Columns() + std::clamp(column, 0, shape.Columns() - 1);
}

// The simplest flood fill: the cell's brick and every brick of its colour beside it, and so on.
std::vector<int> GroupAt(const Geometry& shape, const Colours& c, int cell)
{
    std::vector<int> group;
    if (cell >= 0 && c[cell]) group.push_back(cell);
    for (std::size_t k = 0; k < group.size(); ++k) {
        const int column = group[k] % shape.Columns(), row = group[k] / shape.Columns();
        for (const auto& [across, below] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int j = CellAt(shape, column + across, row + below);
            if (c[j] == c[group[k]] && !Holds(group, j)) group.push_back(j);
        }
    }
    return group;
}

bool Over(const Geometry& shape, const Colours& c)
{
    for (int i = 0; i < shape.CellCount(); ++i)
        if (GroupAt(shape, c, i).size() > 1) return false;
    return true;
}

// Takes the group off, lets every column drop to the bottom and packs the columns to the left.
Colours Removed(const Geometry& shape, Colours c, const std::vector<int>& group)
{
    Colours after(c.size(), 0);
    for (const int cell : group) c[cell] = 0;
    for (int column = 0, target = 0; column < shape.Columns(); ++column) {
        int row = shape.Rows();
        for (int i = shape.CellCount() - shape.Columns() + column; i >= 0; i -= shape.Columns())
            if (c[i]) after[--row * shape.Columns() + target] = c[i];
        target += row < shape.Rows();
    }
    return after;
}

int Count(const Colours& c)
{
    return int(c.size() - std::count(c.begin(), c.end(), 0));
}

// A board's colours as digits, in reading order, 0 for an empty cell.
QString Digits(const Cells& board, const PictureSlots& looks = Looks())
{
    QString colours;
    for (const BrickRef& brick : board) colours += QChar('0' + (brick ? SlotOf(brick->Picture, looks) : 0));
    return colours;
}

QString Clock(qint64 seconds)
{
    return QTime(0, 0).addSecs(int(seconds % 86400)).toString("hh:mm:ss");
}

const QString Notice = "Paused. Press P or click to continue.";
const QString Hint = "Arrow keys move, Space or Return removes a group.";

const std::array<const char*, 3> SizeItems{"mnuFileBoardSmall", "mnuFileBoardNormal", "mnuFileBoardLarge"};

// Notes what a screen reader is told from now on, as one does: what the board says, and the new names of the status
// bar's panels.
void ListenToBoard(QStringList& heard)
{
    static QStringList* into = nullptr;
    into = &heard;
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as when a screen reader asks
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QAccessibleInterface* source = event->accessibleInterface();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            *into << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
        if ((event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
            || (event->type() == QAccessible::NameChanged && qobject_cast<QLabel*>(event->object())))
            *into << source->text(QAccessible::Name);
    });
}

// Gestures with any button anywhere, or with the keys; the menus now and then, mid-press too, another kind of board,
// the desktop's wish for less motion, and in some games pauses, time passing while paused; moves taken back and done
// again, mid-game, after the end, while a press is held and around a pause. At a game's end the record is first set
// worse, equal, better or to none, a rival may save one while the name is asked or the store fail, and every
// dialogue is answered at random. After every event the window agrees with the model: each brick at rest on its cell
// in its colour, each cell's look on screen with the keyboard's cursor over it, pressed exactly for the group held,
// or the cover of a pause, the count, the clock, the record kept without the pauses, the items that can be chosen,
// and what a screen reader hears.
struct RandomPlay {
    enum class Hand { None, Mouse, Keys };
    enum class Start { Given, Dealt, Retried, Numbered };
    GameFixture& f;
    QRandomGenerator random;
    std::map<int, int>& endings; // games ended, by the bricks left
    Settings records{f.store};
    Geometry shape{0, 0};
    const char* size = nullptr; // the items of the board's size and number of colours
    QString colours = QStringLiteral("mnuFileBoardColours%1").arg(f.window.Game().Kind().colours);
    Colours model, start;
    std::vector<int> held;    // the group the left button or a press key went down on
    std::vector<int> removed; // the group just let go of, until the first frame
    Hand holder = Hand::None; // which of them holds it
    struct Step {
        Colours board;
        int cursor; // where the keyboard's cursor was shown at the removal, or -1
    };
    std::vector<Step> undoable, redoable;
    bool pressed = false; // whether it shows pressed
    int cursor = 0;       // the keyboard's cursor
    bool shown = false, symbols = false, running = true, paused = false;
    bool hint = true;                                  // whether the board still gives its hint
    bool dealt = false;                                // whether the game's start is the board of its number
    bool still = false;                                // the desktop asks for less motion
    std::optional<QRandomGenerator> pauses;            // in some games, when to pause and go on
    qint64 elapsed = 0;                                // milliseconds played since the deal
    QString clock = "Time:";                           // what the clock shows
    QString played;                                    // what it showed at the last event of this game
    QStringList heard;                                 // what the board told a screen reader since the last event
    std::pair<int, std::pair<qint64, QString>> record; // for the bricks left at the last end, seconds and name
    QChar outcome; // how the last game went on: R(etried), Y (a new one) or N (none)
    int ended = 0;
    QTimer* timer = f.window.findChild<QTimer*>();
    QImage emptyCell{CellSize, CellSize, QImage::Format_RGB32};

    RandomPlay(GameFixture& f, quint32 seed, std::map<int, int>& endings) : f(f), random(seed), endings(endings)
    {
        // Late frames of every size, yet no real time spent. A removed group is off the screen before the first
        // frame of the fall; the count changes only after the animation.
        f.ticks.onSleep = [this] {
            QVERIFY(!still); // a move's end at once, in one frame
            this->f.ticks.now += random.bounded(48U);
            for (const int cell : std::exchange(removed, {}))
                QCOMPARE(this->f.window.Surface().Picture().pixel(shape.CellLeft(cell) + 16, shape.CellTop(cell) + 16),
                         BoardColour());
            QCOMPARE(this->f.PanelText("Bricks"), QString::number(Count(model)));
        };
        emptyCell.fill(BoardColour());
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
    // On a board of another size, the cursor is gone, to come back in the middle.
    void Started(Start how)
    {
        const Cells& board = f.window.Game().Board;
        if (board.Shape() != shape) {
            shape = board.Shape();
            size = SizeItems[std::find(BoardSizes.begin(), BoardSizes.end(), shape) - BoardSizes.begin()];
            cursor = shape.IndexOf((shape.Columns() - 1) / 2, (shape.Rows() - 1) / 2);
            shown = false;
        }
        model.assign(shape.CellCount(), 0);
        for (int i = 0; i < shape.CellCount(); ++i)
            model[i] = how == Start::Retried ? start[i] : board[i] ? SlotOf(board[i]->Picture, f.window.Pictures()) : 0;
        // A deal at random, under the one clock reading of the game's generator, is a fresh one all the same.
        if (how == Start::Dealt) QVERIFY(model != start);
        if (how != Start::Given) QCOMPARE(Count(model), how == Start::Retried ? Count(start) : shape.CellCount());
        dealt = how == Start::Dealt || how == Start::Numbered || (dealt && how == Start::Retried);
        start = model;
        Drop();
        undoable.clear();
        redoable.clear();
        running = true;
        paused = false;
        elapsed = 0;
        played.clear();
    }

    // Nothing held, or the group of the cell held, shown pressed.
    void Drop() { Hold(Hand::None, -1); }
    void Hold(Hand hand, int cell)
    {
        holder = hand;
        held = GroupAt(shape, model, cell);
        pressed = !held.empty();
    }

    // Mostly on a group that can go, or a game with few bricks left would hardly end.
    QPoint RandomPoint()
    {
        const int kind = random.bounded(10);
        const int width = shape.Width(), height = shape.Height();
        if (kind == 0) return {random.bounded(-3000, 3000), random.bounded(-3000, 3000)};
        if (kind == 1)
            return {std::array{-1, 0, width - 1, width}[random.bounded(4)],
                    std::array{-1, 1, height - 1, height}[random.bounded(4)]};
        if (kind < 5) return {random.bounded(width), 1 + random.bounded(height - 1)}; // (0, 0) means the middle
        std::vector<int> removable{0}; // the cells with a neighbour of their colour
        for (int i = 0; i < shape.CellCount(); ++i) {
            const bool right = i % shape.Columns() < shape.Columns() - 1 && model[i + 1] == model[i];
            const bool below = i + shape.Columns() < shape.CellCount() && model[i + shape.Columns()] == model[i];
            if (model[i] && (right || below)) removable.push_back(i);
        }
        const int cell = removable[random.bounded(int(removable.size()))];
        return {shape.CellLeft(cell) + random.bounded(CellSize),
                shape.CellTop(cell) + 1 + random.bounded(CellSize - 1)};
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
        const int goal = CellAt(shape, target.x() / CellSize, target.y() / CellSize);
        for (int steps = 0; cursor != goal && steps < 30; ++steps) {
            const int goalColumn = goal % shape.Columns(), column = cursor % shape.Columns();
            const int towards = goalColumn != column ? (goalColumn < column ? Qt::Key_Left : Qt::Key_Right)
                                                     : (goal < cursor ? Qt::Key_Up : Qt::Key_Down);
            Key(random.bounded(8) ? towards : Qt::Key_Left + random.bounded(4), true, random.bounded(4) == 0);
        }
        const int press = random.bounded(2) ? Qt::Key_Space : Qt::Key_Return;
        Key(press, true, false);
        for (const bool down : {true, false})
            if (random.bounded(5) == 0) Key(press, down, true);
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
        if (random.bounded(paused ? 10 : 100)) return;            // a new deal ends a pause
        const QString sizeItem = SizeItems[random.bounded(3)];
        const QString count
            = QStringLiteral("mnuFileBoardColours%1").arg(random.bounded(FewestColours, ColourCount + 1));
        const QString item
            = QStringList{"mnuFileNewGame", "mnuFileRetry", "mnuViewStatusbar", "mnuViewSymbols", "less motion",
                          sizeItem,         count,          "numbered"}[random.bounded(8)];
        if (item == "numbered") return NewNumberedGame();
        const BoardKind before = f.window.Game().Kind();
        item == "less motion" ? f.window.ReduceMotion(still = !still) : f.Choose(item);
        // Another kind of board is dealt at once; the one in play again deals nothing.
        const bool dealt = item == "mnuFileNewGame" || f.window.Game().Kind() != before;
        if (dealt || item == "mnuFileRetry") Started(dealt ? Start::Dealt : Start::Retried);
        symbols ^= item == "mnuViewSymbols";
        colours = item == count ? count : colours;
        Verify();
    }

    // File > New numbered game, asked with the board's number: a number in range, spaces around it allowed, deals its
    // board, the same board for the same number; anything else is told so, and a cancel leaves the game as it was.
    void NewNumberedGame()
    {
        const QString number = QString::number(f.window.Game().Number());
        const QString start = Digits(f.window.Game().StartBoard, f.window.Pictures());
        const int pick = random.bounded(9);
        f.dialogs.number = QStringList{" 12 ", number, "9999999999", "0", "10000000000", "+3", "1 2", "٣", ""}[pick];
        f.dialogs.shown.clear();
        f.Choose("mnuFileNewNumberedGame");
        QCOMPARE(f.dialogs.shown,
                 QStringList({"number " + number, "not a number"}).mid(0, pick < 3 || pick == 8 ? 1 : 2));
        if (pick < 3) {
            QCOMPARE(QString::number(f.window.Game().Number()), f.dialogs.number.trimmed());
            if (pick == 1 && dealt) QCOMPARE(Digits(f.window.Game().StartBoard, f.window.Pictures()), start);
            Started(Start::Numbered);
        }
        Verify();
    }

    // The pause chosen, or the key P: a press held is taken back; time goes on, but not the time played. A screen
    // reader hears of it.
    void Pause()
    {
        heard.clear();
        f.Choose("mnuFilePause");
        paused = running && !paused;
        if (paused) Drop();
        const QStringList told{paused ? Notice : "Resumed."};
        QCOMPARE(heard.filter(QRegularExpression("^(Paused\\.|Resumed)")), running ? told : QStringList());
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
        const bool onBoard = QRect(0, 0, shape.Width(), shape.Height()).contains(p);
        const int cell = onBoard ? p.y() / CellSize * shape.Columns() + p.x() / CellSize : -1;
        const bool left = button == Qt::LeftButton && holder != Hand::Keys;
        const bool move = action == QTest::MouseMove;
        const bool release = action == QTest::MouseRelease;
        Act([&] { move ? QTest::mouseMove(f.Board(), p) : QTest::mouseEvent(action, f.Board(), button, {}, p); },
            left && release && holder == Hand::Mouse,
            [&] {
                if (paused) { // a left press goes on, and nothing of its click reaches the game
                    paused = !(left && !release && !move);
                    return;
                }
                if (move && holder == Hand::Mouse) pressed = Holds(held, cell);
                if (!left || release || move) return;
                Hold(Hand::Mouse, cell);
                shown = false;
            });
    }

    // A key going down or up; key 0 stands for the board losing the keyboard's focus.
    void Key(int key, bool down, bool autoRepeat)
    {
        const bool press = key == Qt::Key_Space || key == Qt::Key_Return;
        const bool escape = key == Qt::Key_Escape || key == 0;
        const bool taken = !paused && holder != Hand::Mouse && !(press && autoRepeat);
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        QFocusEvent blur(QEvent::FocusOut);
        Act([&] { QApplication::sendEvent(f.Board(), key == 0 ? static_cast<QEvent*>(&blur) : &event); },
            taken && press && !down && holder == Hand::Keys,
            [&] {
                if (!taken || !down) return;
                if (escape && holder == Hand::Keys) Drop();
                if (escape) return;
                const int across = (key == Qt::Key_Right) - (key == Qt::Key_Left);
                const int below = (key == Qt::Key_Down) - (key == Qt::Key_Up);
                const int column = cursor % shape.Columns(), row = cursor / shape.Columns();
                if (!press && shown) cursor = CellAt(shape, column + across, row + below);
                shown = true;
                if (press && holder == Hand::None) Hold(Hand::Keys, cursor);
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
        const Colours after = removes ? Removed(shape, model, held) : model;
        Change(after, removes, send, releases ? [this] { Drop(); } : update);
        // Said to the player of the keys, whose cursor shows; the count's panel tells of its change to everyone.
        QCOMPARE(heard.filter(QRegularExpression("^\\d+ bricks removed, \\d+ left")).size(), removes && shown ? 1 : 0);
        QCOMPARE(heard.count("Bricks left: " + QString::number(Count(after))), removes ? 1 : 0);
    }

    // Sends an event that leaves the board `after`, a move that may end the game when `moves`, and checks the
    // window against the model once `update` has followed the event's other changes.
    void Change(const Colours& after, bool moves, const std::function<void()>& send,
                const std::function<void()>& update)
    {
        const bool over = moves && Over(shape, after);
        const QString expected = over ? EndOfGame(Count(after)) : "";
        f.dialogs.shown.clear();
        heard.clear();
        send();
        update();
        model = after;
        QCOMPARE(f.dialogs.shown.join(' '), expected);
        if (over) {
            const BoardKind& kind = f.window.Game().Kind();
            QCOMPARE(qRound64(records.GetBestTime(kind, record.first) * SecondsPerDay), record.second.first);
            QCOMPARE(records.GetBestName(kind, record.first), record.second.second);
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
        ++endings[left];
        ++ended;
        QStringList dialogues;
        const BoardKind kind = f.window.Game().Kind();
        const qint64 seconds = elapsed / 1000; // cut to whole seconds, as the clock shows them
        const qint64 stored = std::max<qint64>(0, seconds + random.bounded(-1, 2)) * random.bounded(2); // 0: none
        record = {left, {stored, "Bo"}};
        f.store.Change("Vondrel", RecordSection(kind, left), [&](SettingsStore::Section& kept) {
            kept.Set("Time", Clock(stored));
            kept.Set("Name", "Bo");
        });
        if (left < Settings::RecordRows && (stored == 0 || seconds < stored)) {
            dialogues << QStringLiteral("name %1").arg(shape.CellCount() - left);
            const int fate = random.bounded(5), rival = int(seconds * random.bounded(1.0)) + 1;
            if (fate == 0) {
                f.Writable(false);
                dialogues << "unsaved";
            }
            if (fate == 1 && seconds > 0) {
                f.dialogs.whileAsked
                    = [=, this] { records.SaveBestRecord(kind, left, rival / SecondsPerDay, "Rival"); };
                dialogues << "beaten";
                record.second = {rival, "Rival"};
            } else if (fate > 0) {
                record.second = {seconds, "Ada"};
            }
        }
        const bool retried = left > 0 && random.bounded(2);
        outcome = retried ? 'R' : random.bounded(2) ? 'Y' : 'N';
        // OK to a warning, Retry or Cancel where bricks are left, then the outcome to the offer of a new game.
        f.dialogs.answers = QString(dialogues.size() > 1 ? "O" : "") + (left > 0 ? (retried ? "R" : "C") : "")
                            + (retried ? "" : QString(outcome));
        if (left > 0) dialogues << "retry";
        if (!retried) dialogues << "new";
        return dialogues.join(' ');
    }

    // What a cell shows when nothing is drawn over it.
    const QImage& Look(int cell) const
    {
        const int slot = model[cell] + (pressed && Holds(held, cell) ? ColourCount : 0);
        return model[cell] ? f.window.Pictures()[slot]->Image(CellSize, symbols) : emptyCell;
    }

    // Whether the cell's pixels on the picture are the look's, byte for byte: both are opaque throughout.
    bool Shows(const QImage& picture, int cell, const QImage& look) const
    {
        const qsizetype across = picture.bytesPerLine(), each = look.bytesPerLine();
        const uchar* line = picture.constBits() + shape.CellTop(cell) * across + shape.CellLeft(cell) * sizeof(QRgb);
        const uchar* lookLine = look.constBits();
        for (int y = 0; y < CellSize; ++y, line += across, lookLine += each)
            if (std::memcmp(line, lookLine, CellSize * sizeof(QRgb)) != 0) return false;
        return true;
    }

    void Verify()
    {
        // The board as presented, cell by cell, and the keyboard's cursor as the widget draws it over its cell.
        const QImage& screen = f.window.Surface().Picture();
        QCOMPARE(screen.size(), QSize(shape.Width(), shape.Height()));
        int wrong = 0;
        for (const Cells& board = f.window.Game().Board; wrong < shape.CellCount(); ++wrong) {
            const bool placed = !board[wrong] == !model[wrong] && (!board[wrong] || board[wrong]->Index == wrong);
            if (!placed || !Shows(screen, wrong, Look(wrong))) break;
        }
        QVERIFY2(wrong == shape.CellCount(), qPrintable(QString("cell %1 is not as the model says").arg(wrong)));
        QCOMPARE(f.window.Surface().Covered(), paused); // the cover shows no brick, on the screen
        if (shown && !paused) { // a black frame two pixels wide, a white one inside it, the cell's look within
            const QRect area(shape.CellLeft(cursor), shape.CellTop(cursor), CellSize, CellSize);
            const QImage framed = f.Board()->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
            for (const int at : {0, 1, CellSize - 1}) QCOMPARE(framed.pixel(at, CellSize - 1 - at), qRgb(0, 0, 0));
            for (const int at : {2, 3, CellSize - 3})
                QCOMPARE(framed.pixel(at, CellSize - 1 - at), qRgb(255, 255, 255));
            QCOMPARE(framed.copy(4, 4, CellSize - 8, CellSize - 8),
                     Look(cursor).copy(4, 4, CellSize - 8, CellSize - 8));
        }
        QCOMPARE(f.PanelText("Bricks"), QString::number(Count(model)));
        QCOMPARE(f.window.Surface().Cursor(), shown ? cursor : -1);
        QCOMPARE(timer->isActive(), running && !paused);
        QCOMPARE(Item("mnuFilePause")->isChecked(), paused);
        QCOMPARE(Item("mnuFilePause")->isEnabled(), running);
        QCOMPARE(Item("mnuMoveUndo")->isEnabled(), !paused && !undoable.empty());
        QCOMPARE(Item("mnuMoveRedo")->isEnabled(), !paused && !redoable.empty());
        QVERIFY(Item(size)->isChecked());
        QVERIFY(Item(colours)->isChecked());
        if (running) clock = Clock(elapsed / 1000); // at a pause, as it stood
        if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(f.PanelText("Time"), clock);
        QVERIFY2(clock >= played, "the time played went back"); // hh:mm:ss in order, also across an undo
        played = clock;
        // As a screen reader walks the board: a table of its rows and columns, the cursor's cell at its place there,
        // named for what it holds, or for its place alone while paused, and the focus where the cursor is shown;
        // nothing selected, nothing off the board.
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
        QAccessibleInterface* cell
            = board->tableInterface()->cellAt(cursor / shape.Columns(), cursor % shape.Columns());
        QCOMPARE(board->childCount(), shape.CellCount());
        QCOMPARE(board->tableInterface()->rowCount(), shape.Rows());
        QCOMPARE(board->indexOfChild(cell), cursor);
        QCOMPARE(cell->tableCellInterface()->table(), board);
        QCOMPARE(cell->text(QAccessible::Name), Heard());
        QCOMPARE(board->focusChild(), shown ? cell : nullptr);
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(cell->role(), QAccessible::ListItem);
        QCOMPARE(board->tableInterface()->selectedCellCount(), 0);
        QCOMPARE(board->child(board->childCount()), nullptr);
        // The board's description: a hint on how to begin until the keyboard's cursor first shows, or the pause.
        hint = hint && !shown;
        QCOMPARE(board->text(QAccessible::Description), paused ? Notice : hint ? Hint : QString());
    }

    const QAction* Item(const QString& name) const { return f.window.findChild<QAction*>(name); }

    // The name of the cursor's cell, as a screen reader hears it.
    QString Heard() const
    {
        const QString place
            = QStringLiteral("column %1, row %2").arg(cursor % shape.Columns() + 1).arg(cursor / shape.Columns() + 1);
        const QString colour = QStringList{"", "Grey", "Blue", "Green", "Red", "Yellow", "Violet"}[model[cursor]];
        if (paused) return "Paused, " + place;
        if (!model[cursor]) return "Empty, " + place;
        const QString group = QString::number(GroupAt(shape, model, cursor).size());
        return QStringLiteral("%1 brick, %2, group of %3%4")
            .arg(colour, place, group, pressed && Holds(held, cursor) ? ", pressed" : "");
    }
};

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    // A number deals the same board on every kind, on every machine and in every version: the first rows pin the
    // generator. File > New numbered game is chosen in the random games.
    void numberedDeals()
    {
        // By number, the first row on each size, small to large, with 3, 4, 5 and 6 colours.
        const std::map<std::uint64_t, QStringList> firstRows{
            {1,
             {"22233222", "33344222", "33355333", "44466333",         //
              "2223322233", "3334422244", "3335533355", "4446633366", //
              "222332223311122", "333442224422222", "333553335522233", "444663336622233"}},
            {9999999999,
             {"13331111", "24441111", "24442111", "25552111",         //
              "1333111111", "2444111111", "2444211122", "2555211122", //
              "133311111132223", "244411111133334", "244421112244444", "255521112254445"}}};
        GameState game;
        for (const auto& [number, rows] : firstRows) {
            QStringList dealt;
            for (const BoardKind& kind : Kinds()) {
                game.GenerateBoard(number, kind, Looks());
                dealt << Digits(game.Board).left(kind.shape.Columns());
            }
            QCOMPARE(dealt, rows);
        }
    }

    // Deals of the game's own, and boards of one to five colours on a random number of rows, so that games end
    // with every number of bricks left, on every kind of board in turn; every fifth game from the keyboard alone.
    void randomGamesFollowTheModel()
    {
        std::map<int, int> endings;
        const std::vector<BoardKind> kinds = Kinds();
        const int games = qEnvironmentVariableIsSet("PLAY_GAMES") ? qEnvironmentVariableIntValue("PLAY_GAMES") : 80;
        for (int game = 1; game <= games && !QTest::currentTestFailed(); ++game) {
            GameFixture f;
            QRandomGenerator random(game);
            const BoardKind& kind = kinds[game % kinds.size()];
            f.random = Random(game, [game] { return std::uint64_t(game); });
            f.Choose(SizeItems[std::find(BoardSizes.begin(), BoardSizes.end(), kind.shape) - BoardSizes.begin()]);
            f.Choose(QStringLiteral("mnuFileBoardColours%1").arg(kind.colours));
            f.Choose("mnuFileNewGame");
            QStringList rows(1 + random.bounded(kind.shape.Rows()), "");
            for (QString& row : rows)
                while (game % 3 && row.size() < kind.shape.Columns()) row += QChar('1' + random.bounded(1 + game % 5));
            if (game % 3) f.StartFrom(rows);
            RandomPlay(f, game, endings).Play(game % 5 == 0);
        }
        for (int left = 0; left <= Settings::RecordRows; ++left)
            QVERIFY2(endings[left] > 0, qPrintable(QString("none with %1 left").arg(left)));
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
