// Reads the board back from a real X server at the scale factor the test run sets
// (QT_SCALE_FACTOR): the screen must show the board at device resolution, unresampled.
#include "game_fixture.h"

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

class ScreenDensityTest : public QObject {
    Q_OBJECT

private slots:
    void boardIsShownAtDeviceResolution()
    {
        const qreal ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
        GameFixture f;
        f.window.move(0, 0); // all of it on the screen at twice the size, so all of it can be read back
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QCOMPARE(f.window.devicePixelRatioF(), ratio);

        QScreen* screen = f.window.windowHandle()->screen();
        QCOMPARE(screen->grabWindow(f.window.winId()).width(), qRound(BoardWidth * ratio));
        const QImage picture = f.window.Surface().Picture();
        QCOMPARE(picture.size(), QSize(qRound(BoardWidth * ratio), qRound(BoardHeight * ratio)));
        const QRect board(f.window.Surface().mapTo(&f.window, QPoint(0, 0)), QSize(BoardWidth, BoardHeight));
        const auto shown = [&] {
            return Plain(screen->grabWindow(f.window.winId(), board.x(), board.y(), board.width(), board.height()).toImage());
        };
        QTRY_VERIFY_WITH_TIMEOUT(shown() == Plain(picture), 5000);

        // Where a drawing of that size exists, every cell is exactly it: right colour, sharp rim.
        if (ratio != 1 && ratio != 2) return;
        const QString suffix = ratio == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
        const QImage screenBoard = shown();
        const int cell = qRound(CellSize * ratio);
        for (const BrickRef& brick : f.window.Game().Board) {
            const QString name = QStringLiteral(":/bricks/brick%1").arg(f.ColourOf(brick->Picture), 2, 10, QLatin1Char('0'));
            const QRect area(qRound(CellLeft(brick->Index) * ratio), qRound(CellTop(brick->Index) * ratio), cell, cell);
            QVERIFY2(screenBoard.copy(area) == Plain(QImage(name + suffix)), qPrintable(name + suffix));
        }
    }
};

QTEST_MAIN(ScreenDensityTest)
#include "test_screen_density.moc"
