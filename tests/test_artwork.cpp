// Measures the brick pictures built into the program, and checks that the
// committed pictures are exactly what their generator draws.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstdlib>

namespace {

constexpr int Size = 32;
constexpr int PictureCount = 10;
constexpr int ColourCount = 5;
const QRect Body(3, 3, 26, 26);
const QRect BodyTopLeft(3, 3, 13, 13);
const QRect BodyBottomRight(16, 16, 13, 13);
const QColor BoardColour(100, 135, 220);

constexpr int BodyTolerance = 8;
constexpr int CornerTolerance = 3;
constexpr int WhiteRimMinimum = 230;
constexpr int GreyRim = 224;
constexpr int GreyRimTolerance = 12;

struct Mean {
    double r, g, b;
    double luminance() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

// Average body colour of pictures 1..10: five normal looks, then the same colours pressed.
constexpr std::array<std::array<int, 3>, PictureCount> BodyColours{{
    {116, 116, 116},
    {61, 121, 245},
    {62, 166, 61},
    {230, 98, 61},
    {222, 165, 62},
    {65, 65, 65},
    {0, 79, 177},
    {0, 130, 1},
    {190, 62, 29},
    {202, 123, 1},
}};

QString pictureName(int n) { return QStringLiteral("brick%1.png").arg(n, 2, 10, QLatin1Char('0')); }

QImage embeddedPicture(int n) { return QImage(QStringLiteral(":/bricks/") + pictureName(n)); }

bool isPressed(int n) { return n > ColourCount; }

Mean meanColour(const QImage &image, const QRect &area)
{
    Mean sum{0, 0, 0};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum.r += c.red();
            sum.g += c.green();
            sum.b += c.blue();
        }
    }
    const double count = area.width() * area.height();
    return {sum.r / count, sum.g / count, sum.b / count};
}

bool near(const QColor &actual, const QColor &expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

int darkestChannel(const QColor &c) { return std::min({c.red(), c.green(), c.blue()}); }

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
    void pressedIsDarker();
    void generatorMatchesCommittedPictures();
    void generatorMatchesCommittedHighDensityPicturesAndIcons();
};

void TestArtwork::picture_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= PictureCount; ++n)
        QTest::newRow(qPrintable(pictureName(n))) << n;
}

// Size, colour, outline and light direction of one picture.
void TestArtwork::picture()
{
    QFETCH(int, n);
    const QImage image = embeddedPicture(n);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(Size, Size));
    // Qt loads a 24-bit RGB PNG without alpha as RGB32: an alpha channel or a palette would show here.
    QCOMPARE(image.format(), QImage::Format_RGB32);

    const Mean body = meanColour(image, Body);
    const auto &expected = BodyColours[n - 1];
    QVERIFY2(std::abs(body.r - expected[0]) <= BodyTolerance && std::abs(body.g - expected[1]) <= BodyTolerance
                 && std::abs(body.b - expected[2]) <= BodyTolerance,
             qPrintable(QStringLiteral("body average %1, %2, %3").arg(body.r).arg(body.g).arg(body.b)));

    // The grey pictures have no colour cast to excuse any difference from the board.
    const int cornerTolerance = expected[0] == expected[1] && expected[1] == expected[2] ? 0 : CornerTolerance;
    constexpr int Last = Size - 1;
    for (const int x : {0, Last}) {
        for (const int y : {0, Last}) {
            const int inX = x == 0 ? 1 : Last - 1, inY = y == 0 ? 1 : Last - 1;
            for (const QPoint tip : {QPoint(x, y), QPoint(inX, y), QPoint(x, inY)})
                QVERIFY2(near(image.pixelColor(tip), BoardColour, cornerTolerance),
                         qPrintable(QStringLiteral("corner tip %1,%2").arg(tip.x()).arg(tip.y())));
        }
    }

    constexpr int Middle = Size / 2;
    for (const QPoint side : {QPoint(0, Middle), QPoint(Last, Middle)})
        QVERIFY(darkestChannel(image.pixelColor(side)) >= WhiteRimMinimum);
    for (const QPoint end : {QPoint(Middle, 0), QPoint(Middle, Last)}) {
        const QColor rim = image.pixelColor(end);
        if (isPressed(n))
            QVERIFY(near(rim, QColor(GreyRim, GreyRim, GreyRim), GreyRimTolerance));
        else
            QVERIFY(darkestChannel(rim) >= WhiteRimMinimum);
    }

    const double topLeft = meanColour(image, BodyTopLeft).luminance();
    const double bottomRight = meanColour(image, BodyBottomRight).luminance();
    if (isPressed(n))
        QVERIFY(bottomRight > topLeft);
    else
        QVERIFY(topLeft > bottomRight);
}

void TestArtwork::pressedIsDarker()
{
    constexpr double ClearlyDarker = 0.9;
    for (int colour = 1; colour <= ColourCount; ++colour) {
        const double normal = meanColour(embeddedPicture(colour), Body).luminance();
        const double pressed = meanColour(embeddedPicture(colour + ColourCount), Body).luminance();
        QVERIFY2(pressed < ClearlyDarker * normal, qPrintable(QStringLiteral("colour %1").arg(colour)));
    }
}

void TestArtwork::generatorMatchesCommittedPictures()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(QProcess::execute(QStringLiteral(BRICK_ARTWORK_PATH), {folder.path()}), 0);
    for (int n = 1; n <= PictureCount; ++n) {
        const QImage drawn(folder.filePath(pictureName(n)));
        QVERIFY2(!drawn.isNull(), qPrintable(pictureName(n)));
        QVERIFY2(drawn == embeddedPicture(n), qPrintable(pictureName(n) + QStringLiteral(" differs; regenerate it")));
    }
}

void TestArtwork::generatorMatchesCommittedHighDensityPicturesAndIcons()
{
    QTemporaryDir bricks, icons;
    QVERIFY(bricks.isValid() && icons.isValid());
    QCOMPARE(QProcess::execute(QStringLiteral(BRICK_ARTWORK_PATH), {bricks.path(), icons.path()}), 0);
    for (int n = 1; n <= PictureCount; ++n) {
        const QString name = pictureName(n).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QVERIFY2(QImage(bricks.filePath(name)) == QImage(QStringLiteral(":/bricks/") + name), qPrintable(name));
    }
    const QDir committed(QStringLiteral(ICON_FOLDER));
    const QStringList names = QDir(icons.path()).entryList(QDir::Files);
    QCOMPARE(committed.entryList(QDir::Files), names);
    for (const QString &name : names) {
        const QString drawn = icons.filePath(name), kept = committed.filePath(name);
        if (name.endsWith(QStringLiteral(".svg"))) {
            QFile a(drawn), b(kept);
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(name));
        } else {
            QVERIFY2(!QImage(drawn).isNull() && QImage(drawn) == QImage(kept), qPrintable(name));
        }
    }
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
