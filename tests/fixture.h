#ifndef TESTS_FIXTURE_H
#define TESTS_FIXTURE_H

// What the in-process suites share: positions written as digits, fakes for everything the game
// takes from the system, and a game window built on them.

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
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>

#include <functional>

inline const PictureSlots& Looks()
{
    static const PictureSlots looks = BrickPicture::LoadSlots();
    return looks;
}

// The colour of an empty cell: the one at the tips of the grey brick's corners.
inline QRgb BoardColour()
{
    return Looks()[1]->Image().pixel(0, 0);
}

// The slot of a look: a colour's number for its normal look, that and ColourCount for its pressed look, 0 for none.
inline int SlotOf(const PictureRef& picture, const PictureSlots& looks = Looks())
{
    const auto found = std::find(looks.begin() + 1, looks.end(), picture);
    return found == looks.end() ? 0 : int(found - looks.begin());
}

// Bricks at rest on a board of the shape from rows of digits, a colour from 1 to 6 or '.' for an empty cell, placed
// from firstRow down.
inline Cells CellsFromRows(const Geometry& shape, const QStringList& rows, int firstRow = 0,
                           const PictureSlots& looks = Looks())
{
    Cells cells(shape);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            const int colour = rows[row][column].digitValue();
            const int i = shape.IndexOf(column, firstRow + row);
            if (colour < 1) continue;
            cells[i] = std::make_shared<Brick>();
            cells[i]->Index = i;
            cells[i]->Left = float(shape.CellLeft(i));
            cells[i]->Top = float(shape.CellTop(i));
            cells[i]->Picture = looks[colour];
            cells[i]->DownPicture = looks[colour + ColourCount];
        }
    }
    return cells;
}

// Every kind of board, every size with every number of colours.
inline std::vector<BoardKind> Kinds()
{
    std::vector<BoardKind> kinds;
    for (const Geometry& size : BoardSizes)
        for (int colours = FewestColours; colours <= ColourCount; ++colours) kinds.push_back({size, colours});
    return kinds;
}

// The section the records of a kind of board are kept in, as the README gives it.
inline QString RecordSection(const BoardKind& kind, int N)
{
    const Geometry& shape = kind.shape;
    const QString of = QStringLiteral("%1x%2c%3").arg(shape.Columns()).arg(shape.Rows()).arg(kind.colours);
    return QStringLiteral("Bricks%1(%2)").arg(kind == NormalKind ? QString() : of).arg(N);
}

struct FakeClock final : public Clock {
    [[nodiscard]] double Now() const override { return now; }
    void AdvanceSeconds(double seconds) { now += seconds / SecondsPerDay; }
    double now = 1000; // days, so that no game starts at 0
};

// Every sleep moves the counter on by the time slept, and then calls the hook if there is one.
class FakeTicks final : public Ticks {
public:
    [[nodiscard]] std::uint32_t GetTickCount() override { return now; }
    void Sleep(int milliseconds) override
    {
        now += std::uint32_t(milliseconds);
        if (onSleep) onSleep();
    }

    std::uint32_t now = 0xFFFFF000U; // close to the wrap, which must not matter
    std::function<void()> onSleep;
};

// Answers from a script of letters, R(etry), C(ancel), Y(es), N(o) or O(k), and No once it runs out; enters
// one name, and one board number. Notes each dialogue by what it asks, in its exact words: "exit", "retry", "new",
// "unsaved", "beaten", "name N" (N bricks cleared), "number N" (N there to begin with), "not a number", or the
// prompt itself for anything else.
class ScriptedDialogs final : public Dialogs {
public:
    MessageAnswer MsgBox(QWidget*, const QString& prompt, MessageStyle, const QString& title) override
    {
        static const QHash<QString, QString> known{
            {"|Do you want to exit?", "exit"},
            {"Game over!|You have not cleared all bricks?\r\nWould you like to retry?", "retry"},
            {"Game over!|Would you like to play a new game?", "new"},
            {"|Your time could not be saved: the settings file cannot be written.", "unsaved"},
            {"|Your time was not saved: another game saved a time as good meanwhile.", "beaten"},
            {"New numbered game|That is not a board number: a board number is a whole number from 1 to 9999999999.",
             "not a number"}};
        shown << known.value(title + '|' + prompt, prompt);
        const int answer = QString("OCRYN").indexOf(answers.isEmpty() ? QChar('N') : answers[0]);
        answers.remove(0, 1);
        return MessageAnswer(answer);
    }
    QString InputBox(QWidget*, const QString& prompt, const QString& title, const QString& text) override
    {
        static const QRegularExpression entry("^You are the fastest to clear (\\d+)\\.\r\nEnter you're name:$");
        const auto asked = entry.match(prompt);
        const bool numbered = title == "New numbered game" && prompt == "Board number, from 1 to 9999999999:";
        shown << (asked.hasMatch() ? "name " + asked.captured(1) : numbered ? "number " + text : prompt);
        if (whileAsked) whileAsked();
        return numbered ? number : name;
    }

    QString answers, name = "Ada", number;
    QStringList shown;
    std::function<void()> whileAsked;
};

struct GameFixture {
    FakeClock clock;
    FakeTicks ticks;
    Random random{12345, [] { return std::uint64_t{777}; }};
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    frmMain window{Services{clock, ticks, random, dialogs, store}};

    QString PanelText(const QString& key) const { return window.statusBar()->findChild<QLabel*>(key)->text(); }
    void Choose(const QString& item) { window.findChild<QAction*>(item)->trigger(); }
    QWidget* Board() { return window.centralWidget(); }
    // Whether the records file may be written: where the tests run as nobody, a read-only file cannot.
    void Writable(bool on)
    {
        QFile(folder.filePath("Vondrel/Vondrel.conf"))
            .setPermissions(QFile::ReadOwner | (on ? QFile::WriteOwner : QFile::ReadOwner));
    }

    // Starts the game over on a position of the given bottom rows, through a retry.
    void StartFrom(const QStringList& bottomRows)
    {
        const Geometry& shape = window.Game().Kind().shape;
        const int firstRow = shape.Rows() - int(bottomRows.size());
        window.Game().StartBoard = CellsFromRows(shape, bottomRows, firstRow, window.Pictures());
        Choose("mnuFileRetry");
    }
};

#endif
