// The pictures built into the program and the committed icons are exactly what their generator draws.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void generatorDrawsTheCommittedPictures()
    {
        QTemporaryDir bricks, icons;
        QCOMPARE(QProcess::execute(BRICK_ARTWORK_PATH, {bricks.path(), icons.path()}), 0);
        // Forty brick pictures: ten looks, each also with its colour's symbol, each also at twice the size.
        const QDir built(":/bricks"), committed(ICON_FOLDER);
        QVERIFY(built.entryList().size() == 40 && built.entryList() == QDir(bricks.path()).entryList(QDir::Files));
        QCOMPARE(committed.entryList(QDir::Files), QDir(icons.path()).entryList(QDir::Files));
        QStringList drawn;
        for (const QString& name : built.entryList()) drawn << bricks.filePath(name) + '|' + built.filePath(name);
        for (const QString& name : committed.entryList(QDir::Files))
            drawn << icons.filePath(name) + '|' + committed.filePath(name);
        for (const QString& pair : drawn) {
            QFile made(pair.section('|', 0, 0)), kept(pair.section('|', 1));
            // Pictures compared by their pixels, the SVG byte for byte.
            const bool same = made.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly)
                              && (pair.endsWith(".svg") ? made.readAll() == kept.readAll()
                                                        : QImage(made.fileName()) == QImage(kept.fileName()));
            QVERIFY2(same, qPrintable(kept.fileName() + " differs; redraw it"));
        }
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
