#ifndef TESTS_GAME_FIXTURE_H
#define TESTS_GAME_FIXTURE_H

// Fakes for everything the game takes from the system, and a window built on them.

#include "drawing/board_surface.h"
#include "drawing/brick_picture.h"
#include "main_window/frm_main.h"
#include "platform/clock.h"
#include "platform/date_time.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/ticks.h"

#include <QAction>
#include <QLabel>
#include <QQueue>
#include <QStatusBar>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class FakeClock final : public Clock {
public:
    [[nodiscard]] double Now() const override { return now; }
    void AdvanceSeconds(double seconds) { now += seconds / SecondsPerDay; }

private:
    // Counting from 0 keeps sums of whole seconds exact, so equal times compare equal.
    double now = 0;
};

// Every sleep moves the counter on by the time slept; a test may hook each sleep.
class FakeTicks final : public Ticks {
public:
    [[nodiscard]] std::uint32_t GetTickCount() override { return now; }
    void Sleep(int milliseconds) override
    {
        now += static_cast<std::uint32_t>(milliseconds);
        if (onSleep) onSleep();
    }

    std::uint32_t now = 0xFFFFF000U; // close to the wrap, which must not matter
    std::function<void()> onSleep;
};

// Answers dialogues from a script and keeps what was asked.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString prompt;
        QString title;
        bool input = false;
    };

    MessageAnswer MsgBox(QWidget*, const QString& prompt, MessageStyle, const QString& title) override
    {
        shown.append({prompt, title, false});
        return answers.isEmpty() ? MessageAnswer::No : answers.dequeue();
    }
    QString InputBox(QWidget*, const QString& prompt) override
    {
        shown.append({prompt, QString(), true});
        return names.isEmpty() ? QString() : names.dequeue();
    }

    void Answer(std::initializer_list<MessageAnswer> next)
    {
        for (const MessageAnswer answer : next) answers.enqueue(answer);
    }

    QQueue<MessageAnswer> answers;
    QQueue<QString> names;
    QList<Shown> shown;
};

// A private store that keeps the order of writes and can be made to refuse them.
class RecordingStore final : public SettingsStore {
public:
    using SettingsStore::SettingsStore;
    bool SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value) override
    {
        saved.append(section + QLatin1Char('/') + key);
        return !refuseWrites && SettingsStore::SaveSetting(application, section, key, value);
    }

    QStringList saved;
    bool refuseWrites = false;
};

struct GameFixture {
    FakeClock clock;
    FakeTicks ticks;
    Random random{12345, [] { return std::uint64_t{777}; }};
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    RecordingStore store{folder.path()};
    frmMain window{Services{clock, ticks, random, dialogs, store}};

    QString PanelText(const QString& key) const
    {
        return window.statusBar()->findChild<QLabel*>(key)->text();
    }

    void Choose(const char* menuItem) { window.findChild<QAction*>(QLatin1String(menuItem))->trigger(); }

    // Starts the game over from a position given as its bottom rows, colours 1 to 5
    // and '.' for an empty cell, e.g. {"12", "3345"}.
    void StartFrom(const QStringList& bottomRows)
    {
        GameBoard& game = window.Game();
        game.StartBoard = {};
        const int firstRow = BoardRows - static_cast<int>(bottomRows.size());
        for (int r = 0; r < bottomRows.size(); ++r) {
            for (int column = 0; column < bottomRows[r].size(); ++column) {
                const int colour = bottomRows[r][column].digitValue();
                if (colour < 1) continue;
                const int index = (firstRow + r) * BoardColumns + column;
                auto brick = std::make_shared<Brick>();
                brick->Index = index;
                brick->Left = static_cast<float>(CellLeft(index));
                brick->Top = static_cast<float>(CellTop(index));
                brick->Picture = window.Pictures()[static_cast<std::size_t>(colour)];
                brick->DownPicture = window.Pictures()[static_cast<std::size_t>(colour + ColourCount)];
                game.StartBoard[static_cast<std::size_t>(index)] = brick;
            }
        }
        Choose("mnuFileRetry");
    }

    // The colour of every cell, 1 to 5 or 0 for none, in the model.
    std::vector<int> Colours() const
    {
        std::vector<int> colours;
        for (const BrickRef& brick : window.Game().Board) {
            colours.push_back(brick ? ColourOf(brick->Picture) : 0);
        }
        return colours;
    }

    int ColourOf(const PictureRef& picture) const
    {
        for (int n = 1; n <= 2 * ColourCount; ++n) {
            if (window.Pictures()[static_cast<std::size_t>(n)] == picture) return n;
        }
        return -1;
    }
};

#endif
