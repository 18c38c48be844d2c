// The brick pictures built into the program, measured; and the committed pictures and icons are
// exactly what their generator draws.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

using Rgb = std::array<double, 3>;

QString PictureName(int n, const QString& suffix = {})
{
    return QStringLiteral("brick%1%2.png").arg(n, 2, 10, QChar('0')).arg(suffix);
}

QImage Picture(int n, const QString& suffix = {})
{
    return QImage(":/bricks/" + PictureName(n, suffix));
}

Rgb Mean(const QImage& image, const QRect& area)
{
    Rgb sum{};
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum = {sum[0] + qRed(image.pixel(x, y)), sum[1] + qGreen(image.pixel(x, y)),
                   sum[2] + qBlue(image.pixel(x, y))};
    const double count = area.width() * area.height();
    return {sum[0] / count, sum[1] / count, sum[2] / count};
}

bool Near(const Rgb& a, const Rgb& b, double tolerance)
{
    return std::abs(a[0] - b[0]) <= tolerance && std::abs(a[1] - b[1]) <= tolerance
           && std::abs(a[2] - b[2]) <= tolerance;
}

double Luminance(const Rgb& c)
{
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

// How the pictures look in greyscale and to colour-blind eyes, as matrices on linear RGB: Rec. 709
// luminance, then protanopia, deuteranopia and tritanopia at full severity after Machado, Oliveira
// and Fernandes (2009).
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
    const Rgb in{std::pow(qRed(pixel) / 255.0, 2.2), std::pow(qGreen(pixel) / 255.0, 2.2),
                 std::pow(qBlue(pixel) / 255.0, 2.2)};
    const auto channel = [&](int row) {
        return 255
               * std::pow(
                   std::clamp(view[3 * row] * in[0] + view[3 * row + 1] * in[1] + view[3 * row + 2] * in[2], 0.0, 1.0),
                   1 / 2.2);
    };
    return {channel(0), channel(1), channel(2)};
}

// The share of the body's pixels that look clearly apart in a view: some channel differs by over 40.
double Apart(const Matrix& view, const QImage& a, const QImage& b)
{
    const int scale = a.width() / 32;
    int apart = 0;
    for (int y = 3 * scale; y < 29 * scale; ++y)
        for (int x = 3 * scale; x < 29 * scale; ++x)
            apart += !Near(Seen(view, a.pixel(x, y)), Seen(view, b.pixel(x, y)), 40);
    return apart / (26.0 * 26 * scale * scale);
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    // The average colour of the body of pictures 1 to 10: five normal looks, then the same pressed.
    void picture_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<Rgb>("body");
        const Rgb bodies[] = {{116, 116, 116}, {61, 121, 245}, {62, 166, 61}, {230, 98, 61}, {222, 165, 62},
                              {65, 65, 65},    {0, 79, 177},   {0, 130, 1},   {190, 62, 29}, {202, 123, 1}};
        for (int n = 1; n <= 10; ++n) QTest::newRow(qPrintable(PictureName(n))) << n << bodies[n - 1];
    }

    // Size, colour, corner tips, rim and light of one picture. Marked with their symbols, no two colours of the
    // same look are alike in any view (a tenth of the body at least looks clearly apart), and the symbol
    // keeps 4 units from the edges, which stay those of the plain brick.
    void picture()
    {
        QFETCH(int, n);
        QFETCH(Rgb, body);
        const bool pressed = n > 5;
        const QImage image = Picture(n);
        // Qt loads a 24-bit RGB PNG without alpha as RGB32: an alpha channel or a palette would show here.
        QVERIFY(image.size() == QSize(32, 32) && image.format() == QImage::Format_RGB32);
        QVERIFY(Near(Mean(image, {3, 3, 26, 26}), body, 8)
                && (!pressed || Luminance(body) < 0.9 * Luminance(Mean(Picture(n - 5), {3, 3, 26, 26}))));
        // The corner tips are the board's colour, exactly in the grey pictures, which have no colour cast.
        for (const auto& [x, y] : {std::pair{0, 0},
                                   {1, 0},
                                   {0, 1},
                                   {31, 0},
                                   {30, 0},
                                   {31, 1},
                                   {0, 31},
                                   {1, 31},
                                   {0, 30},
                                   {31, 31},
                                   {30, 31},
                                   {31, 30}})
            QVERIFY2(Near(Mean(image, {x, y, 1, 1}), {100, 135, 220}, body[0] == body[2] ? 0 : 3),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        // A near-white rim, but a pressed brick's top and bottom are grey; lit from the top left when raised.
        const Rgb white{255, 255, 255}, ends = pressed ? Rgb{224, 224, 224} : white;
        QVERIFY(Near(Mean(image, {0, 16, 1, 1}), white, 25) && Near(Mean(image, {31, 16, 1, 1}), white, 25));
        QVERIFY(Near(Mean(image, {16, 0, 1, 1}), ends, pressed ? 12 : 25)
                && Near(Mean(image, {16, 31, 1, 1}), ends, pressed ? 12 : 25));
        QCOMPARE(Luminance(Mean(image, {3, 3, 13, 13})) > Luminance(Mean(image, {16, 16, 13, 13})), !pressed);

        for (const int scale : {1, 2}) {
            const QString suffix = scale == 1 ? "-symbol" : "-symbol@2x";
            const int w = 32 * scale, m = 4 * scale;
            const QImage marked = Picture(n, suffix), plain = Picture(n, scale == 1 ? "" : "@2x");
            for (const QRect& edge :
                 {QRect(0, 0, w, m), QRect(0, w - m, w, m), QRect(0, 0, m, w), QRect(w - m, 0, m, w)})
                QCOMPARE(marked.copy(edge), plain.copy(edge));
            for (int other = n + 1; other <= (pressed ? 10 : 5); ++other)
                for (const Matrix& view : Views)
                    QVERIFY2(Apart(view, marked, Picture(other, suffix)) >= 0.1,
                             qPrintable(PictureName(other, suffix)));
        }
    }

    void generatorDrawsTheCommittedPictures()
    {
        QTemporaryDir bricks, icons;
        QCOMPARE(QProcess::execute(BRICK_ARTWORK_PATH, {bricks.path(), icons.path()}), 0);
        QStringList drawn;
        for (int n = 1; n <= 10; ++n)
            for (const char* suffix : {"", "@2x", "-symbol", "-symbol@2x"})
                drawn << bricks.filePath(PictureName(n, suffix)) + '|' + ":/bricks/" + PictureName(n, suffix);
        const QDir committed(ICON_FOLDER);
        QCOMPARE(committed.entryList(QDir::Files), QDir(icons.path()).entryList(QDir::Files));
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
