// The pictures built into the program and the committed icons are exactly what their generator draws.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    // Forty-eight brick pictures, six colours raised and pressed, each also with its colour's symbol, each also at
    // twice the size; the icons. Pictures compared by their pixels, the SVG byte for byte.
    void generatorDrawsTheCommittedPictures()
    {
        QTemporaryDir bricks, icons;
        QCOMPARE(QProcess::execute(BRICK_ARTWORK_PATH, {bricks.path(), icons.path()}), 0);
        for (const auto& [made, kept, count] :
             {std::tuple{QDir(bricks.path()), QDir(":/bricks"), 48}, {QDir(icons.path()), QDir(ICON_FOLDER), 7}}) {
            QCOMPARE(made.entryList(QDir::Files), kept.entryList(QDir::Files));
            QCOMPARE(kept.entryList(QDir::Files).size(), count);
            for (const QString& name : kept.entryList(QDir::Files)) {
                QFile drawn(made.filePath(name)), committed(kept.filePath(name));
                QVERIFY2(name.endsWith(".svg") ? drawn.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly)
                                                     && drawn.readAll() == committed.readAll()
                                               : QImage(drawn.fileName()) == QImage(committed.fileName()),
                         qPrintable(committed.fileName() + " differs; redraw it"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
