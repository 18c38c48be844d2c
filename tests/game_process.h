#ifndef TESTS_GAME_PROCESS_H
#define TESTS_GAME_PROCESS_H

// The built program run on the private X server of a test: xdotool drives it, ImageMagick's
// import reads the screen back, and cells are told apart by the brick pictures built into it.

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>

constexpr int Columns = 10;
constexpr int Rows = 14;
constexpr int CellCount = Columns * Rows;
constexpr int Cell = 32;
constexpr int BoardHeight = Rows * Cell;
const QRgb BoardColour = qRgb(100, 135, 220);

// Per cell: the picture shown, 1 to 10, 0 for an empty cell, -1 for anything else. The
// normal looks 1 to 5 double as the colours of the bricks.
using Looks = std::array<int, CellCount>;

inline QByteArray Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

inline QByteArray Xdotool(const QStringList& arguments)
{
    return Run(QStringLiteral("xdotool"), arguments).trimmed();
}

// A whole command in one string, its words split at spaces.
inline QByteArray Xdotool(const QString& command)
{
    return Xdotool(command.split(QLatin1Char(' ')));
}

// Without a window manager there is no frame: this is the client area, menu bar included.
inline QRect WindowGeometry(const QString& window)
{
    QHash<QString, int> values;
    for (const QString& line : QString::fromLatin1(Xdotool({"getwindowgeometry", "--shell", window})).split('\n'))
        values[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

inline QImage Grab(const QRect& area)
{
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y());
    const QByteArray ppm = Run(QStringLiteral("import"), {"-window", "root", "-crop", crop, "-depth", "8", "ppm:-"});
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

// Polls with short pauses until the condition holds or the time is up.
template <typename Condition>
bool Eventually(Condition condition, int milliseconds = 5000)
{
    for (QDeadlineTimer deadline(milliseconds); !deadline.hasExpired(); QTest::qWait(10))
        if (condition()) return true;
    return false;
}

inline bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The look of the cell at the corner; the screen may round colours by a step or two.
inline int LookAt(const QImage& shot, QPoint corner)
{
    static const std::array<QImage, 11> pictures = [] {
        std::array<QImage, 11> loaded;
        for (int n = 1; n <= 10; ++n)
            loaded[n] = QImage(QStringLiteral(":/bricks/brick%1.png").arg(n, 2, 10, QLatin1Char('0'))).convertToFormat(QImage::Format_RGB32);
        return loaded;
    }();
    const auto matches = [&](const auto& expected) {
        for (int y = 0; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x)
                if (!Near(shot.pixel(corner + QPoint(x, y)), expected(x, y), 2)) return false;
        return true;
    };
    for (int n = 1; n <= 10; ++n)
        if (matches([&](int x, int y) { return pictures[n].pixel(x, y); })) return n;
    return matches([](int, int) { return BoardColour; }) ? 0 : -1;
}

// One run of the game with a home of its own, so the player's records are never touched.
class GameProcess {
public:
    ~GameProcess()
    {
        if (process.state() == QProcess::NotRunning) return;
        process.kill();
        process.waitForFinished(5000);
    }

    QString SettingsFile() const { return home.filePath(QStringLiteral("Vondrel/Vondrel.conf")); }

    // Starts the program and waits until its window shows a full board at rest.
    bool Start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral(BRICKS_PROGRAM));
        if (!process.waitForStarted(10000) || (window = WaitForWindow(QStringLiteral("Bricks"), 15000)).isEmpty()) return false;
        frame = WindowGeometry(window);
        return Eventually([&] {
            const QImage image = Shot();
            // The board begins at the first row whose left pixel has the board colour: a corner tip.
            for (boardTop = 0; boardTop + BoardHeight < image.height(); ++boardTop)
                if (Near(image.pixel(0, boardTop), BoardColour, 0)) break;
            const Looks looks = LooksOf(image);
            return std::all_of(looks.begin(), looks.end(), [](int look) { return look >= 1 && look <= 5; });
        }, 10000);
    }

    // The ids of the program's visible windows whose whole title matches the pattern, one a line.
    QString Windows(const QString& title) const
    {
        const QString pid = QString::number(process.processId());
        return QString::fromLatin1(Xdotool({"search", "--all", "--onlyvisible", "--pid", pid, "--name", '^' + title + '$'}));
    }

    QString WaitForWindow(const QString& title, int milliseconds = 5000) const
    {
        QString id;
        Eventually([&] { return !(id = Windows(title).section('\n', 0, 0)).isEmpty(); }, milliseconds);
        return id;
    }

    bool WaitUntilClosed(const QString& title, const QString& id) const
    {
        return Eventually([&] { return !Windows(title).split('\n').contains(id); });
    }

    Looks LooksOf(const QImage& shot) const
    {
        Looks looks;
        looks.fill(-1);
        if (shot.height() < boardTop + BoardHeight || shot.width() < Columns * Cell) return looks;
        for (int i = 0; i < CellCount; ++i) looks[i] = LookAt(shot, CellCorner(i));
        return looks;
    }

    QImage Shot() const { return Grab(frame); }
    QPoint CellCorner(int cell) const { return {cell % Columns * Cell, boardTop + cell / Columns * Cell}; }
    // A point of the cell, as xdotool's x and y on the screen.
    QStringList OnScreen(int cell, QPoint within = {Cell / 2, Cell / 2}) const
    {
        const QPoint point = frame.topLeft() + CellCorner(cell) + within;
        return {QString::number(point.x()), QString::number(point.y())};
    }

    // Keys for the main window, one at a time so that a menu can open before the next.
    void Keys(const QStringList& keys, int pause = 200) const
    {
        Xdotool({"windowfocus", window});
        for (const QString& key : keys) {
            Xdotool({"key", key});
            QTest::qWait(pause);
        }
    }

    QTemporaryDir home;
    QProcess process;
    QString window;
    QRect frame;       // the window on the screen, menu bar included
    int boardTop = 0;  // the menu bar's height
};

#endif
