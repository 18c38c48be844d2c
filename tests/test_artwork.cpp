// Measures the brick pictures built into the program, and checks that the
// committed pictures are exactly what their generator draws.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Rgb = std::array<double, 3>;

const QRect Body(3, 3, 26, 26);
const Rgb BoardColour{100, 135, 220};
const Rgb White{255, 255, 255};

// Average body colour of pictures 1..10: five normal looks, then the same colours pressed.
const std::array<Rgb, 10> BodyColours{{
    {116, 116, 116}, {61, 121, 245}, {62, 166, 61}, {230, 98, 61}, {222, 165, 62},
    {65, 65, 65}, {0, 79, 177}, {0, 130, 1}, {190, 62, 29}, {202, 123, 1},
}};

QString PictureName(int n, const QString& suffix = QString())
{
    return QStringLiteral("brick%1%2.png").arg(n, 2, 10, QLatin1Char('0')).arg(suffix);
}

QImage Picture(int n) { return QImage(QStringLiteral(":/bricks/") + PictureName(n)); }

Rgb Mean(const QImage& image, const QRect& area)
{
    Rgb sum{};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum = {sum[0] + c.red(), sum[1] + c.green(), sum[2] + c.blue()};
        }
    }
    const double count = area.width() * area.height();
    return {sum[0] / count, sum[1] / count, sum[2] / count};
}

Rgb At(const QImage& image, int x, int y) { return Mean(image, QRect(x, y, 1, 1)); }

double Luminance(const Rgb& c) { return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]; }

bool Near(const Rgb& actual, const Rgb& expected, double tolerance)
{
    const auto near = [tolerance](double a, double e) { return std::abs(a - e) <= tolerance; };
    return std::equal(actual.begin(), actual.end(), expected.begin(), near);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void picture_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 10; ++n) QTest::newRow(qPrintable(PictureName(n))) << n;
    }

    // Size, colour, outline and light direction of one picture.
    void picture()
    {
        QFETCH(int, n);
        const bool pressed = n > 5;
        const QImage image = Picture(n);
        QCOMPARE(image.size(), QSize(32, 32));
        // Qt loads a 24-bit RGB PNG without alpha as RGB32: an alpha channel or a palette would show here.
        QCOMPARE(image.format(), QImage::Format_RGB32);

        const Rgb& colour = BodyColours[n - 1];
        const Rgb body = Mean(image, Body);
        QVERIFY2(Near(body, colour, 8), qPrintable(QStringLiteral("%1 %2 %3").arg(body[0]).arg(body[1]).arg(body[2])));
        if (pressed) QVERIFY(Luminance(body) < 0.9 * Luminance(Mean(Picture(n - 5), Body)));

        // The grey pictures have no colour cast to excuse any difference from the board.
        const double tipTolerance = colour[0] == colour[1] && colour[1] == colour[2] ? 0 : 3;
        const int tips[][2] = {{0, 0},  {1, 0},  {0, 1},  {31, 0},  {30, 0},  {31, 1},
                               {0, 31}, {1, 31}, {0, 30}, {31, 31}, {30, 31}, {31, 30}};
        for (const auto& [x, y] : tips) {
            QVERIFY2(Near(At(image, x, y), BoardColour, tipTolerance), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }

        // A near-white rim, but a pressed brick's top and bottom are grey.
        QVERIFY(Near(At(image, 0, 16), White, 25) && Near(At(image, 31, 16), White, 25));
        const Rgb ends = pressed ? Rgb{224, 224, 224} : White;
        QVERIFY(Near(At(image, 16, 0), ends, pressed ? 12 : 25) && Near(At(image, 16, 31), ends, pressed ? 12 : 25));

        // Raised bricks are lit from the top left, pressed ones from the bottom right.
        const double topLeft = Luminance(Mean(image, QRect(3, 3, 13, 13)));
        QCOMPARE(topLeft > Luminance(Mean(image, QRect(16, 16, 13, 13))), !pressed);
    }

    void generatorDrawsTheCommittedPictures()
    {
        QTemporaryDir bricks;
        QTemporaryDir icons;
        QVERIFY(bricks.isValid() && icons.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral(BRICK_ARTWORK_PATH), {bricks.path(), icons.path()}), 0);
        for (int n = 1; n <= 10; ++n) {
            for (const QString& name : {PictureName(n), PictureName(n, "@2x")}) {
                const QImage drawn(bricks.filePath(name));
                QVERIFY2(!drawn.isNull() && drawn == QImage(":/bricks/" + name), qPrintable(name + " differs; redraw it"));
            }
        }
        const QDir committed(QStringLiteral(ICON_FOLDER));
        const QStringList names = QDir(icons.path()).entryList(QDir::Files);
        QCOMPARE(committed.entryList(QDir::Files), names);
        for (const QString& name : names) {
            const QString drawn = icons.filePath(name);
            const QString kept = committed.filePath(name);
            const bool same = name.endsWith(".svg") ? Contents(drawn) == Contents(kept)
                                                    : !QImage(drawn).isNull() && QImage(drawn) == QImage(kept);
            QVERIFY2(same, qPrintable(name + " differs; redraw it"));
        }
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
