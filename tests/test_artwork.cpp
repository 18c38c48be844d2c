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

QImage Picture(int n, const QString& suffix = {}) { return QImage(":/bricks/" + PictureName(n, suffix)); }

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

// How the pictures look in greyscale and to colour-blind eyes, as matrices on linear RGB:
// Rec. 709 luminance, then protanopia, deuteranopia and tritanopia at full severity after
// Machado, Oliveira and Fernandes (2009).
using Matrix = std::array<double, 9>;
const std::array<Matrix, 4> Views{{
    {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722},
    {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},
    {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
    {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900},
}};

// A pixel as seen in a view, with sRGB taken as a plain 2.2 gamma.
Rgb Seen(const Matrix& view, QRgb pixel)
{
    const auto linear = [](int v) { return std::pow(v / 255.0, 2.2); };
    const Rgb in{linear(qRed(pixel)), linear(qGreen(pixel)), linear(qBlue(pixel))};
    const auto channel = [&](int row) {
        const double l = view[3 * row] * in[0] + view[3 * row + 1] * in[1] + view[3 * row + 2] * in[2];
        return 255 * std::pow(std::clamp(l, 0.0, 1.0), 1 / 2.2);
    };
    return {channel(0), channel(1), channel(2)};
}

// The share of the body's pixels that look clearly apart in a view: some channel differs by over 40.
double Apart(const Matrix& view, const QImage& a, const QImage& b)
{
    const QRect body = QTransform::fromScale(a.width() / 32, a.width() / 32).mapRect(Body);
    int apart = 0;
    for (int y = body.top(); y <= body.bottom(); ++y) {
        for (int x = body.left(); x <= body.right(); ++x)
            apart += !Near(Seen(view, a.pixel(x, y)), Seen(view, b.pixel(x, y)), 40);
    }
    return double(apart) / (body.width() * body.height());
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

    void symbols_data() { picture_data(); }

    // Marked with their symbols, no two colours of the same look are alike in any view (at least
    // a tenth of the body looks clearly apart); the symbol keeps 4 units from the edges, which stay
    // those of the plain brick.
    void symbols()
    {
        QFETCH(int, n);
        for (const int scale : {1, 2}) {
            const QString suffix = scale == 1 ? "-symbol" : "-symbol@2x";
            const int w = 32 * scale, m = 4 * scale;
            const QImage image = Picture(n, suffix), plain = Picture(n, scale == 1 ? "" : "@2x");
            const QRect edges[] = {{0, 0, w, m}, {0, w - m, w, m}, {0, 0, m, w}, {w - m, 0, m, w}};
            for (const QRect& edge : edges) QCOMPARE(image.copy(edge), plain.copy(edge));
            for (int other = n + 1; other <= (n > 5 ? 10 : 5); ++other) {
                const QImage next = Picture(other, suffix);
                for (const Matrix& view : Views)
                    QVERIFY2(Apart(view, image, next) >= 0.1, qPrintable(PictureName(other, suffix)));
            }
        }
    }

    void generatorDrawsTheCommittedPictures()
    {
        QTemporaryDir bricks;
        QTemporaryDir icons;
        QVERIFY(bricks.isValid() && icons.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral(BRICK_ARTWORK_PATH), {bricks.path(), icons.path()}), 0);
        for (int n = 1; n <= 10; ++n) {
            for (const char* suffix : {"", "@2x", "-symbol", "-symbol@2x"}) {
                const QString name = PictureName(n, suffix);
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
