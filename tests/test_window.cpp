// The main window on the offscreen platform: its design, start-up, clock, retry, menus and exit.
#include "fixture.h"

#include "platform/termination_signal.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <csignal>

namespace {

// The area below the menu bar: the board and, when shown, the status bar.
QSize ClientSize(const frmMain& window) { return {window.width(), window.height() - window.menuBar()->height()}; }

QTimer* Timer(const frmMain& window) { return window.findChild<QTimer*>(); }

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void designAndFirstDeal()
    {
        GameFixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Bricks"));
        QCOMPARE(f.window.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint), Qt::WindowCloseButtonHint);
        QStringList menus;
        for (const QMenu* menu : f.window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
            menus << menu->title();
            for (const QAction* item : menu->actions()) {
                menus << (item->isSeparator() ? QStringLiteral("-") : item->text() + (item->isChecked() ? "*" : ""));
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(menus, (QStringList{"&File", "&New game", "&Retry", "-", "&Exit", "&View", "&Statusbar*", "&High score"}));
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
        const int statusHeight = f.window.statusBar()->height();
        QVERIFY(statusHeight > 0);
        QCOMPARE(ClientSize(f.window), QSize(320, 448 + statusHeight));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

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
        QVERIFY(f.Position() == dealt && f.window.Game().Board[0].get() != firstBrick && f.PanelText("Bricks") == "140");
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
        const struct { MessageStyle style; QMessageBox::StandardButtons buttons; QMessageBox::Icon icon; QMessageBox::StandardButton click; MessageAnswer answer; } cases[] = {
            {MessageStyle::YesNoQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes, MessageAnswer::Yes},
            {MessageStyle::YesNoQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No, MessageAnswer::No},
            {MessageStyle::RetryCancelQuestion, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Question, QMessageBox::Retry, MessageAnswer::Retry},
            {MessageStyle::RetryCancelQuestion, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Question, QMessageBox::Cancel, MessageAnswer::Cancel},
            {MessageStyle::OkWarning, QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, MessageAnswer::Ok}};
        for (const auto& [style, buttons, icon, click, answer] : cases) {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box && box->parentWidget() == &owner && box->standardButtons() == buttons && box->icon() == icon);
                QCOMPARE(box->windowTitle() + '|' + box->text(), QStringLiteral("%1|One\nTwo").arg(click == QMessageBox::No ? "Vondrel" : "Title"));
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

    void highScoreWindowIsModalAndReused()
    {
        GameFixture f;
        f.window.show();
        QList<QWidget*> opened;
        for (int time = 0; time < 2; ++time) {
            QTimer::singleShot(50, [&opened] {
                opened.append(QApplication::activeModalWidget());
                if (opened.last()) opened.last()->close();
            });
            f.Choose("mnuViewHighScore");
        }
        QVERIFY(opened[0] && opened[0] == opened[1]);
        QCOMPARE(opened[0]->windowTitle(), QStringLiteral("High score"));
        QCOMPARE(opened[0]->parentWidget(), &f.window);
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
