// A monkey on the real program on the private X server: clicks and drags on the board, off
// it and off the window, the menus from the keyboard, every dialogue answered at random.
// The program must stay responsive, keep a consistent board and end cleanly on SIGTERM.
// MONKEY_SECONDS sets how long it plays (default 15), MONKEY_SEED repeats a run.
#include "game_process.h"

#include <QRandomGenerator>

namespace {

// Every cell a known look, no gap under a brick, no empty column left of a brick.
bool Consistent(const Looks& looks)
{
    for (int i = 0; i < CellCount; ++i) {
        if (looks[i] < 0 || (looks[i] > 0 && i + Columns < CellCount && looks[i + Columns] == 0)) return false;
        if (i >= CellCount - Columns && i % Columns < Columns - 1 && looks[i] == 0 && looks[i + 1] != 0) return false;
    }
    return true;
}

struct Monkey : GameProcess {
    int answered = 0, gameOvers = 0;
    const quint32 seed = qEnvironmentVariableIsSet("MONKEY_SEED") ? quint32(qEnvironmentVariableIntValue("MONKEY_SEED"))
                                                                  : quint32(QDateTime::currentMSecsSinceEpoch() % 1000000);
    QRandomGenerator random{seed};

    bool Start() { return GameProcess::Start() && Settles(); }
    Looks Board() const { return LooksOf(Shot()); }
    QString OnBoard(int cell) { return OnScreen(cell, QPoint(random.bounded(Cell), random.bounded(Cell))).join(' '); }
    // Well clear of the window and of the dialogues centred on it.
    QString OffWindow() { return QStringLiteral("%1 %2").arg(frame.x() + 500 + random.bounded(400)).arg(random.bounded(1000)); }

    // A click or a drag with any button, mostly from a brick with a neighbour of its
    // colour, so that games come to their end.
    void MouseAction()
    {
        const Looks looks = Board();
        std::vector<int> groups{int(random.bounded(CellCount))};
        for (int i = Columns; i < CellCount; ++i)
            if (looks[i] > 0 && (looks[i - Columns] == looks[i] || (i % Columns > 0 && looks[i - 1] == looks[i]))) groups.push_back(i);
        const int cell = groups[random.bounded(int(groups.size()))];
        const int button = random.bounded(5) > 2 ? 1 + random.bounded(3) : 1;
        Xdotool(QStringLiteral("mousemove %1 mousedown %2").arg(random.bounded(8) == 0 ? OffWindow() : OnBoard(cell)).arg(button));
        for (int moves = random.bounded(3); moves > 0; --moves)
            Xdotool(QStringLiteral("mousemove ") + (random.bounded(3) == 0 ? OffWindow() : OnBoard(random.bounded(CellCount))));
        if (random.bounded(2) == 0) Xdotool(QStringLiteral("mousemove ") + OnBoard(cell));
        Xdotool(QStringLiteral("mouseup %1").arg(button));
    }

    // The menus never reach File > Exit.
    void KeyAction()
    {
        static const QStringList sequences{"alt+f n",     "alt+f r",           "alt+f Down Up Escape", "alt+f Escape Escape",
                                           "alt+v s",     "alt+v h",           "alt+v Down Return",    "alt+v Up Return",
                                           "alt+v Escape", "alt+v Down Escape", "Escape",               "Return"};
        Keys(sequences[random.bounded(int(sequences.size()))].split(' '), 150);
    }

    // Whatever dialogue is open gets Escape or Return; one titled Vondrel (a name entry or,
    // should it ever come, the exit question) first gets an "n", typed or meaning No.
    bool AnswerDialogues()
    {
        for (int tries = 0; tries < 20; ++tries, ++answered, QTest::qWait(300)) {
            const QString dialogue = Windows(QStringLiteral("(Game.over!|Vondrel|High.score)")).section('\n', 0, 0);
            if (dialogue.isEmpty()) return true;
            const QString name = QString::fromUtf8(Xdotool(QStringLiteral("getwindowname ") + dialogue));
            Xdotool(QStringLiteral("windowfocus ") + dialogue);
            gameOvers += name == QStringLiteral("Game over!");
            if (name == QStringLiteral("Vondrel")) Xdotool(random.bounded(2) ? "type n" : "type n<&>[Bricks(3)]=;\\");
            Xdotool(name == QStringLiteral("High score") || random.bounded(2) ? "key Escape" : "key Return");
        }
        return false;
    }

    // At rest, with no dialogue or menu open, the board is consistent.
    bool Settles()
    {
        Xdotool(QStringLiteral("windowfocus ") + window);
        Xdotool(QStringLiteral("key Escape Escape"));
        for (int tries = 0; tries < 25; ++tries, QTest::qWait(200))
            if (AnswerDialogues() && Consistent(Board())) return true;
        return false;
    }
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomInputNeverBreaksTheGame()
    {
        const int seconds = qEnvironmentVariableIsSet("MONKEY_SECONDS") ? qEnvironmentVariableIntValue("MONKEY_SECONDS") : 15;
        Monkey monkey;
        qInfo("monkey seed %u", monkey.seed);
        QVERIFY2(monkey.Start(), "no window with a consistent board");
        int actions = 0;
        QElapsedTimer clock, checked;
        clock.start(), checked.start();
        for (; clock.elapsed() < seconds * 1000; ++actions) {
            if (monkey.random.bounded(6) == 0) monkey.KeyAction(); // new deals come seldom enough for games to end
            else monkey.MouseAction();
            QTest::qWait(monkey.random.bounded(50, 300));
            QVERIFY2(monkey.AnswerDialogues(), "a dialogue does not go away");
            if (checked.elapsed() < 3000) continue;
            QCOMPARE(monkey.process.state(), QProcess::Running);
            QCOMPARE(monkey.Windows(QStringLiteral("Bricks")), monkey.window);
            QVERIFY2(monkey.Settles(), "the board is not consistent");
            checked.restart();
        }
        Xdotool(QStringLiteral("mouseup 1"));
        QVERIFY2(monkey.Settles(), "the board is not consistent at the end");
        // Only a running event loop ends the program on SIGTERM.
        monkey.process.terminate();
        QVERIFY2(monkey.process.waitForFinished(10000), "SIGTERM does not end the program");
        QCOMPARE(monkey.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(monkey.process.exitCode(), 0);
        qInfo("monkey: %d actions, %d dialogues answered (%d game over) in %d s", actions, monkey.answered, monkey.gameOvers, seconds);
    }
};

QTEST_GUILESS_MAIN(MonkeyTest)
#include "test_monkey.moc"
