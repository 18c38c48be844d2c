// Draws the brick pictures built into the program: grey.png, blue.png, ... are the raised tiles of the six colours,
// grey-pressed.png, ... the same colours pushed in; NAME@2x.png are the same pictures at twice the resolution, for
// high-density screens. NAME-symbol.png and NAME-symbol@2x.png are the same bricks marked with their colour's
// symbol. Given a second folder, also draws the application icon there: iconN.png at N pixels and icon.svg.
// Usage: brick_artwork BRICK_FOLDER [ICON_FOLDER]
#include "artwork.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s BRICK_FOLDER [ICON_FOLDER]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int colour = 0; colour < Artwork::ColourCount; ++colour) {
        for (const bool pressed : {false, true}) {
            for (const bool symbol : {false, true}) {
                const QString name
                    = Artwork::LookName(colour, pressed) + (symbol ? QStringLiteral("-symbol") : QString());
                const QString file = folder.filePath(name);
                if (!Save(Artwork::Brick(colour, pressed, CellSize, symbol), file + QStringLiteral(".png"))
                    || !Save(Artwork::Brick(colour, pressed, 2 * CellSize, symbol), file + QStringLiteral("@2x.png")))
                    return 1;
            }
        }
    }
    if (argc == 2) return 0;

    const QDir icons(QString::fromLocal8Bit(argv[2]));
    for (const int pixels : {16, 32, 48, 64, 128, 256}) {
        if (!Save(Artwork::Icon(pixels), icons.filePath(QStringLiteral("icon%1.png").arg(pixels)))) return 1;
    }
    QFile svg(icons.filePath(QStringLiteral("icon.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(Artwork::IconSvg()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
