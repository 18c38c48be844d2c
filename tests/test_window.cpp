// The main window on the offscreen platform: the desktop's wish for less motion, its texts in each language, and what
// screen readers see. Play itself is in test_play, the window on a real screen in test_on_screen, and the kept choice
// of colour symbols in the real program's test.
#include "fixture.h"

#include "platform/desktop_motion.h"
#include "platform/translations.h"

#include <QAccessible>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QtTest>

const QString PortalPath = "/org/freedesktop/portal/desktop";

// A stand-in for the desktop's settings portal: it answers Read from its values, as the portal does, a variant in a
// variant; a key it has not is NotFound; when silent, it never answers.
class StandInPortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QDBusConnection bus{"none"};
    QVariantMap values; // by "group key"
    bool silent = false;
    int asked = 0;

public slots:
    QDBusVariant Read(const QString& group, const QString& key, const QDBusMessage& call)
    {
        ++asked, call.setDelayedReply(true);
        const QVariant value = values.value(group + ' ' + key);
        if (!silent)
            bus.send(value.isValid()
                         ? call.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(value)))))
                         : call.createErrorReply("org.freedesktop.portal.Error.NotFound", key));
        return {};
    }
};

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // The desktop's wish for less motion, from a stand-in settings portal on a private bus: at start and changed both
    // ways, GNOME's key where the portal lacks the appearance one, KDE's speed of 0, the first found winning; a portal
    // that never answers, and no bus at all, leave the animations on.
    void desktopMotion()
    {
        const QString appearance = "org.freedesktop.appearance reduced-motion";
        const QString gnome = "org.gnome.desktop.interface enable-animations";
        const QString kde = "org.kde.kdeglobals.KDE AnimationDurationFactor";
        const std::tuple<QString, QVariantMap, bool> cases[]{{"appearance", {{appearance, 1U}, {gnome, true}}, true},
                                                             {"GNOME alone", {{gnome, false}, {kde, "1"}}, true},
                                                             {"first found", {{appearance, 0U}, {gnome, false}}, false},
                                                             {"KDE", {{kde, "0"}}, true},
                                                             {"silent", {{appearance, 1U}}, false},
                                                             {"no bus", {}, false}};
        for (const auto& [row, values, reduced] : cases) {
            QProcess daemon;
            daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            const auto stop = qScopeGuard([&daemon] { daemon.kill(), daemon.waitForFinished(); });
            QVERIFY(daemon.waitForReadyRead(5000));
            const QString address = daemon.readLine().trimmed();
            StandInPortal portal;
            portal.bus = QDBusConnection::connectToBus(address, row + " portal"), portal.values = values,
            portal.silent = row == "silent";
            QVERIFY(portal.bus.registerService("org.freedesktop.portal.Desktop")
                    && portal.bus.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots));
            const DesktopMotion motion(
                QDBusConnection::connectToBus(row == "no bus" ? "unix:path=/none" : address, row));
            QTRY_COMPARE(portal.asked, row == "no bus" ? 0 : 3);
            QTest::qWait(100);
            QVERIFY2(motion.Reduced() == reduced, qPrintable(row));
            if (row != "appearance") continue;
            QSignalSpy changes(&motion, &DesktopMotion::Changed);
            for (const uint wish : {0U, 1U}) {
                auto signal
                    = QDBusMessage::createSignal(PortalPath, "org.freedesktop.portal.Settings", "SettingChanged");
                QVERIFY(portal.bus.send(signal << "org.freedesktop.appearance"
                                               << "reduced-motion" << QVariant::fromValue(QDBusVariant(wish))));
            }
            QTRY_COMPARE(changes.size(), 2);
            QVERIFY(!changes[0][0].toBool() && changes[1][0].toBool() && motion.Reduced());
        }
    }

    // In the first of the desktop's languages that has a translation, Qt's own buttons too, English counting as one:
    // a cell and a panel as screen readers hear them. That every text has its translation in German, French and
    // Spanish, translations/check.sh makes sure; that a record is kept the same in every language, test_store.
    void languages()
    {
        const auto heard = [](const QStringList& desktop) {
            const Translations translations(desktop);
            GameFixture f;
            f.StartFrom({"44"});
            return QStringList{QAccessible::queryAccessibleInterface(f.Board())->child(130)->text(QAccessible::Name),
                               f.window.statusBar()->findChild<QLabel*>("Bricks")->accessibleName(),
                               QCoreApplication::translate("QPlatformTheme", "&Yes")}
                .join('|');
        };
        QCOMPARE(heard({"fr-FR"}), "Brique rouge, colonne 1, ligne 14, groupe de 2|Briques restantes\u00a0: 2|&Oui");
        QCOMPARE(heard({"en-GB", "fr-FR"}), "Red brick, column 1, row 14, group of 2|Bricks left: 2|&Yes");
    }

    // The board is a table of its rows and columns, of cells named by what they hold and nothing selected, walked as
    // a screen reader walks it, down and back up, on boards of two sizes; the cursor's moves are told to it as the
    // focus, and each press, a removal, the move taken back and done again and taking a press back are said; the panels
    // name their values, and tell of a change only when there is one. A hint on how to begin until the keys are used.
    void accessibleBoard()
    {
        GameFixture f;
        f.StartFrom(QStringList(8, "1234512345"));
        QStringList heard;
        ListenToBoard(heard, true);
        const QString hint = f.Board()->accessibleDescription();
        const auto type = [&f](const QList<int>& keys) {
            for (const int key : keys) {
                QKeyEvent event(key > 0 ? QEvent::KeyPress : QEvent::KeyRelease, qAbs(key), Qt::NoModifier);
                QApplication::sendEvent(f.Board(), &event);
            }
        };
        type({Qt::Key_Right, Qt::Key_Space, -Qt::Key_Space});
        f.Choose("mnuMoveUndo");
        f.Choose("mnuMoveRedo");
        type({Qt::Key_Space, Qt::Key_Escape, -Qt::Key_Space, Qt::Key_Up, Qt::Key_Space, -Qt::Key_Space});
        for (int tick = 0; tick < 3; ++tick) QMetaObject::invokeMethod(f.window.findChild<QTimer*>(), "timeout");
        // Paused, no cell tells what it holds, and the board says why.
        f.Choose("mnuFilePause");
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
        for (int i = 0; i < board->childCount(); ++i) {
            const QString name = board->child(i)->text(QAccessible::Name);
            QVERIFY2(name.startsWith(QString("Paused, column %1,").arg(i % 10 + 1)), qPrintable(name));
        }
        QCOMPARE(board->text(QAccessible::Description), "Paused. Press P or click to continue.");
        f.Choose("mnuFilePause");
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(hint + '|' + f.Board()->accessibleDescription(), "Arrow keys move, Space or Return removes a group.|");
        const QString grey = "Grey brick, column 5, row 7, group of 8", empty = "Empty, column 5, row 6";
        const QString yellow = "Yellow brick, column 5, row 7, group of 8";
        QCOMPARE(
            heard,
            QStringList({"focus 64", yellow + ", pressed", "Bricks left: 72", "8 bricks removed, 72 left. " + grey,
                         "Bricks left: 80", "Move undone: 8 bricks back, 80 left. " + yellow, "Bricks left: 72",
                         "Move done again: 8 bricks removed, 72 left. " + grey, grey + ", pressed", grey, "focus 54",
                         empty, empty, "Time: 00:00:00", "Paused. Press P or click to continue.", "Resumed."}));
        // The table and its cells, on this board and on one of another size, where the cursor has gone.
        for (const char* size : {"mnuFileBoardNormal", "mnuFileBoardLarge"}) {
            f.Choose(size);
            const Geometry& shape = f.window.Game().Kind().shape;
            QCOMPARE(board->role(), QAccessible::Table);
            QCOMPARE(board->text(QAccessible::Name), "Board");
            QCOMPARE(board->childCount(), shape.CellCount());
            QCOMPARE(board->child(-1), nullptr);
            QCOMPARE(board->child(shape.CellCount()), nullptr);
            QAccessibleTableInterface* table = board->tableInterface();
            QCOMPARE(table->rowCount(), shape.Rows());
            QCOMPARE(table->columnCount(), shape.Columns());
            QCOMPARE(table->cellAt(shape.Rows(), 0), nullptr);
            QCOMPARE(table->cellAt(0, shape.Columns()), nullptr);
            QCOMPARE(table->cellAt(0, -1), nullptr);
            QCOMPARE(table->selectedCellCount(), 0);
            QStringList wrong; // each cell and what it tells wrongly
            for (int i = 0; i < shape.CellCount(); ++i) {
                QAccessibleInterface* cell = board->child(i);
                const QAccessibleTableCellInterface* place = cell->tableCellInterface();
                const auto check = [&](bool right, const char* fact) {
                    if (!right) wrong << QString("%1 %2").arg(i).arg(fact);
                };
                check(cell->role() == QAccessible::ListItem, "role");
                check(cell->parent() == board && board->indexOfChild(cell) == i, "index");
                check(place->rowIndex() * shape.Columns() + place->columnIndex() == i, "place");
                check(place->table() == board && table->cellAt(place->rowIndex(), place->columnIndex()) == cell,
                      "table");
                check(cell->state().focused == (i == f.window.Surface().Cursor()), "focus");
            }
            QCOMPARE(wrong, QStringList());
            QCOMPARE(board->focusChild(), board->child(f.window.Surface().Cursor()));
        }
        QCOMPARE(f.window.Surface().Cursor(), -1);
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
