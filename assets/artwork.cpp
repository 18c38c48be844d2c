#include "artwork.h"

#include "board/geometry.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int Size = CellSize;
constexpr double CornerRadius = 5.0;
// Samples per pixel along each axis: 4 x 4 give the outline its anti-aliasing; half as many where a unit is
// more than two pixels.
constexpr int Samples = 4;
constexpr int BodyFirst = 3; // the body the colour targets refer to: x and y in 3..28
constexpr int BodyLast = Size - 1 - BodyFirst;

constexpr double BrightRim = 255.0;
constexpr double DimRim = 224.0; // top and bottom rim of a pushed-in tile

struct Rgb {
    double r = 0, g = 0, b = 0;
};

enum class Symbol { Square, Circle, Triangle, Cross, Diamond, Star };

// A colour's two looks: the average colour the body must have, raised and pushed in, and its symbol.
struct Colour {
    const char* name;
    Rgb raised;
    Rgb pressed;
    Symbol symbol;
};

struct Look {
    Rgb target;
    bool pressed;
    Symbol symbol;
};

// The symbols are easy to remember: a grey stone block, a blue gem, a green tree, a red
// cross, an amber lamp and a violet star. Grey, blue, green and red are equally light, so they get the
// shapes least alike; the square and the circle, the closest pair, mark grey and amber. Violet is far darker
// than the five, so it stands apart in grey too, and stays apart from each of them for the common colour
// blindnesses, where blue and violet are the usual pair to mix up.
constexpr std::array<Colour, Artwork::ColourCount> Colours{{
    {"grey", {116, 116, 116}, {65, 65, 65}, Symbol::Square},
    {"blue", {61, 121, 245}, {0, 79, 177}, Symbol::Diamond},
    {"green", {62, 166, 61}, {0, 130, 1}, Symbol::Triangle},
    {"red", {230, 98, 61}, {190, 62, 29}, Symbol::Cross},
    {"amber", {222, 165, 62}, {202, 123, 1}, Symbol::Circle},
    {"violet", {104, 24, 128}, {64, 4, 86}, Symbol::Star},
}};

Look LookOf(int colour, bool pressed)
{
    const Colour& of = Colours[std::size_t(colour)];
    return {pressed ? of.pressed : of.raised, pressed, of.symbol};
}

// A light shape with a dark outline: one of the two stands out on every body, dark or light.
constexpr double SymbolFill = 250.0;
constexpr double SymbolOutline = 24.0;
constexpr double OutlineWidth = 1.5;

Rgb BoardRgb()
{
    const QColor board = Artwork::BoardColour();
    return {double(board.red()), double(board.green()), double(board.blue())};
}

// Whether (x, y) lies in the square [inset, Size - inset] with corners of the given radius.
bool insideRoundedSquare(double x, double y, double inset, double radius)
{
    const double low = inset, high = Size - inset;
    if (x < low || x > high || y < low || y > high) return false;
    const double dx = std::max({low + radius - x, x - (high - radius), 0.0});
    const double dy = std::max({low + radius - y, y - (high - radius), 0.0});
    return dx * dx + dy * dy <= radius * radius;
}

// Distance inward from the rim, given the distance inward from the outline.
double belowRim(double fromEdge)
{
    return std::max(0.0, fromEdge - 1.0);
}

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

// Signed distance from (x, y) to a box of half sizes hx, hy about the centre; negative inside.
double boxDistance(double dx, double dy, double hx, double hy)
{
    const double qx = std::abs(dx) - hx, qy = std::abs(dy) - hy;
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0);
}

// Signed distance to a five-pointed star pointing up (y grows upwards here), its points 10 units from its centre
// and its inner corners 4.5: folded into one tenth of it by its mirror lines, then the distance to one edge.
double starDistance(double x, double y)
{
    constexpr double Outer = 10.0, InnerRatio = 0.45;
    constexpr double K1x = 0.809016994375, K1y = -0.587785252292; // cos and -sin of 36 degrees
    x = std::abs(x);
    for (const double kx : {K1x, -K1x}) {
        const double fold = 2.0 * std::max(kx * x + K1y * y, 0.0);
        x -= fold * kx;
        y -= fold * K1y;
    }
    x = std::abs(x);
    y -= Outer;
    const double bax = -InnerRatio * K1y * Outer / Outer, bay = InnerRatio * K1x - 1.0;
    const double h = std::clamp((x * bax + y * bay) / (bax * bax + bay * bay), 0.0, Outer);
    const double side = y * bax - x * bay;
    return std::hypot(x - bax * h, y - bay * h) * (side < 0 ? -1.0 : 1.0);
}

// Signed distance from (x, y) to the symbol's fill, in picture units. The shapes are of
// about the same weight and, with their outline, keep 4 units clear of the edges.
double symbolDistance(Symbol symbol, double x, double y)
{
    const double dx = x - Size / 2.0, dy = y - Size / 2.0;
    switch (symbol) {
    case Symbol::Square: return boxDistance(dx, dy, 6.25, 6.25) - 0.75;
    case Symbol::Circle: return std::hypot(dx, dy) - 8.0;
    case Symbol::Triangle: {
        // Pointing up, from its three sides; lowered so that it looks centred.
        constexpr double Inradius = 5.0, Cos30 = 0.8660254037844386;
        const double ty = dy - 2.5;
        return std::max({ty, Cos30 * dx - 0.5 * ty, -Cos30 * dx - 0.5 * ty}) - Inradius;
    }
    case Symbol::Cross: return std::min(boxDistance(dx, dy, 8.5, 2.75), boxDistance(dx, dy, 2.75, 8.5));
    case Symbol::Diamond: return (std::abs(dx) + std::abs(dy) - 9.5) / std::sqrt(2.0);
    case Symbol::Star: return starDistance(dx, 1.0 - dy);
    }
    return 1e9;
}

double bodyChannel(double base, double gain, double shade, double white)
{
    return std::clamp(base * gain * shade * (1.0 - white) + 255.0 * white, 0.0, 255.0);
}

// The colour at (x, y) of a brick, in the units of its 32-pixel picture: the board shows
// outside the rounded outline.
Rgb brickColour(const Look& look, const Rgb& gain, double x, double y, bool symbol = false)
{
    if (!insideRoundedSquare(x, y, 0.0, CornerRadius)) return BoardRgb();
    if (!insideRoundedSquare(x, y, 1.0, CornerRadius - 1.0)) {
        const double level = rimLevel(x, y, look.pressed);
        return {level, level, level};
    }
    if (symbol) {
        const double distance = symbolDistance(look.symbol, x, y);
        if (distance <= OutlineWidth) {
            const double level = distance <= 0.0 ? SymbolFill : SymbolOutline;
            return {level, level, level};
        }
    }
    const double shade = look.pressed ? pressedShade(x, y) : raisedShade(x, y);
    const double white = look.pressed ? 0.0 : gloss(x, y);
    return {bodyChannel(look.target.r, gain.r, shade, white), bodyChannel(look.target.g, gain.g, shade, white),
            bodyChannel(look.target.b, gain.b, shade, white)};
}

// The picture `pixels` a side. The shapes are sampled, never resized, so every size has outlines as
// sharp as the first.
QImage drawBrick(const Look& look, const Rgb& gain, int pixels = Size, bool symbol = false)
{
    const double scale = pixels / double(Size);
    const int samples = scale > 2 ? Samples / 2 : Samples;
    QImage image(pixels, pixels, QImage::Format_RGB888);
    const double step = 1.0 / samples;
    for (int py = 0; py < pixels; ++py) {
        for (int px = 0; px < pixels; ++px) {
            Rgb sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) * step) / scale, y = (py + (sy + 0.5) * step) / scale;
                    const Rgb c = brickColour(look, gain, x, y, symbol);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            const double count = samples * samples;
            image.setPixelColor(px, py,
                                QColor(int(std::lround(sum.r / count)), int(std::lround(sum.g / count)),
                                       int(std::lround(sum.b / count))));
        }
    }
    return image;
}

Rgb bodyAverage(const QImage& image)
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
Rgb correctedGain(const Look& look)
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
    return gain;
}

// The icon: four raised bricks, two by two, on a rounded square of board.
constexpr double IconUnits = 72.0; // picture units across the icon
constexpr double IconMargin = 4.0;
constexpr double IconRadius = 8.0;
constexpr std::array<int, 4> IconColours{1, 2, 3, 4}; // blue, green, red, amber, row by row

struct IconBrick {
    Look look;
    Rgb gain;
};

// The colour of one sample of the icon and how much of it the icon covers.
struct Rgba {
    Rgb colour;
    double alpha;
};

Rgba iconColour(const std::array<IconBrick, 4>& bricks, double x, double y)
{
    // The rounded square, as a brick outline of the icon's size.
    const double toBrick = Size / IconUnits;
    const double radius = IconRadius * toBrick;
    if (!insideRoundedSquare(x * toBrick, y * toBrick, 0.0, radius)) return {{0, 0, 0}, 0.0};
    const double bx = x - IconMargin, by = y - IconMargin;
    if (bx < 0 || by < 0 || bx >= 2 * Size || by >= 2 * Size) return {BoardRgb(), 1.0};
    const IconBrick& brick = bricks[std::size_t(int(by / Size) * 2 + int(bx / Size))];
    return {brickColour(brick.look, brick.gain, std::fmod(bx, Size), std::fmod(by, Size)), 1.0};
}

QImage drawIcon(const std::array<IconBrick, 4>& bricks, int pixels)
{
    // Enough samples for a quarter of a unit between them, so the thin rim shows at 16 pixels too.
    const int samples = int(std::ceil(4.0 * IconUnits / pixels));
    const double unitsPerPixel = IconUnits / pixels;
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    for (int py = 0; py < pixels; ++py) {
        for (int px = 0; px < pixels; ++px) {
            Rgba sum{{0, 0, 0}, 0};
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) / samples) * unitsPerPixel;
                    const double y = (py + (sy + 0.5) / samples) * unitsPerPixel;
                    const Rgba c = iconColour(bricks, x, y);
                    sum.colour.r += c.colour.r * c.alpha;
                    sum.colour.g += c.colour.g * c.alpha;
                    sum.colour.b += c.colour.b * c.alpha;
                    sum.alpha += c.alpha;
                }
            }
            const auto channel = [&sum](double premultiplied) {
                return sum.alpha > 0 ? int(std::lround(premultiplied / sum.alpha)) : 0;
            };
            image.setPixelColor(px, py,
                                QColor(channel(sum.colour.r), channel(sum.colour.g), channel(sum.colour.b),
                                       int(std::lround(255.0 * sum.alpha / (samples * samples)))));
        }
    }
    return image;
}

QString svgColour(const Rgb& c)
{
    return QColor(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b))).name();
}

// The same icon as shapes: each brick a white rim around its colour, shaded from the top
// left to the bottom right, with the gloss as a soft white spot.
QByteArray iconSvg(const std::array<IconBrick, 4>& bricks)
{
    QString svg
        = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"72\" height=\"72\" viewBox=\"0 0 72 72\">\n"
                         "  <defs>\n"
                         "    <linearGradient id=\"shade\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
                         "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.2\"/>\n"
                         "      <stop offset=\"0.5\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
                         "      <stop offset=\"1\" stop-color=\"#000000\" stop-opacity=\"0.3\"/>\n"
                         "    </linearGradient>\n"
                         "    <radialGradient id=\"gloss\">\n"
                         "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.45\"/>\n"
                         "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
                         "    </radialGradient>\n"
                         "  </defs>\n");
    svg += QStringLiteral("  <rect width=\"72\" height=\"72\" rx=\"%1\" fill=\"%2\"/>\n")
               .arg(IconRadius)
               .arg(Artwork::BoardColour().name());
    for (std::size_t i = 0; i < bricks.size(); ++i) {
        const double left = IconMargin + Size * double(i % 2), top = IconMargin + Size * double(i / 2);
        const Rgb &target = bricks[i].look.target, &gain = bricks[i].gain;
        const Rgb colour{bodyChannel(target.r, gain.r, 1.0, 0.0), bodyChannel(target.g, gain.g, 1.0, 0.0),
                         bodyChannel(target.b, gain.b, 1.0, 0.0)};
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"32\" height=\"32\" rx=\"5\" fill=\"#ffffff\"/>\n"
                              "  <rect x=\"%3\" y=\"%4\" width=\"30\" height=\"30\" rx=\"4\" fill=\"%5\"/>\n"
                              "  <rect x=\"%3\" y=\"%4\" width=\"30\" height=\"30\" rx=\"4\" fill=\"url(#shade)\"/>\n"
                              "  <ellipse cx=\"%6\" cy=\"%7\" rx=\"12\" ry=\"9\" fill=\"url(#gloss)\"/>\n")
                   .arg(left)
                   .arg(top)
                   .arg(left + 1)
                   .arg(top + 1)
                   .arg(svgColour(colour))
                   .arg(left + 11)
                   .arg(top + 10);
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

// Shading, gloss and clipping move a look's colour away from its target, so each look's gain is worked out once,
// when it is first drawn, measured at 1x: every size shows the same colour.
const Rgb& Gain(int colour, bool pressed)
{
    static std::array<std::array<std::optional<Rgb>, 2>, Colours.size()> gains;
    std::optional<Rgb>& gain = gains[std::size_t(colour)][pressed ? 1 : 0];
    if (!gain) gain = correctedGain(LookOf(colour, pressed));
    return *gain;
}

std::array<IconBrick, 4> IconBricks()
{
    std::array<IconBrick, 4> bricks{};
    for (std::size_t i = 0; i < bricks.size(); ++i)
        bricks[i] = {LookOf(IconColours[i], false), Gain(IconColours[i], false)};
    return bricks;
}

} // namespace

QColor Artwork::BoardColour()
{
    return {100, 135, 220};
}

QColor Artwork::BodyColour(int colour, bool pressed)
{
    const Rgb& target = LookOf(colour, pressed).target;
    return {int(target.r), int(target.g), int(target.b)};
}

QString Artwork::LookName(int colour, bool pressed)
{
    return QString::fromLatin1(Colours[std::size_t(colour)].name) + (pressed ? QStringLiteral("-pressed") : QString());
}

QImage Artwork::Brick(int colour, bool pressed, int pixels, bool symbol)
{
    return drawBrick(LookOf(colour, pressed), Gain(colour, pressed), pixels, symbol);
}

QImage Artwork::Icon(int pixels)
{
    return drawIcon(IconBricks(), pixels);
}

QByteArray Artwork::IconSvg()
{
    return iconSvg(IconBricks());
}
