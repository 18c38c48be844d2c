// Draws the ten brick pictures: brick01..05.png are the raised tiles of the
// five colours, brick06..10.png the same colours pushed in.
// Usage: brick_artwork OUTPUT_FOLDER
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Size = 32;
constexpr double CornerRadius = 5.0;
constexpr int Samples = 4; // per axis: 4x4 samples give the outline its anti-aliasing
constexpr int BodyFirst = 3; // the body the colour targets refer to: x and y in 3..28
constexpr int BodyLast = Size - 1 - BodyFirst;

const QColor BoardColour(100, 135, 220);
constexpr double BrightRim = 255.0;
constexpr double DimRim = 224.0; // top and bottom rim of a pushed-in tile

struct Rgb {
    double r = 0, g = 0, b = 0;
};

struct Look {
    Rgb target; // average colour the body must have
    bool pressed;
};

constexpr std::array<Look, 10> Looks{{
    {{116, 116, 116}, false},
    {{61, 121, 245}, false},
    {{62, 166, 61}, false},
    {{230, 98, 61}, false},
    {{222, 165, 62}, false},
    {{65, 65, 65}, true},
    {{0, 79, 177}, true},
    {{0, 130, 1}, true},
    {{190, 62, 29}, true},
    {{202, 123, 1}, true},
}};

// Whether (x, y) lies in the square [inset, Size - inset] with corners of the given radius.
bool insideRoundedSquare(double x, double y, double inset, double radius)
{
    const double low = inset, high = Size - inset;
    if (x < low || x > high || y < low || y > high)
        return false;
    const double dx = std::max({low + radius - x, x - (high - radius), 0.0});
    const double dy = std::max({low + radius - y, y - (high - radius), 0.0});
    return dx * dx + dy * dy <= radius * radius;
}

// Distance inward from the rim, given the distance inward from the outline.
double belowRim(double fromEdge) { return std::max(0.0, fromEdge - 1.0); }

// 1 at distance 0, easing to 0 at the given width.
double smoothFalloff(double distance, double width)
{
    const double t = std::clamp(distance / width, 0.0, 1.0);
    return 1.0 - t * t * (3.0 - 2.0 * t);
}

// Brightness factor of the raised tile: light from the top left, a bright bevel on
// the top and left, a dark one on the bottom and right.
double raisedShade(double x, double y)
{
    const double diagonal = (x + y) / (2.0 * Size); // 0 at the top left, 1 at the bottom right
    double shade = 1.25 - 0.5 * diagonal;
    shade += 0.25 * smoothFalloff(belowRim(std::min(x, y)), 2.5);
    shade -= 0.25 * smoothFalloff(belowRim(Size - std::max(x, y)), 2.5);
    return shade;
}

// White mixed into the raised tile: a soft highlight that makes it look glossy.
double gloss(double x, double y)
{
    const double dx = (x - 11.0) / 8.0, dy = (y - 10.0) / 6.0;
    return 0.45 * std::exp(-(dx * dx + dy * dy));
}

// Brightness factor of the pushed-in tile: light from the bottom right and a dark
// band under the top and left edges, as if the tile sat below its frame.
double pressedShade(double x, double y)
{
    const double diagonal = (x + y) / (2.0 * Size);
    double shade = 0.8 + 0.4 * diagonal;
    shade -= 0.45 * smoothFalloff(belowRim(std::min(x, y)), 4.0);
    return shade;
}

// A pushed-in tile's frame is lit from the sides only, so its top and bottom look grey.
double rimLevel(double x, double y, bool pressed)
{
    const bool topOrBottom = std::min(y, Size - y) < std::min(x, Size - x);
    return pressed && topOrBottom ? DimRim : BrightRim;
}

double bodyChannel(double base, double gain, double shade, double white)
{
    return std::clamp(base * gain * shade * (1.0 - white) + 255.0 * white, 0.0, 255.0);
}

QImage drawBrick(const Look &look, const Rgb &gain)
{
    QImage image(Size, Size, QImage::Format_RGB888);
    constexpr double step = 1.0 / Samples;
    for (int py = 0; py < Size; ++py) {
        for (int px = 0; px < Size; ++px) {
            Rgb sum;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const double x = px + (sx + 0.5) * step, y = py + (sy + 0.5) * step;
                    Rgb c;
                    if (!insideRoundedSquare(x, y, 0.0, CornerRadius)) {
                        c = {double(BoardColour.red()), double(BoardColour.green()), double(BoardColour.blue())};
                    } else if (!insideRoundedSquare(x, y, 1.0, CornerRadius - 1.0)) {
                        const double level = rimLevel(x, y, look.pressed);
                        c = {level, level, level};
                    } else {
                        const double shade = look.pressed ? pressedShade(x, y) : raisedShade(x, y);
                        const double white = look.pressed ? 0.0 : gloss(x, y);
                        c = {bodyChannel(look.target.r, gain.r, shade, white),
                             bodyChannel(look.target.g, gain.g, shade, white),
                             bodyChannel(look.target.b, gain.b, shade, white)};
                    }
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            constexpr double count = Samples * Samples;
            image.setPixelColor(px, py, QColor(int(std::lround(sum.r / count)), int(std::lround(sum.g / count)),
                                               int(std::lround(sum.b / count))));
        }
    }
    return image;
}

Rgb bodyAverage(const QImage &image)
{
    Rgb sum;
    for (int y = BodyFirst; y <= BodyLast; ++y) {
        for (int x = BodyFirst; x <= BodyLast; ++x) {
            const QColor c = image.pixelColor(x, y);
            sum.r += c.red();
            sum.g += c.green();
            sum.b += c.blue();
        }
    }
    constexpr double count = (BodyLast - BodyFirst + 1) * (BodyLast - BodyFirst + 1);
    return {sum.r / count, sum.g / count, sum.b / count};
}

// Scales a channel's gain so that the measured average moves to the target.
double correctedGain(double gain, double target, double measured)
{
    return measured > 0.0 ? gain * target / measured : gain;
}

// Shading, gloss and clipping move the average away from the intended colour, so
// the gain of each channel is corrected until the body averages to that colour.
QImage drawCorrectedBrick(const Look &look)
{
    constexpr int Rounds = 30;
    Rgb gain{1, 1, 1};
    QImage image = drawBrick(look, gain);
    for (int round = 0; round < Rounds; ++round) {
        const Rgb measured = bodyAverage(image);
        gain = {correctedGain(gain.r, look.target.r, measured.r), correctedGain(gain.g, look.target.g, measured.g),
                correctedGain(gain.b, look.target.b, measured.b)};
        image = drawBrick(look, gain);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (std::size_t i = 0; i < Looks.size(); ++i) {
        const QString path = folder.filePath(QStringLiteral("brick%1.png").arg(i + 1, 2, 10, QLatin1Char('0')));
        if (!drawCorrectedBrick(Looks[i]).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
