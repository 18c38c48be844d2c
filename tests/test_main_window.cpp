#include "game_fixture.h"

#include "platform/termination_signal.h"

#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include <csignal>

namespace {

// The area below the menu bar: the board and, when shown, the status bar.
QSize ClientSize(const frmMain& window)
{
    return {window.width(), window.height() - window.menuBar()->height()};
}

QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions()) captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void designBeforeAnyGame()
    {
        GameFixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Bricks"));
        const Qt::WindowFlags flags = f.window.windowFlags();
        QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);

        const QList<QMenu*> menus = f.window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->title(), QStringLiteral("&File"));
        QCOMPARE(Captions(menus[0]), (QStringList{"&New game", "&Retry", "-", "&Exit"}));
        QCOMPARE(menus[1]->title(), QStringLiteral("&View"));
        QCOMPARE(Captions(menus[1]), (QStringList{"&Statusbar", "&High score"}));
        QVERIFY(f.window.findChild<QAction*>("mnuViewStatusbar")->isChecked());
        for (const QAction* item : menus[0]->actions() + menus[1]->actions()) QVERIFY(item->shortcut().isEmpty());

        // The first game is dealt before the window is shown: the count is there already,
        // the clock shows its design text until its first tick.
        QCOMPARE(f.PanelText("Bricks"), QStringLiteral("140"));
        QCOMPARE(f.PanelText("Time"), QStringLiteral("Time:"));
        QCOMPARE(f.window.findChild<QTimer*>()->interval(), 200);
        QVERIFY(f.window.findChild<QTimer*>()->isActive());
    }

    void startupShowsTheWholeBoardAndFitsTheWindow()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const int statusHeight = f.window.statusBar()->height();
        QVERIFY(statusHeight > 0);
        QCOMPARE(ClientSize(f.window), QSize(320, 448 + statusHeight));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

        // Every cell shows its brick's normal look, pixel for pixel.
        const QImage shown = f.window.Surface().Picture();
        QCOMPARE(shown.size(), QSize(320, 448));
        for (const BrickRef& brick : f.window.Game().Board) {
            const QImage& look = brick->Picture->Image();
            for (const QPoint p : {QPoint(0, 0), QPoint(16, 16), QPoint(1, 30), QPoint(31, 31)}) {
                QCOMPARE(shown.pixel(CellLeft(brick->Index) + p.x(), CellTop(brick->Index) + p.y()), look.pixel(p));
            }
        }
    }

    void clockShowsElapsedTimeFromTheStart()
    {
        GameFixture f;
        f.clock.AdvanceSeconds(83.4);
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("00:01:23"), 1000);
        // A full day and more shows only what is left within the day.
        f.clock.AdvanceSeconds(86400 + 3600);
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("01:01:23"), 1000);

        // A new game restarts the clock but leaves the panel alone until the next tick.
        f.Choose("mnuFileNewGame");
        QCOMPARE(f.PanelText("Time"), QStringLiteral("01:01:23"));
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("00:00:00"), 1000);
    }

    void retryRestoresTheStartingBoard()
    {
        GameFixture f;
        const std::vector<int> dealt = f.Colours();
        const Brick* firstBrick = f.window.Game().Board[0].get();
        f.window.Game().Board[135].reset(); // as if bricks had been played
        f.window.Game().BricksLeft = 139;

        f.Choose("mnuFileRetry");
        QCOMPARE(f.Colours(), dealt);
        QVERIFY(f.window.Game().Board[0].get() != firstBrick);
        QCOMPARE(f.PanelText("Bricks"), QStringLiteral("140"));
        f.Choose("mnuFileRetry");
        QCOMPARE(f.Colours(), dealt);

        // Two games dealt in quick succession differ, and retry then restores the new one.
        f.Choose("mnuFileNewGame");
        const std::vector<int> second = f.Colours();
        QVERIFY(second != dealt);
        f.Choose("mnuFileRetry");
        QCOMPARE(f.Colours(), second);
        QCOMPARE(f.window.Surface().Picture().pixel(16, 16), f.window.Game().Board[0]->Picture->Image().pixel(16, 16));
    }

    void statusBarToggleRefitsTheWindow()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QRect before = f.window.geometry();

        f.Choose("mnuViewStatusbar");
        QVERIFY(f.window.statusBar()->isHidden());
        QVERIFY(!f.window.findChild<QAction*>("mnuViewStatusbar")->isChecked());
        QCOMPARE(ClientSize(f.window), QSize(320, 448));
        QCOMPARE(f.window.geometry().topLeft(), before.topLeft());

        f.clock.AdvanceSeconds(5);
        f.Choose("mnuViewStatusbar");
        QCOMPARE(f.window.geometry(), before);
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("00:00:05"), 1000);
    }

    void exitAsksFirst()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const std::vector<int> board = f.Colours();

        f.dialogs.answers.enqueue(MessageAnswer::No);
        f.Choose("mnuFileExit");
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown[0].prompt, QStringLiteral("Do you want to exit?"));
        QVERIFY(f.dialogs.shown[0].title.isEmpty()); // the application's own title
        QCOMPARE(f.Colours(), board);
        QVERIFY(f.window.findChild<QTimer*>()->isActive());

        // The close box asks the same question.
        f.dialogs.answers.enqueue(MessageAnswer::Yes);
        QVERIFY(f.window.close());
        QCOMPARE(f.dialogs.shown.size(), 2);
        QVERIFY(!f.window.isVisible());
    }

    void systemEndsTheProgramWithoutAsking()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.window.Unload();
        QVERIFY(!f.window.isVisible());
        QVERIFY(f.dialogs.shown.isEmpty());

        // SIGTERM arrives as a signal on this thread, where ending is safe.
        TerminationSignal termination;
        QSignalSpy received(&termination, &TerminationSignal::Received);
        std::raise(SIGTERM);
        QTRY_COMPARE(received.count(), 1);
    }

    void highScoreWindowIsModalAndReused()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QList<QWidget*> opened;
        const auto closeWhenShown = [&opened] {
            QTimer::singleShot(50, [&opened] {
                QWidget* dialog = QApplication::activeModalWidget();
                opened.append(dialog);
                if (dialog) dialog->close();
            });
        };
        closeWhenShown();
        f.Choose("mnuViewHighScore");
        closeWhenShown();
        f.Choose("mnuViewHighScore");
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0] != nullptr);
        QCOMPARE(opened[0], opened[1]);
        QCOMPARE(opened[0]->windowTitle(), QStringLiteral("High score"));
        QCOMPARE(opened[0]->parentWidget(), &f.window);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
