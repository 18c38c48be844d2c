// The main window on the offscreen platform: the desktop's wish for less motion and its texts in each language. Play
// itself, and what a screen reader sees of it, is in test_play, the window on a real screen in test_on_screen, and the
// kept choice of colour symbols in the real program's test.
#include "fixture.h"

#include "platform/desktop_motion.h"
#include "platform/translations.h"
#include "scores/frm_high_score.h"

#include <QAccessible>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
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
        ++asked;
        call.setDelayedReply(true);
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
// than it has; on the pause cover of the smallest board, each edge its words run into. And each menu, the menu bar
// among them, where an access key stands twice.
QStringList CutOff()
{
    GameFixture f;
    QStringList cut;
    QList<const QWidget*> menus{f.window.menuBar()};
    for (const QMenu* menu : f.window.menuBar()->findChildren<QMenu*>()) menus << menu;
    for (const QWidget* menu : menus) {
        QStringList keys;
        for (const QAction* item : menu->actions()) keys << QKeySequence::mnemonic(item->text()).toString();
        keys.removeAll(QString());
        if (keys.size() != QSet<QString>(keys.begin(), keys.end()).size()) cut << "keys twice: " + keys.join(' ');
    }
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
    // A quarter of a brick at its sides and its bottom row, all the board's colour where no word runs into them.
    QImage edges = f.Board()->grab().toImage().convertToFormat(QImage::Format_RGB32), board = edges;
    QPainter(&edges).fillRect(edges.rect().adjusted(CellSize / 4, 0, -CellSize / 4, -1), BoardColour());
    board.fill(BoardColour());
    if (edges != board) cut << "the cover's edges";
    return cut;
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
            const QTemporaryDir sockets; // which a bus ended by a kill leaves behind
            QProcess daemon;
            daemon.start("dbus-daemon",
                         {"--session", "--nofork", "--print-address=1", "--address=unix:dir=" + sockets.path()});
            const auto stop = qScopeGuard([&daemon] {
                daemon.kill();
                daemon.waitForFinished();
            });
            QVERIFY(daemon.waitForReadyRead(5000));
            const QString address = daemon.readLine().trimmed();
            StandInPortal portal;
            portal.bus = QDBusConnection::connectToBus(address, row + " portal");
            portal.values = values;
            portal.silent = row == "silent";
            QVERIFY2(portal.bus.registerService("org.freedesktop.portal.Desktop")
                         && portal.bus.registerObject(PortalPath, &portal, QDBusConnection::ExportAllSlots),
                     "the stand-in portal is not on the bus");
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
            QCOMPARE(changes[0][0].toBool(), false);
            QCOMPARE(changes[1][0].toBool(), true);
            QVERIFY(motion.Reduced());
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
        QTest::addColumn<QString>("heard");     // the File menu, and Qt's Yes button
        QTest::addColumn<QStringList>("alike"); // the texts the language writes as English does
        const auto row = [](const char* desktop, const QString& heard, const QStringList& alike) {
            QTest::newRow(desktop) << QString(desktop) << heard << alike;
        };
        const QStringList none, normal{"&Normal (10 × 14)"}, pause{"&Pause", "&Normal (10 × 14)"};
        for (const char* desktop : {"en-GB,fr-FR", "C", "zh-TW", "zh-HK", "pt-PT"}) row(desktop, "&File|&Yes", {"all"});
        row("cs-CZ", "&Soubor|&Ano", none);
        row("de-DE", "&Datei|&Ja", pause + QStringList{"Name:"});
        row("es-ES", "&Archivo|&Sí", normal);
        row("fr-FR", "&Fichier|&Oui", pause);
        row("it-IT", "&File|&Sì", {"&File"});
        row("ja-JP", "ゲーム(&G)|はい(&Y)", none);
        row("nl-NL", "&Bestand|&Ja", none);
        row("pl-PL", "&Plik|&Tak", none);
        row("pt-BR", "&Arquivo|&Sim", normal);
        row("ru-RU", "&Файл|&Да", none);
        row("sv-SE", "&Arkiv|&Ja", normal);
        row("uk-UA", "&Файл|Т&ак", none);
        row("zh-CN", "游戏(&G)|是(&Y)", none);
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
        QCOMPARE(texts.first() + '|' + QCoreApplication::translate("QPlatformTheme", "&Yes"), heard);
        const QFont usual = QApplication::font();
        for (const int points : {9, 11}) {
            QApplication::setFont(QFont(usual.family(), points));
            const QStringList cut = CutOff();
            QApplication::setFont(usual);
            QCOMPARE(cut, QStringList());
        }
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
