// The game's window on a real X server, read back from the server, at the scale factor the test run sets
// (QT_SCALE_FACTOR): the window on the screen, the board at device resolution, the real pointer held outside the
// window, every frame of a move on screen before the next one is drawn, and a press on a cell's last device pixel.
#include "fixture.h"

#include <QAccessible>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QtTest>

namespace {

QImage Plain(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class OnScreenTest : public QObject {
    Q_OBJECT

private:
    GameFixture f;
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();

    // A widget of the window as the X server has it.
    QImage Shown(const QWidget& widget) const
    {
        const QRect area(widget.mapTo(&f.window, QPoint(0, 0)), widget.size());
        return Plain(
            f.window.screen()->grabWindow(f.window.winId(), area.x(), area.y(), area.width(), area.height()).toImage());
    }
    QImage Board() const { return Shown(f.window.Surface()); }

    // Real pointer events, from xdotool, at a point of the board, to the device pixel.
    void Pointer(const QString& action, QPointF at)
    {
        const QPoint device = ((f.window.Surface().mapToGlobal(QPointF(0, 0)) + at) * ratio).toPoint();
        QProcess::execute("xdotool", QStringList{"mousemove", QString::number(device.x()), QString::number(device.y())}
                                         + action.split(' ', Qt::SkipEmptyParts));
        QTest::qWait(100);
    }

private slots:
    // The whole window on the 1280 x 1024 screen: at its design place, the board's corner at (271, 81), where it
    // fits; at twice the size, moved up just enough. The status bar right under the board, as the widget draws it.
    void initTestCase()
    {
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QRect screen = f.window.screen()->availableGeometry(), window = f.window.frameGeometry();
        const QPoint board = f.window.Surface().mapToGlobal(QPoint(0, 0));
        QVERIFY(screen.contains(window) && board.x() == 271
                && (ratio < 2 ? board.y() == 81 : window.bottom() == screen.bottom()));
        QCOMPARE(f.window.statusBar()->mapToGlobal(QPoint(0, 0)).y(), board.y() + BoardHeight);
        if (ratio == 1 || ratio == 2) // where Qt draws whole pixels
            QTRY_COMPARE_WITH_TIMEOUT(Shown(*f.window.statusBar()), Plain(f.window.statusBar()->grab().toImage()),
                                      5000);
        // The board's picture on the screen pixel for pixel, at the screen's resolution.
        QCOMPARE(f.window.Surface().Picture().size(), QSize(qRound(BoardWidth * ratio), qRound(BoardHeight * ratio)));
        QTRY_VERIFY_WITH_TIMEOUT(Board() == Plain(f.window.Surface().Picture()), 5000);
        // At twice the size, from the pictures drawn for it: the first brick, say.
        const int slot = SlotOf(f.window.Game().Board[0]->Picture, f.window.Pictures());
        const QString name = QString(":/bricks/brick%1@2x.png").arg(slot, 2, 10, QChar('0'));
        if (ratio == 2) QCOMPARE(Board().copy(0, 0, 64, 64), Plain(QImage(name)));
    }

    // The group stays pressed exactly while the held pointer is over it, also off the window; on release, every
    // frame of the move is on screen before the next is drawn.
    void pointerAndFramesOnScreen()
    {
        f.StartFrom({"1111111111", "2222222222"});
        const QImage start = Plain(f.window.Surface().Picture());
        const QPoint sixth(176, 432), second(48, 432); // the middles of two bricks of the bottom row
        Pointer("mousedown 1", sixth);
        const QImage pressed = Board();
        Pointer("", {BoardWidth + 300, 10});
        QCOMPARE(Board(), start);
        Pointer("", second);
        QVERIFY(Board() == pressed && pressed != start);
        int frames = 0;
        QImage last = start;
        f.ticks.onSleep = [&] {
            if (f.window.Surface().Picture() == last) return;
            last = f.window.Surface().Picture().copy();
            ++frames;
            QCOMPARE(Board(), Plain(last));
        };
        Pointer("mouseup 1", second);
        f.ticks.onSleep = nullptr;
        QVERIFY2(frames > 20, qPrintable(QString::number(frames)));
        QCOMPARE(f.window.Game().BricksLeft, 10);
    }

    // A press on a cell's last device pixel is on that cell, the next pixel on the next cell: at twice the size, the
    // two halves of one point. Where a point is no whole number of device pixels, the board's place on the screen
    // is not known to the pixel.
    void pressOnACellsLastPixel()
    {
        if (ratio != 1 && ratio != 2) QSKIP("the board lies between device pixels");
        f.StartFrom({"1212121212"});
        for (const int cell : {130, 131}) {
            const QPointF at(cell == 130 ? CellSize - 1 / ratio : CellSize, 432); // the last pixel, the next
            Pointer("mousedown 1", at);
            QVERIFY(QAccessible::queryAccessibleInterface(f.Board())
                        ->child(cell)
                        ->text(QAccessible::Name)
                        .endsWith("pressed"));
            Pointer("mouseup 1", at);
        }
    }

    // A held key's release counts once the X server has the key up: one that comes while it is down, without its
    // auto-repeat mark, as some paths deliver them, a screen reader's among them, takes nothing away.
    void heldKeyRemovesOnItsLastRelease()
    {
        f.StartFrom({"1111111111", "2222222222"});
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        for (int down = 0; down < BoardRows - 5; ++down) QTest::keyClick(f.Board(), Qt::Key_Down);
        constexpr quint32 SpaceKeyCode = 65; // on the X server's usual keyboard map
        QProcess::execute("xdotool", {"keydown", "space"});
        QTRY_VERIFY(
            QAccessible::queryAccessibleInterface(f.Board())->child(134)->text(QAccessible::Name).endsWith("pressed"));
        QKeyEvent early(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, SpaceKeyCode, 0, 0, " ");
        QApplication::sendEvent(f.Board(), &early);
        QCOMPARE(f.window.Game().BricksLeft, 20);
        QProcess::execute("xdotool", {"keyup", "space"});
        QTRY_COMPARE(f.window.Game().BricksLeft, 10);
    }
};

QTEST_MAIN(OnScreenTest)
#include "test_on_screen.moc"
