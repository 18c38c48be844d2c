// The main window on the offscreen platform: its design, fitting and closing, and what screen readers see. Play
// itself is in test_play; the kept choice of colour symbols in the real program's test.
#include "fixture.h"

#include <QAccessible>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // The title, a close box only, the menus, the first deal counted before the window shows, and the window fitted
    // to the board and the status bar, shown or hidden, its top-left corner kept.
    void designAndFitting()
    {
        GameFixture f;
        QVERIFY(f.window.windowTitle() == "Bricks"
                && (f.window.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint))
                       == Qt::WindowCloseButtonHint);
        QStringList menus;
        for (const QMenu* menu : f.window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
            menus << menu->title();
            for (const QAction* item : menu->actions())
                menus << (item->isSeparator()
                              ? "-"
                              : item->text() + (item->isChecked() ? "*" : "") + item->shortcut().toString());
        }
        QCOMPARE(menus.join(' '), "&File &New game &Retry - &Exit &View &Statusbar* &High score &Colour symbols");
        QCOMPARE(f.PanelText("Bricks") + ' ' + f.PanelText("Time"), "140 Time:");
        QCOMPARE(f.window.findChild<QTimer*>()->interval(), 200);

        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QRect shown = f.window.geometry();
        const auto client = [&] { return QSize(f.window.width(), f.window.height() - f.window.menuBar()->height()); };
        QVERIFY(f.window.statusBar()->height() > 0 && f.window.minimumSize() == f.window.maximumSize());
        QCOMPARE(client(), QSize(320, 448 + f.window.statusBar()->height()));
        f.Choose("mnuViewStatusbar");
        QVERIFY(f.window.statusBar()->isHidden() && client() == QSize(320, 448)
                && f.window.geometry().topLeft() == shown.topLeft());
        f.Choose("mnuViewStatusbar");
        QCOMPARE(f.window.geometry(), shown);
        // Closing asks first, and a Yes closes.
        f.dialogs.answers = "Y";
        QVERIFY(f.window.close() && !f.window.isVisible() && f.dialogs.shown == QStringList{"exit"});
    }

    // The board is a table of cells named by what they hold, walked as a screen reader walks it, down and back up;
    // the cursor's moves, presses, a removal and taking a press back are told to it; the panels have names.
    void accessibleBoard()
    {
        GameFixture f;
        f.StartFrom(QStringList(8, "1234512345"));
        static QStringList heard;
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as when a screen reader asks
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (qobject_cast<BoardSurface*>(event->object())
                && (event->type() == QAccessible::Focus || event->type() == QAccessible::NameChanged))
                heard
                    << QString("%1 %2").arg(event->type() == QAccessible::Focus ? "focus" : "name").arg(event->child());
        });
        const QList<int> keys
            = QList<int>{Qt::Key_Right, Qt::Key_Space, -Qt::Key_Space, Qt::Key_Space, Qt::Key_Escape, -Qt::Key_Space}
              + QList<int>(6, Qt::Key_Up) + QList<int>(4, Qt::Key_Left) + QList<int>{Qt::Key_Space, -Qt::Key_Space};
        for (const int key : keys) {
            QKeyEvent event(key > 0 ? QEvent::KeyPress : QEvent::KeyRelease, qAbs(key), Qt::NoModifier);
            QApplication::sendEvent(f.Board(), &event);
        }
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(heard.join(", "),
                 "focus 64, name 64, name 64, name 64, name 64, focus 54, focus 44, focus 34, focus 24, "
                 "focus 14, focus 4, focus 3, focus 2, focus 1, focus 0, name 0, name 0");
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
        QVERIFY(board->role() == QAccessible::Table && board->text(QAccessible::Name) == "Board");
        QVERIFY(board->childCount() == CellCount && !board->child(-1) && !board->child(CellCount));
        for (int i = 0; i < CellCount; ++i) {
            QAccessibleInterface* cell = board->child(i);
            QVERIFY(cell && cell->isValid() && cell->role() == QAccessible::Cell && cell->parent() == board);
            QVERIFY(board->indexOfChild(cell) == i && cell->childCount() == 0 && !cell->child(0)
                    && cell->indexOfChild(board) < 0);
            QCOMPARE(cell->rect(), QRect(f.Board()->mapToGlobal(QPoint(CellLeft(i), CellTop(i))), QSize(32, 32)));
            QVERIFY(cell->state().focusable && cell->state().focused == (i == 0));
        }
        const QPoint at = f.Board()->mapToGlobal(QPoint(100, 420));
        QVERIFY(board->focusChild() == board->child(0) && board->childAt(at.x(), at.y()) == board->child(133));
        QCOMPARE(board->child(133)->text(QAccessible::Name), "Red brick, column 4, row 14, group of 8");
        for (const auto& [key, name] : {std::pair{"Bricks", "Bricks left"}, std::pair{"Time", "Time"}}) {
            QAccessibleInterface* panel
                = QAccessible::queryAccessibleInterface(f.window.statusBar()->findChild<QLabel*>(key));
            QVERIFY(panel->text(QAccessible::Name) == name
                    && panel->text(QAccessible::Description) == f.PanelText(key));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
