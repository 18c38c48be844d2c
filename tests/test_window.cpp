// The main window on the offscreen platform: its design, start-up, clock, retry, menus and exit.
#include "fixture.h"

#include "board/group_search.h"
#include "platform/termination_signal.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSizeGrip>
#include <QTimer>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <csignal>

namespace {

// The area below the menu bar: the board and, when shown, the status bar.
QSize ClientSize(const frmMain& window)
{
    return {window.width(), window.height() - window.menuBar()->height()};
}

QTimer* Timer(const frmMain& window)
{
    return window.findChild<QTimer*>();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void designAndFirstDeal()
    {
        GameFixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Bricks"));
        QCOMPARE(f.window.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
                 Qt::WindowCloseButtonHint);
        QStringList menus;
        for (const QMenu* menu : f.window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
            menus << menu->title();
            for (const QAction* item : menu->actions()) {
                menus << (item->isSeparator() ? QStringLiteral("-") : item->text() + (item->isChecked() ? "*" : ""));
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(menus, (QStringList{"&File", "&New game", "&Retry", "-", "&Exit", "&View", "&Statusbar*",
                                     "&High score", "&Colour symbols"}));
        // Dealt before the window shows: the count is there, the clock shows its design text until it ticks.
        QCOMPARE(f.PanelText("Bricks") + f.PanelText("Time"), QStringLiteral("140Time:"));
        QVERIFY(Timer(f.window)->interval() == 200 && Timer(f.window)->isActive());
    }

    // The window fits the board and the status bar, shown or hidden, its top-left corner kept.
    void windowFitsTheBoard()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QRect shown = f.window.geometry();
        QVERIFY(f.window.statusBar()->height() > 0 && f.window.minimumSize() == f.window.maximumSize());
        QCOMPARE(ClientSize(f.window), QSize(320, 448 + f.window.statusBar()->height()));
        // The count, then the clock, side by side in the status bar.
        const QRect bricks = f.window.statusBar()->findChild<QLabel*>("Bricks")->geometry(),
                    time = f.window.statusBar()->findChild<QLabel*>("Time")->geometry();
        QVERIFY(bricks.right() < time.left() && f.window.statusBar()->rect().contains(bricks.united(time)));
        const QSizeGrip* grip
            = f.window.statusBar()->findChild<QSizeGrip*>(); // nothing to grip on a window of fixed size
        QVERIFY(grip == nullptr || !grip->isVisible());

        f.Choose("mnuViewStatusbar");
        QVERIFY(f.window.statusBar()->isHidden() && !f.window.findChild<QAction*>("mnuViewStatusbar")->isChecked());
        QCOMPARE(ClientSize(f.window), QSize(320, 448));
        QCOMPARE(f.window.geometry().topLeft(), shown.topLeft());
        f.clock.AdvanceSeconds(5);
        f.Choose("mnuViewStatusbar");
        QCOMPARE(f.window.geometry(), shown);
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("00:00:05"), 1000);
    }

    void clockAndRetry()
    {
        GameFixture f;
        f.clock.AdvanceSeconds(83.4);
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("00:01:23"), 1000);
        f.clock.AdvanceSeconds(86400 + 3600); // a day and more shows what is left within the day
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("01:01:23"), 1000);

        // A retry brings the deal back in fresh bricks, counts 140 and restarts the clock, which
        // keeps its text until it ticks; so does a new game, with a new deal.
        const QString dealt = f.Position();
        const Brick* firstBrick = f.window.Game().Board[0].get();
        f.window.Game().Board[135].reset();
        f.window.Game().BricksLeft = 139;
        f.Choose("mnuFileRetry");
        f.Choose("mnuFileRetry");
        QVERIFY(f.Position() == dealt && f.window.Game().Board[0].get() != firstBrick
                && f.PanelText("Bricks") == "140");
        QCOMPARE(f.PanelText("Time"), QStringLiteral("01:01:23"));
        QTRY_COMPARE_WITH_TIMEOUT(f.PanelText("Time"), QStringLiteral("00:00:00"), 1000);
        f.Choose("mnuFileNewGame");
        const QString second = f.Position();
        QVERIFY(second != dealt);
        f.Choose("mnuFileRetry");
        QCOMPARE(f.Position(), second);
    }

    void exitAsksFirst()
    {
        GameFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QString position = f.Position();
        f.dialogs.answers = "NY";
        f.Choose("mnuFileExit");
        QVERIFY(f.window.isVisible() && Timer(f.window)->isActive() && f.Position() == position);
        QVERIFY(f.window.close()); // the close box asks the same
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.dialogs.shown, QStringList({"exit", "exit"}));

        // The system ends it without a question; SIGTERM arrives on this thread, where ending is safe.
        GameFixture ending;
        ending.window.show();
        ending.window.Unload();
        QVERIFY(!ending.window.isVisible() && ending.dialogs.shown.isEmpty());
        TerminationSignal termination;
        QSignalSpy received(&termination, &TerminationSignal::Received);
        std::raise(SIGTERM);
        QTRY_COMPARE(received.count(), 1);
    }

    // The platform's own boxes: their buttons, icon, title and text, and the answer each button gives.
    void dialoguesAnswerAsClicked()
    {
        QtDialogs dialogs;
        QWidget owner;
        const struct {
            MessageStyle style;
            QMessageBox::StandardButtons buttons;
            QMessageBox::Icon icon;
            QMessageBox::StandardButton click;
            MessageAnswer answer;
        } cases[]
            = {{MessageStyle::YesNoQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                QMessageBox::Yes, MessageAnswer::Yes},
               {MessageStyle::YesNoQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No,
                MessageAnswer::No},
               {MessageStyle::RetryCancelQuestion, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Question,
                QMessageBox::Retry, MessageAnswer::Retry},
               {MessageStyle::RetryCancelQuestion, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Question,
                QMessageBox::Cancel, MessageAnswer::Cancel},
               {MessageStyle::OkWarning, QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, MessageAnswer::Ok}};
        for (const auto& [style, buttons, icon, click, answer] : cases) {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box && box->parentWidget() == &owner && box->standardButtons() == buttons
                        && box->icon() == icon);
                QCOMPARE(box->windowTitle() + '|' + box->text(),
                         QStringLiteral("%1|One\nTwo").arg(click == QMessageBox::No ? "Vondrel" : "Title"));
                box->button(click)->click();
            });
            QCOMPARE(dialogs.MsgBox(&owner, "One\r\nTwo", style, click == QMessageBox::No ? "" : "Title"), answer);
        }
        for (const bool accept : {true, false}) {
            QTimer::singleShot(0, [&] {
                auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                QVERIFY(input && input->windowTitle() == "Vondrel" && input->labelText() == "Name\nplease:");
                input->setTextValue("Ada");
                accept ? input->accept() : input->reject();
            });
            QCOMPARE(dialogs.InputBox(&owner, "Name\r\nplease:"), accept ? "Ada" : "");
        }
    }

    // Assistive technology sees the board as a table of cells named by what they hold, and the two
    // panels by name; the cursor's moves, a press and a removal send what a screen reader speaks on.
    void accessibleBoard()
    {
        GameFixture f;
        f.StartFrom({"1.........", "1123344..."});
        static QStringList heard;
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as when a screen reader asks
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (qobject_cast<BoardSurface*>(event->object())
                && (event->type() == QAccessible::Focus || event->type() == QAccessible::NameChanged))
                heard << QStringLiteral("%1 %2")
                             .arg(event->type() == QAccessible::Focus ? "focus" : "name")
                             .arg(event->child());
        });
        const QList<int> keys = QList<int>{Qt::Key_Right} + QList<int>(7, Qt::Key_Down) + QList<int>(4, Qt::Key_Left)
                                + QList<int>{Qt::Key_Space, -Qt::Key_Space};
        for (const int key : keys) {
            QKeyEvent event(key > 0 ? QEvent::KeyPress : QEvent::KeyRelease, qAbs(key), Qt::NoModifier);
            QApplication::sendEvent(f.Board(), &event);
        }
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(heard.join(", "), "focus 64, focus 74, focus 84, focus 94, focus 104, focus 114, focus 124, focus "
                                   "134, focus 133, focus 132, focus 131, focus 130, "
                                   "name 130, name 130"); // pressed, then removed
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
        QVERIFY(board->role() == QAccessible::Table && board->text(QAccessible::Name) == "Board"
                && board->childCount() == CellCount);
        const QPoint at = f.Board()->mapToGlobal(QPoint(100, 420));
        QVERIFY(board->focusChild() == board->child(130) && board->childAt(at.x(), at.y()) == board->child(133));
        QVERIFY(board->child(130)->state().focused && board->child(130)->state().focusable
                && !board->child(131)->state().focused);
        QCOMPARE(board->child(133)->text(QAccessible::Name), QStringLiteral("Red brick, column 4, row 14, group of 2"));
        for (const auto& [key, name] : {std::pair{"Bricks", "Bricks left"}, std::pair{"Time", "Time"}}) {
            QAccessibleInterface* panel
                = QAccessible::queryAccessibleInterface(f.window.statusBar()->findChild<QLabel*>(key));
            QVERIFY(panel->text(QAccessible::Name) == name
                    && panel->text(QAccessible::Description) == f.PanelText(key));
        }
    }

    // Off at first, every pixel as before; on, every brick in both looks carries its colour's symbol.
    // The choice is kept for the next run in a section of its own; a damaged value reads as off.
    void colourSymbols()
    {
        GameFixture f;
        const QImage plain = f.window.Surface().Picture().copy();
        const auto marked = [&](const frmMain& window, const BrickCollection& pressed) {
            for (const BrickRef& brick : window.Game().Board)
                if (window.Surface().Picture().copy(CellLeft(brick->Index), CellTop(brick->Index), CellSize, CellSize)
                    != (pressed.Contains(*brick) ? brick->DownPicture : brick->Picture)->Image(CellSize, true))
                    return false;
            return true;
        };
        QTest::mousePress(f.Board(), Qt::LeftButton, {}, QPoint(16, 16));
        f.Choose("mnuViewSymbols");
        QVERIFY(marked(f.window, *FindGroup(f.window.Game().Board, f.window.Game().Board[0])));
        QTest::mouseMove(f.Board(), QPoint(-40, 500));
        QTest::mouseRelease(f.Board(), Qt::LeftButton, {}, QPoint(-40, 500));
        frmMain next(Services{f.clock, f.ticks, f.random, f.dialogs, f.store});
        QVERIFY(next.findChild<QAction*>("mnuViewSymbols")->isChecked() && marked(next, {}));
        QCOMPARE(QSettings(f.folder.filePath("Vondrel/Vondrel.conf"), QSettings::IniFormat).childGroups(),
                 QStringList{"View"});
        f.Choose("mnuViewSymbols");
        QCOMPARE(f.window.Surface().Picture(), plain);
        QVERIFY(f.store.Change("Vondrel", "View", [](SettingsStore::Section& view) { view.Set("Symbols", "yes"); }));
        QVERIFY(!frmMain(Services{f.clock, f.ticks, f.random, f.dialogs, f.store})
                     .findChild<QAction*>("mnuViewSymbols")
                     ->isChecked());
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
