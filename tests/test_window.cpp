// The main window on the offscreen platform: the desktop's wish for less motion, its texts in each language, and what
// screen readers see. Play itself is in test_play, the window on a real screen in test_on_screen, and the kept choice
// of colour symbols in the real program's test.
#include "fixture.h"

#include "platform/desktop_motion.h"
#include "platform/translations.h"
#include "scores/frm_high_score.h"

#include <QAccessible>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>
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

// Every text of the window that a player or a screen reader meets, in the same order in every language: the menus and
// their items, the board's name and hint, a brick's cell, an empty one and a paused one, the panels, the high-score
// window's title and headings, and the question on closing.
QStringList Texts()
{
    GameFixture f;
    f.StartFrom({"1", "44"});
    QStringList texts;
    for (const QAction* item : f.window.findChildren<QAction*>()) texts << item->text();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
    texts << board->text(QAccessible::Name) << board->text(QAccessible::Description);
    texts << board->child(130)->text(QAccessible::Name) << board->child(0)->text(QAccessible::Name);
    for (const QLabel* panel : f.window.statusBar()->findChildren<QLabel*>()) texts << panel->accessibleName();
    f.Choose("mnuFilePause");
    texts << board->child(0)->text(QAccessible::Name) << board->text(QAccessible::Description);
    f.Choose("mnuFileBoardLarge");
    Settings records(f.store);
    frmHighScore scores(records, nullptr);
    scores.ShowKind(f.window.Game().Kind());
    scores.show();
    texts << scores.windowTitle();
    for (const QLabel* label : scores.findChildren<QLabel*>(QRegularExpression("lblTitel"))) texts << label->text();
    f.window.close();
    texts << f.dialogs.shown;
    texts.removeAll(QString());
    return texts;
}

// Whatever is cut off, at the application's font: in the high-score window, each label whose text needs more room
// than it has; on the pause cover of the smallest board, each edge its words run into.
QStringList CutOff()
{
    GameFixture f;
    QStringList cut;
    Settings records(f.store);
    records.SaveBestRecord(NormalKind, 9, 86399 / SecondsPerDay, "Ann");
    frmHighScore scores(records, nullptr);
    scores.show();
    for (const QLabel* label : scores.findChildren<QLabel*>()) {
        const QSize needs = label->sizeHint(), has = label->size();
        if (label->objectName() != "lblNamn9" && (needs.width() > has.width() || needs.height() > has.height()))
            cut << label->objectName() + ' ' + label->text();
    }
    f.Choose("mnuFileBoardSmall");
    f.Choose("mnuFilePause");
    const QImage cover = f.Board()->grab().toImage();
    const QRect edges[]{{0, 0, 1, cover.height()},
                        {cover.width() - 1, 0, 1, cover.height()},
                        {0, cover.height() - 1, cover.width(), 1}};
    for (const QRect& edge : edges)
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            for (int x = edge.left(); x <= edge.right(); ++x)
                if (cover.pixel(x, y) != BoardColour()) cut << QString("cover at %1, %2").arg(x).arg(y);
    cut.removeDuplicates();
    return cut.mid(0, 5);
}

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

    // Every language the game speaks, looked up by the desktop's locale and its fallbacks, and English where the
    // desktop puts it first or has none of them, traditional Chinese and Portugal's Portuguese among them: a cell's
    // name and Qt's buttons in that language, Swedish's, which Qt lacks, the game's own, and no text left in English
    // but those the language writes alike: menus, panels, the board's, the high-score window's, the question. At 9 and
    // 11 points nothing is cut off: not the high-score window's headings and rows, nor the pause cover's words, on the
    // narrowest board.
    void languages_data()
    {
        QTest::addColumn<QString>("desktop");   // its languages, the first first
        QTest::addColumn<QString>("heard");     // a cell, and Qt's Yes button
        QTest::addColumn<QStringList>("alike"); // the texts the language writes as English does
        const QStringList all{"all"}, none, normal{"&Normal (10 × 14)"};
        const QString english = "Red brick, column 1, row 14, group of 2|&Yes";
        for (const char* desktop : {"en-GB,fr-FR", "C", "zh-TW", "zh-HK", "pt-PT"})
            QTest::newRow(desktop) << desktop << english << all;
        QTest::newRow("cs") << "cs-CZ"
                            << "Červená kostka, sloupec 1, řádek 14, ve skupině 2 kostky|&Ano" << none;
        QTest::newRow("de") << "de-DE"
                            << "Roter Stein, Spalte 1, Zeile 14, Gruppe von 2|&Ja"
                            << QStringList{"&Pause", "&Normal (10 × 14)", "Name:"};
        QTest::newRow("es") << "es-ES"
                            << "Ladrillo rojo, columna 1, fila 14, grupo de 2|&Sí" << normal;
        QTest::newRow("fr") << "fr-FR"
                            << "Brique rouge, colonne 1, ligne 14, groupe de 2|&Oui"
                            << QStringList{"&Pause", "&Normal (10 × 14)"};
        QTest::newRow("it") << "it-IT"
                            << "Mattone rosso, colonna 1, riga 14, gruppo di 2|&Sì" << QStringList{"&File"};
        QTest::newRow("ja") << "ja-JP"
                            << "赤いブロック、1 列目、14 行目、2 個のグループ|はい(&Y)" << none;
        QTest::newRow("nl") << "nl-NL"
                            << "Rode steen, kolom 1, rij 14, groep van 2|&Ja" << none;
        QTest::newRow("pl") << "pl-PL"
                            << "Czerwony klocek, kolumna 1, wiersz 14, w grupie 2 klocki|&Tak" << none;
        QTest::newRow("pt-BR") << "pt-BR"
                               << "Tijolo vermelho, coluna 1, linha 14, grupo de 2|&Sim" << normal;
        QTest::newRow("ru") << "ru-RU"
                            << "Красный кирпич, столбец 1, строка 14, группа из 2|&Да" << none;
        QTest::newRow("sv") << "sv-SE"
                            << "Röd kloss, kolumn 1, rad 14, grupp om 2|&Ja" << normal;
        QTest::newRow("uk") << "uk-UA"
                            << "Червона цеглина, стовпчик 1, рядок 14, група з 2|Т&ак" << none;
        QTest::newRow("zh-CN") << "zh-CN"
                               << "红色砖块，第 1 列，第 14 行，2 块一组|是(&Y)" << none;
    }

    void languages()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, heard);
        QFETCH(QStringList, alike);
        const QStringList english = Texts();
        const Translations translations(desktop.split(','));
        const QStringList texts = Texts();
        QStringList same;
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (texts[i] == english[i]) same << texts[i];
        QCOMPARE(same, alike == QStringList{"all"} ? english : alike);
        GameFixture f;
        f.StartFrom({"1", "44"});
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Board())->child(130)->text(QAccessible::Name) + '|'
                     + QCoreApplication::translate("QPlatformTheme", "&Yes"),
                 heard);
        const QFont usual = QApplication::font();
        for (const qreal points : {9.0, 11.0}) {
            QFont font = usual;
            font.setPointSizeF(points);
            QApplication::setFont(font);
            QStringList cut = CutOff();
            QApplication::setFont(usual);
            QCOMPARE(cut, QStringList());
        }
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
