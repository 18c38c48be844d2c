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
    // The whole window on the screen, at its design place, the board's corner at (271, 81). The status bar right under
    // the board, as the widget draws it.
    void initTestCase()
    {
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QRect screen = f.window.screen()->availableGeometry(), window = f.window.frameGeometry();
        const QPoint board = f.window.Surface().mapToGlobal(QPoint(0, 0));
        QVERIFY(screen.contains(window) && board == QPoint(271, 81));
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

    // Zoomed in while the window fits the screen, and back: the window as wide as the zoomed board, on the screen,
    // moved up where it would stick out; the cells as presented; a press on a cell's last device pixel on that cell,
    // the next pixel on the next cell, where the board lies on whole device pixels. A window opening at a zoom kept
    // from an earlier run, too large for the screen, opens at the largest that fits, and the wish stays kept.
    void zoomedPressOnACellsLastPixel()
    {
        f.StartFrom({"1212121212"});
        const QRect screen = f.window.screen()->availableGeometry();
        QList<qreal> zooms;
        for (const QAction* zoomIn = f.window.findChild<QAction*>("mnuViewZoomIn");; f.Choose("mnuViewZoomIn")) {
            const qreal zoom = f.window.Surface().Zoom();
            zooms << zoom;
            QVERIFY(f.window.width() == qRound(BoardWidth * zoom) && screen.contains(f.window.frameGeometry()));
            QTRY_VERIFY_WITH_TIMEOUT(Board() == Plain(f.window.Surface().Picture()), 5000);
            for (const int cell : {130, 131}) {
                if (ratio != 1 && ratio != 2) break;
                const QPointF at(CellSize * zoom - (cell == 130 ? 1 / ratio : 0), 432 * zoom); // the last, the next
                Pointer("mousedown 1", at);
                // A screen reader or a magnifier finds the cell at its last point, or the next one's first, too.
                QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
                const QPoint point
                    = f.Board()->mapToGlobal(QPoint(qRound(CellSize * zoom) - (cell == 130), 432 * zoom));
                QVERIFY(board->child(cell)->text(QAccessible::Name).endsWith("pressed")
                        && board->childAt(point.x(), point.y()) == board->child(cell)
                        && board->child(cell)->rect().contains(point));
                Pointer("mouseup 1", at);
            }
            if (!zoomIn->isEnabled()) break;
        }
        QCOMPARE(zooms.last(), ratio == 1 ? 2 : ratio == 2 ? 1.5 : 1); // 100 % more would not fit
        if (ratio == 2) QCOMPARE(f.window.frameGeometry().bottom(), screen.bottom());
        f.Choose("mnuViewNormalSize");
        QCOMPARE(f.window.width(), BoardWidth);

        GameFixture kept;
        kept.store.Change("Vondrel", "View", [](SettingsStore::Section& view) { view.Set("Zoom", "400"); });
        kept.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&kept.window));
        QCOMPARE(kept.window.Surface().Zoom(), zooms.last());
        QCOMPARE(kept.store.GetSetting("Vondrel", "View", "Zoom", QString()), "400");
    }

    // Paused with the key P: the board covered on the screen, not a brick seen through it even as the bricks change
    // looks beneath; a click on it goes on, and reaches nothing: the board as it was, nothing pressed or removed.
    void pauseCoversTheBoard()
    {
        f.StartFrom({"1111111111", "2222222222"});
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTRY_VERIFY_WITH_TIMEOUT(Board() == Plain(f.window.Surface().Picture()), 5000);
        const QImage playing = Board();
        QProcess::execute("xdotool", {"key", "p"});
        QTRY_VERIFY(f.window.Surface().Covered());
        QTRY_VERIFY(Board() != playing);
        const QImage covered = Board();
        f.Choose("mnuViewSymbols");
        QTest::qWait(200);
        QVERIFY(Board() == covered && covered.pixel(0, 0) == BoardColour());
        f.Choose("mnuViewSymbols");
        Pointer("click 1", {176, 432});
        QVERIFY(!f.window.Surface().Covered() && f.window.Game().BricksLeft == 20);
        QTRY_COMPARE(Board(), playing);
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
