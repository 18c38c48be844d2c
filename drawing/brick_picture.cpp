#include "brick_picture.h"

#include "assets/artwork.h"

namespace {

QImage LoadPicture(const QString& name)
{
    QImage image(QStringLiteral(":/bricks/") + name);
    // The ratio that the reader takes from an "@2x" name is dropped: the painter places pictures in device pixels.
    image.setDevicePixelRatio(1);
    return image;
}

// The buffer's own format, so drawing a brick is a plain copy.
QImage Opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

const BrickPicture::Drawings& BrickPicture::Pictures(bool marked) const
{
    Drawings& pictures = drawings[marked ? 1 : 0];
    if (pictures.image.isNull()) {
        const QString name = Artwork::LookName(colour, pressed) + (marked ? QStringLiteral("-symbol") : QString());
        pictures = {Opaque(LoadPicture(name + QStringLiteral(".png"))),
                    Opaque(LoadPicture(name + QStringLiteral("@2x.png")))};
    }
    return pictures;
}

const QImage& BrickPicture::Image(int pixels, bool marked) const
{
    const Drawings& pictures = Pictures(marked);
    if (pixels == pictures.image.width()) return pictures.image;
    if (pixels == pictures.image2x.width()) return pictures.image2x;
    QImage& other = drawn[marked ? 1 : 0];
    if (other.width() != pixels) other = Opaque(Artwork::Brick(colour, pressed, pixels, marked));
    return other;
}

PictureSlots BrickPicture::LoadSlots()
{
    PictureSlots pictures;
    for (int colour = 1; colour <= ColourCount; ++colour) {
        pictures[static_cast<std::size_t>(colour)] = std::make_shared<const BrickPicture>(colour - 1, false);
        pictures[static_cast<std::size_t>(colour + ColourCount)]
            = std::make_shared<const BrickPicture>(colour - 1, true);
    }
    return pictures;
}
