// The game's window on a real X server, read back from the server, at the scale factor the test run sets
// (QT_SCALE_FACTOR): the window on the screen, the board at device resolution, the real pointer held outside the
// window, every frame of a move on screen before the next one is drawn, and a press on a cell's last device pixel.
#include "fixture.h"

#include "main_window/view_settings.h"

#include <QAccessible>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QtTest>

class OnScreenTest : public QObject {
    Q_OBJECT

private:
    GameFixture f;
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();

    // An image's pixels as they are, whatever its device pixel ratio.
    static QImage Plain(QImage image)
    {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // A widget of the window as the X server has it.
    QImage Shown(const QWidget& widget) const
    {
        const QRect area(widget.mapTo(&f.window, QPoint(0, 0)), widget.size());
        return Plain(
            f.window.screen()->grabWindow(f.window.winId(), area.x(), area.y(), area.width(), area.height()).toImage());
    }
    QImage Board() const { return Shown(f.window.Surface()); }
    const Geometry& Shape() const { return f.window.Game().Kind().shape; }

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
    // the board, as the widget draws it, and the window fitted around it, and without it.
    void initTestCase()
    {
        f.window.show();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const QRect screen = f.window.screen()->availableGeometry(), window = f.window.frameGeometry();
        QVERIFY(screen.contains(window));
        QCOMPARE(f.window.Surface().mapToGlobal(QPoint(0, 0)), QPoint(271, 81));
        QCOMPARE(f.window.statusBar()->mapToGlobal(QPoint(0, 0)).y(), 81 + Shape().Height());
        // Without the status bar, the window fits the board alone, its top-left corner kept.
        f.Choose("mnuViewStatusbar");
        QCOMPARE(f.window.height(), window.height() - f.window.statusBar()->height());
        QCOMPARE(f.window.frameGeometry().topLeft(), window.topLeft());
        f.Choose("mnuViewStatusbar");
        QCOMPARE(f.window.frameGeometry(), window);
        if (ratio == 1 || ratio == 2) // where Qt draws whole pixels
            QTRY_COMPARE_WITH_TIMEOUT(Shown(*f.window.statusBar()), Plain(f.window.statusBar()->grab().toImage()),
                                      5000);
    }

    // The group stays pressed exactly while the held pointer is over it, also off the window; on release, every frame
    // of the move is on screen before the next is drawn. Ctrl+Z shows the board before the move, Ctrl+Shift+Z the
    // board after it. The pause's cover on the screen is in the real program's test.
    void pointerAndFramesOnScreen()
    {
        f.StartFrom({"1111111111", "2222222222"});
        QTRY_VERIFY_WITH_TIMEOUT(Board() == Plain(f.window.Surface().Picture()), 5000);
        const QImage start = Board();
        const QPoint sixth(176, 432), second(48, 432); // the middles of two bricks of the bottom row
        Pointer("mousedown 1", sixth);
        const QImage pressed = Board();
        Pointer("", {Shape().Width() + 300.0, 10});
        QCOMPARE(Board(), start);
        Pointer("", second);
        QCOMPARE(Board(), pressed);
        QVERIFY(pressed != start);
        int frames = 0;
        QImage last = Plain(f.window.Surface().Picture());
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
        // The board's keys for a move taken back and done again: the boards before and after it, as they were.
        const QImage after = Board();
        QProcess::execute("xdotool", {"key", "ctrl+z"});
        QTRY_COMPARE(Board(), start);
        QProcess::execute("xdotool", {"key", "ctrl+shift+z"});
        QTRY_COMPARE(Board(), after);
    }

    // The wheel zooms with Ctrl held, and only then. Zoomed in while the window fits the screen, and back: the window
    // as wide as the zoomed board, on the screen, moved up where it would stick out; the cells as presented; a press
    // on a cell's last device pixel on that cell, the next pixel on the next cell, where the board lies on whole device
    // pixels. The large board at 100 %, on the screen where it fits, 1366 x 768 among them. A window opening at a zoom
    // kept from an earlier run, too large for the screen, opens at the largest that fits, and the wish stays kept.
    void zoomedPressOnACellsLastPixel()
    {
        f.StartFrom({"1212121212"});
        const QRect screen = f.window.screen()->availableGeometry();
        const bool larger = f.window.findChild<QAction*>("mnuViewZoomIn")->isEnabled();
        Pointer("click 4", {16, 16});
        QCOMPARE(f.window.Surface().Zoom(), 1.0);
        Pointer("keydown ctrl click 4 keyup ctrl", {16, 16});
        QTRY_COMPARE(f.window.Surface().Zoom(), larger ? 1.5 : 1.0);
        Pointer("keydown ctrl click 5 keyup ctrl", {16, 16});
        QTRY_COMPARE(f.window.Surface().Zoom(), 1.0);
        QList<qreal> zooms;
        for (const QAction* zoomIn = f.window.findChild<QAction*>("mnuViewZoomIn");; f.Choose("mnuViewZoomIn")) {
            const qreal zoom = f.window.Surface().Zoom();
            zooms << zoom;
            QCOMPARE(f.window.width(), qRound(Shape().Width() * zoom));
            QCOMPARE(f.window.findChild<QAction*>("mnuViewNormalSize")->isEnabled(), zoom > 1);
            QVERIFY(screen.contains(f.window.frameGeometry()));
            QTRY_VERIFY_WITH_TIMEOUT(Board() == Plain(f.window.Surface().Picture()), 5000);
            for (const int cell : {130, 131}) {
                if (ratio != 1 && ratio != 2) break;
                const QPointF at(CellSize * zoom - (cell == 130 ? 1 / ratio : 0), 432 * zoom); // the last, the next
                Pointer("mousedown 1", at);
                // A screen reader or a magnifier finds the cell at its last point, or the next one's first, too.
                QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
                const QPoint point
                    = f.Board()->mapToGlobal(QPoint(qRound(CellSize * zoom) - (cell == 130), 432 * zoom));
                QVERIFY(board->child(cell)->text(QAccessible::Name).endsWith("pressed"));
                QCOMPARE(board->childAt(point.x(), point.y()), board->child(cell));
                QVERIFY(board->child(cell)->rect().contains(point));
                Pointer("mouseup 1", at);
            }
            if (!zoomIn->isEnabled()) break;
        }
        QCOMPARE(zooms.last(), ratio == 1.5 ? 1 : 1.5); // 50 % more would not fit
        if (ratio != 1.5) QCOMPARE(f.window.frameGeometry().bottom(), screen.bottom());
        QProcess::execute("xdotool", {"key", "ctrl+0"}); // Normal size
        QTRY_COMPARE(f.window.Surface().Zoom(), 1.0);
        QCOMPARE(f.window.width(), Shape().Width());
        QCOMPARE(f.store.GetSetting("Vondrel", "View", "Zoom", QString()), zooms.size() > 1 ? "100" : "");
        f.Choose("mnuFileBoardLarge");
        QCOMPARE(f.window.Surface().size(), QSize(15, 20) * CellSize);
        QVERIFY(screen.contains(f.window.frameGeometry()));
        f.Choose("mnuFileBoardNormal");

        GameFixture kept;
        kept.store.Change("Vondrel", "View", [&](SettingsStore::Section& view) { view.Set("Zoom", "400"); });
        kept.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&kept.window));
        QCOMPARE(kept.window.Surface().Zoom(), zooms.last());
        QCOMPARE(kept.store.GetSetting("Vondrel", "View", "Zoom", QString()), "400");
    }

    // A held key's release counts once the X server has the key up: one that comes while it is down, without its
    // auto-repeat mark, as some paths deliver them, a screen reader's among them, takes nothing away.
    void heldKeyRemovesOnItsLastRelease()
    {
        f.StartFrom({"1111111111", "2222222222"});
        for (int down = 0; down < Shape().Rows() - 5; ++down) QTest::keyClick(f.Board(), Qt::Key_Down);
        Pointer("", {16, 16}); // the server's keys go where the pointer is
        QProcess::execute("xdotool", {"keydown", "space"});
        QTRY_VERIFY(f.window.Surface().CellName(134).endsWith("pressed"));
        QKeyEvent early(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, 65, 0, 0, " "); // X's usual key code
        QApplication::sendEvent(f.Board(), &early);
        QCOMPARE(f.window.Game().BricksLeft, 20);
        QProcess::execute("xdotool", {"keyup", "space"});
        QTRY_COMPARE(f.window.Game().BricksLeft, 10);
    }
};

QTEST_MAIN(OnScreenTest)
#include "test_on_screen.moc"
