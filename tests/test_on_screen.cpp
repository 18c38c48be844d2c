// The game's window on a real X server, read back from the server, at the scale factor the test
// run sets (QT_SCALE_FACTOR): the board at device resolution, the real pointer held outside the
// window, and every frame of a move on screen before the next one is drawn.
#include "fixture.h"

#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

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
    const qreal ratio
        = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;

    // The board as the X server has it.
    QImage Shown() const
    {
        const QRect board(f.window.Surface().mapTo(&f.window, QPoint(0, 0)), QSize(BoardWidth, BoardHeight));
        return Plain(f.window.windowHandle()
                         ->screen()
                         ->grabWindow(f.window.winId(), board.x(), board.y(), board.width(), board.height())
                         .toImage());
    }

    // Real pointer events, from xdotool, at a point of the board.
    void Pointer(const QString& action, QPoint at = {})
    {
        const QPoint device = f.window.Surface().mapToGlobal(at) * ratio;
        QProcess::execute("xdotool", QStringList{"mousemove", QString::number(device.x()), QString::number(device.y())}
                                         + action.split(' ', Qt::SkipEmptyParts));
        QTest::qWait(100);
    }

private slots:
    // The whole window lies on the 1280 x 1024 screen: at the design place, the board's corner at (271, 81),
    // where it fits; at twice the size, moved up just enough.
    void initTestCase()
    {
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QCOMPARE(f.window.devicePixelRatioF(), ratio);
        const QRect screen = f.window.screen()->availableGeometry(), window = f.window.frameGeometry();
        QVERIFY(screen.contains(window));
        const QPoint board = f.window.Surface().mapToGlobal(QPoint(0, 0));
        QVERIFY(ratio < 2 ? board == QPoint(271, 81) : board.x() == 271 && window.bottom() == screen.bottom());
    }

    void boardIsShownAtDeviceResolution()
    {
        QScreen* screen = f.window.windowHandle()->screen();
        QCOMPARE(screen->grabWindow(f.window.winId()).width(), qRound(BoardWidth * ratio));
        QCOMPARE(f.window.Surface().Picture().size(), QSize(qRound(BoardWidth * ratio), qRound(BoardHeight * ratio)));
        QTRY_VERIFY_WITH_TIMEOUT(Shown() == Plain(f.window.Surface().Picture()), 5000);

        // Where a drawing of that size exists, every cell is exactly it: right colour, sharp rim; and
        // the status bar, right under the board, is as the widget draws it.
        if (ratio != 1 && ratio != 2) return;
        QWidget* status = f.window.statusBar();
        const QPoint at = status->mapTo(&f.window, QPoint(0, 0));
        QCOMPARE(at.y(), f.window.Surface().mapTo(&f.window, QPoint(0, 0)).y() + BoardHeight);
        QCOMPARE(
            Plain(screen->grabWindow(f.window.winId(), at.x(), at.y(), status->width(), status->height()).toImage()),
            Plain(status->grab().toImage()));
        const QImage board = Shown();
        const int cell = qRound(CellSize * ratio);
        for (const BrickRef& brick : f.window.Game().Board) {
            const QString name = QStringLiteral(":/bricks/brick%1%2.png")
                                     .arg(SlotOf(brick->Picture, f.window.Pictures()), 2, 10, QChar('0'))
                                     .arg(ratio == 2 ? "@2x" : "");
            QVERIFY2(board.copy(CellLeft(brick->Index) * ratio, CellTop(brick->Index) * ratio, cell, cell)
                         == Plain(QImage(name)),
                     qPrintable(name));
        }
    }

    // The group stays pressed exactly while the held pointer is over it, also off the window; on
    // release, every frame of the move is on screen before the next is drawn.
    void pointerAndFramesOnScreen()
    {
        f.StartFrom({"1111111111", "2222222222"});
        const QImage start = Plain(f.window.Surface().Picture());
        Pointer("mousedown 1", Centre(135));
        QVERIFY(Shown() != start);
        const QImage pressed = Shown();
        Pointer("", {BoardWidth + 300, 10}); // off the window
        QCOMPARE(Shown(), start);
        Pointer("", Centre(131));
        QCOMPARE(Shown(), pressed);
        int frames = 0;
        QImage last = start;
        f.ticks.onSleep = [&] {
            if (f.window.Surface().Picture() == last) return;
            last = f.window.Surface().Picture().copy();
            ++frames;
            QCOMPARE(Shown(), Plain(last));
        };
        Pointer("mouseup 1", Centre(131));
        f.ticks.onSleep = nullptr;
        QVERIFY2(frames > 20, qPrintable(QString::number(frames)));
        QCOMPARE(f.Position().right(21), QStringLiteral("........../1111111111"));
    }

    // What a window manager sends for a click on the close box asks first, as File > Exit does.
    void closeRequestAsksFirst()
    {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const auto atom = [connection](const char* name) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 0, std::uint16_t(strlen(name)), name), nullptr);
            const xcb_atom_t found = reply->atom;
            free(reply);
            return found;
        };
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE, event.format = 32, event.window = xcb_window_t(f.window.winId()),
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW"), event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection),
                                       nullptr)); // a round trip: sent before we go
        xcb_disconnect(connection);
        f.dialogs.answers = "N";
        QTRY_COMPARE(f.dialogs.shown, QStringList{"exit"});
        QVERIFY(f.window.isVisible());
    }

private:
    static QPoint Centre(int cell) { return {CellLeft(cell) + CellSize / 2, CellTop(cell) + CellSize / 2}; }
};

QTEST_MAIN(OnScreenTest)
#include "test_on_screen.moc"
