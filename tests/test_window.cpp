// The main window on the offscreen platform: its design, fitting and closing, its texts in each language, and what
// screen readers see. Play itself is in test_play; the kept choice of colour symbols in the real program's test.
#include "fixture.h"

#include "main_window/view_settings.h"
#include "platform/desktop_motion.h"
#include "platform/translations.h"
#include "scores/frm_high_score.h"
#include "scores/settings.h"

#include <QAccessible>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenuBar>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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
    // The title, the first deal counted before the window shows, the panels side by side, and the window fitted to
    // the board and the status bar, shown or hidden, its top-left corner kept.
    void designAndFitting()
    {
        GameFixture f;
        QCOMPARE(f.window.windowTitle() + ' ' + f.PanelText("Bricks") + ' ' + f.PanelText("Time"), "Bricks 140 Time:");

        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QRect shown = f.window.geometry();
        const auto client = [&] { return QSize(f.window.width(), f.window.height() - f.window.menuBar()->height()); };
        QVERIFY(f.window.statusBar()->height() > 0 && f.window.minimumSize() == f.window.maximumSize());
        const auto panel = [&](const char* key) { return f.window.statusBar()->findChild<QLabel*>(key)->geometry(); };
        QVERIFY(panel("Bricks").right() < panel("Time").left()); // side by side
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

    // The desktop's wish for less motion, from a stand-in settings portal on a private bus: at start and changed both
    // ways, GNOME's key where the portal lacks the appearance one, KDE's speed of 0, the first found winning; a portal
    // that never answers, and no bus at all, leave the animations on.
    void desktopMotion_data()
    {
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("reduced");
        const QString appearance = "org.freedesktop.appearance reduced-motion";
        const QString gnome = "org.gnome.desktop.interface enable-animations";
        const QString kde = "org.kde.kdeglobals.KDE AnimationDurationFactor";
        QTest::newRow("appearance") << QVariantMap{{appearance, 1U}, {gnome, true}} << false << true;
        QTest::newRow("GNOME alone") << QVariantMap{{gnome, false}, {kde, "1"}} << false << true;
        QTest::newRow("first found") << QVariantMap{{appearance, 0U}, {gnome, false}} << false << false;
        QTest::newRow("KDE") << QVariantMap{{kde, "0"}} << false << true;
        QTest::newRow("silent") << QVariantMap{{appearance, 1U}} << true << false;
        QTest::newRow("no bus") << QVariantMap{} << false << false;
    }

    void desktopMotion()
    {
        QFETCH(QVariantMap, values);
        QFETCH(bool, silent);
        QProcess daemon;
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        const auto stop = qScopeGuard([&daemon] { daemon.kill(), daemon.waitForFinished(); });
        QVERIFY(daemon.waitForReadyRead(5000));
        const QString address = daemon.readLine().trimmed(), row = QTest::currentDataTag();
        StandInPortal portal;
        portal.bus = QDBusConnection::connectToBus(address, row + " portal"), portal.values = values,
        portal.silent = silent;
        QVERIFY(portal.bus.registerService("org.freedesktop.portal.Desktop")
                && portal.bus.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots));
        const DesktopMotion motion(QDBusConnection::connectToBus(row == "no bus" ? "unix:path=/none" : address, row));
        QTRY_COMPARE(portal.asked, row == "no bus" ? 0 : 3);
        QTest::qWait(100);
        QTEST(motion.Reduced(), "reduced");
        if (row != "appearance") return;
        QSignalSpy changes(&motion, &DesktopMotion::Changed);
        for (const uint wish : {0U, 1U}) {
            auto signal = QDBusMessage::createSignal(PortalPath, "org.freedesktop.portal.Settings", "SettingChanged");
            QVERIFY(portal.bus.send(signal << "org.freedesktop.appearance"
                                           << "reduced-motion" << QVariant::fromValue(QDBusVariant(wish))));
        }
        QTRY_COMPARE(changes.size(), 2);
        QVERIFY(!changes[0][0].toBool() && changes[1][0].toBool() && motion.Reduced());
    }

    // The zoom kept from an earlier run: a step from 100 to 400 %, 50 apart, written as SaveZoom writes it; anything
    // else stored counts as 100.
    void keptZoom()
    {
        GameFixture f;
        const std::pair<const char*, int> kept[]{{"150", 150},   {"400", 400},  {"175", 100},        {"450", 100},
                                                 {"50", 100},    {"0150", 100}, {" 150", 100},       {"150%", 100},
                                                 {"1.5e2", 100}, {"-150", 100}, {"4294967446", 100}, {"", 100}};
        for (const auto& [text, percent] : kept) {
            f.store.Change("Vondrel", "View", [&](SettingsStore::Section& view) { view.Set("Zoom", text); });
            QCOMPARE(ViewSettings(f.store).Zoom(), percent);
        }
    }

    // In the desktop's language: the menus, the questions of an exit refused and of a game won with the name prompt,
    // Qt's own buttons, the high-score headings and a cell as a screen reader hears it. English, C and a language
    // with no translation get the texts as written, and the record is the same file in every language.
    void languages_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("menus");
        QTest::addColumn<QString>("dialogues");
        QTest::addColumn<QString>("words");
        const QString menus
            = "&File &New game &Retry &Pause - &Exit &View &Statusbar* &High score &Colour symbols - Zoom &in "
              "Zoom &out &Normal size";
        const QString asked = "exit name 140 new",
                      words = "&Yes Left: Time: Name: Red brick, column 1, row 14, group of 2 Bricks left: 2";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << menus << asked << words;
        QTest::newRow("C") << QStringList{"C"} << menus << asked << words;
        QTest::newRow("Italian, then none") << QStringList{"it-IT"} << menus << asked << words;
        // clang-format off
        QTest::newRow("German") << QStringList{"de-DE"}
            << "&Datei &Neues Spiel &Wiederholen &Pause - &Beenden &Ansicht &Statusleiste* &Bestenliste &Farbsymbole - "
               "Ver&größern Ver&kleinern &Originalgröße"
            << "Möchten Sie das Spiel beenden?|Sie haben 140 Steine in Bestzeit abgeräumt.\r\nGeben Sie Ihren "
               "Namen ein:|Möchten Sie ein neues Spiel beginnen?"
            << "&Ja Rest: Zeit: Name: Roter Stein, Spalte 1, Zeile 14, Gruppe von 2 Verbleibende Steine: 2";
        QTest::newRow("French") << QStringList{"fr-FR"}
            << "&Fichier &Nouvelle partie &Réessayer &Pause - &Quitter &Affichage &Barre d’état* &Meilleurs temps "
               "Symboles de &couleur - Zoom &avant Zoom a&rrière &Taille normale"
            << "Voulez-vous quitter\u00a0?|Vous avez retiré 140 briques en un temps record.\r\nEntrez votre "
               "nom\u00a0:|Voulez-vous commencer une nouvelle partie\u00a0?"
            << "&Oui Nb\u00a0: Temps\u00a0: Nom\u00a0: Brique rouge, colonne 1, ligne 14, groupe de 2 Briques "
               "restantes\u00a0: 2";
        QTest::newRow("Spanish") << QStringList{"es-ES"}
            << "&Archivo &Nueva partida &Reintentar &Pausa - &Salir &Ver &Barra de estado* &Mejores tiempos "
               "Símbolos de &color - &Acercar Ale&jar &Tamaño normal"
            << "¿Desea salir?|Ha eliminado 140 ladrillos en un tiempo récord.\r\nEscriba su nombre:|"
               "¿Desea jugar una nueva partida?"
            << "&Sí N.º: Tiempo: Nombre: Ladrillo rojo, columna 1, fila 14, grupo de 2 Ladrillos restantes: 2";
        // clang-format on
    }

    void languages()
    {
        QFETCH(QStringList, desktop);
        const Translations translations(desktop);
        GameFixture f;
        f.StartFrom({"44"});
        f.window.show();
        QStringList menus;
        const QMenuBar* bar = f.window.menuBar();
        for (QAction* title : bar->actions()) {
            QVERIFY(bar->rect().contains(bar->actionGeometry(title))); // not cut
            menus << title->text();
            for (const QAction* item : title->menu()->actions())
                menus << (item->isSeparator() ? "-" : item->text() + (item->isChecked() ? "*" : ""));
        }
        QTEST(menus.join(' '), "menus");
        Settings records(f.store);
        const frmHighScore table(records, &f.window);
        QStringList words{QCoreApplication::translate("QPlatformTheme", "&Yes")};
        for (const QLabel* heading : table.findChildren<QLabel*>(QRegularExpression("Titel"))) words << heading->text();
        words << QAccessible::queryAccessibleInterface(f.Board())->child(130)->text(QAccessible::Name)
              << f.window.statusBar()->findChild<QLabel*>("Bricks")->accessibleName();
        QTEST(words.join(' '), "words");
        f.window.close();
        QTest::mouseClick(f.Board(), Qt::LeftButton, {}, QPoint(5, 440));
        QTEST(f.dialogs.shown.join(f.dialogs.shown[0] == "exit" ? ' ' : '|'), "dialogues");
        QFile file(f.folder.filePath("Vondrel/Vondrel.conf"));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "[Bricks%280%29]\nName=Ada\nTime=00:00:00\n");
    }

    // The board is a table of 14 rows and 10 columns, of cells named by what they hold and nothing selected, walked as
    // a screen reader walks it, down and back up; the cursor's moves are told to it as the focus, and each press, a
    // removal and taking a press back are said; the panels name their values, and tell of a change only when there is
    // one. A hint on how to begin until the keys are used.
    void accessibleBoard()
    {
        GameFixture f;
        f.StartFrom(QStringList(8, "1234512345"));
        static QStringList heard;
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as when a screen reader asks
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* source = event->accessibleInterface();
            if (event->type() == QAccessible::Focus && qobject_cast<BoardSurface*>(event->object()))
                heard << QString("focus %1").arg(event->child());
            if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
                heard << source->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            if (event->type() == QAccessible::Announcement)
                heard << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
            if (event->type() == QAccessible::NameChanged && qobject_cast<QLabel*>(event->object()))
                heard << source->text(QAccessible::Name);
        });
        const QString hint = f.Board()->accessibleDescription();
        const QList<int> keys
            = QList<int>{Qt::Key_Right, Qt::Key_Space, -Qt::Key_Space, Qt::Key_Space, Qt::Key_Escape, -Qt::Key_Space}
              + QList<int>(6, Qt::Key_Up) + QList<int>(4, Qt::Key_Left) + QList<int>{Qt::Key_Space, -Qt::Key_Space};
        for (const int key : keys) {
            QKeyEvent event(key > 0 ? QEvent::KeyPress : QEvent::KeyRelease, qAbs(key), Qt::NoModifier);
            QApplication::sendEvent(f.Board(), &event);
        }
        for (int tick = 0; tick < 3; ++tick) QMetaObject::invokeMethod(f.window.findChild<QTimer*>(), "timeout");
        // Paused, no cell tells what it holds, and the board says why.
        f.Choose("mnuFilePause");
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.Board());
        for (int i = 0; i < CellCount; ++i)
            QVERIFY(board->child(i)->text(QAccessible::Name).startsWith(QString("Paused, column %1,").arg(i % 10 + 1)));
        QCOMPARE(board->text(QAccessible::Description), "Paused. Press P or click to continue.");
        f.Choose("mnuFilePause");
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(hint + '|' + f.Board()->accessibleDescription(), "Arrow keys move, Space or Return removes a group.|");
        const QString grey = "Grey brick, column 5, row 7, group of 8";
        QCOMPARE(
            heard.join("; "),
            "focus 64; Yellow brick, column 5, row 7, group of 8, pressed; Bricks left: 72; 8 bricks "
            "removed, 72 left. "
                + grey + "; " + grey + ", pressed; " + grey
                + "; focus 54; focus 44; "
                  "focus 34; focus 24; focus 14; focus 4; focus 3; focus 2; focus 1; focus 0; Empty, column 1, "
                  "row 1; Empty, column 1, row 1; Time: 00:00:00; Paused. Press P or click to continue.; Resumed.");
        QVERIFY(board->role() == QAccessible::Table && board->text(QAccessible::Name) == "Board");
        QVERIFY(board->childCount() == CellCount && !board->child(-1) && !board->child(CellCount));
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table->rowCount() == 14 && table->columnCount() == 10 && !table->cellAt(14, 0) && !table->cellAt(0, -1)
                && !table->cellAt(0, 10) && table->selectedCellCount() == 0);
        for (int i = 0; i < CellCount; ++i) {
            QAccessibleInterface* cell = board->child(i);
            QVERIFY(cell->role() == QAccessible::ListItem && cell->parent() == board && board->indexOfChild(cell) == i);
            const QAccessibleTableCellInterface* place = cell->tableCellInterface();
            QVERIFY(place->rowIndex() == i / 10 && place->columnIndex() == i % 10 && place->rowExtent() == 1
                    && place->columnExtent() == 1 && place->table() == board && table->cellAt(i / 10, i % 10) == cell);
            QCOMPARE(cell->rect(), QRect(f.Board()->mapToGlobal(QPoint(CellLeft(i), CellTop(i))), QSize(32, 32)));
            QVERIFY(cell->state().focusable && cell->state().focused == (i == 0));
        }
        const QPoint at = f.Board()->mapToGlobal(QPoint(100, 420));
        QVERIFY(board->focusChild() == board->child(0) && board->childAt(at.x(), at.y()) == board->child(133));
        QCOMPARE(board->child(133)->text(QAccessible::Name), "Red brick, column 4, row 14, group of 8");
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
