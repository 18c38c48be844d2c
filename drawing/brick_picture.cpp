#include "brick_picture.h"

namespace {

QImage LoadPicture(const QString& name)
{
    QImage image(QStringLiteral(":/bricks/") + name);
    // The buffer's own format, so drawing a brick is a plain copy. The ratio that the
    // reader takes from an "@2x" name is dropped: the painter places pictures in device pixels.
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

const BrickPicture::Drawings& BrickPicture::Look(bool marked) const
{
    Drawings& look = drawings[marked ? 1 : 0];
    if (look.image.isNull()) {
        const QString file = marked ? name + QStringLiteral("-symbol") : name;
        look = {LoadPicture(file + QStringLiteral(".png")), LoadPicture(file + QStringLiteral("@2x.png"))};
    }
    return look;
}

const QImage& BrickPicture::Image(int pixels, bool marked) const
{
    const Drawings& look = Look(marked);
    if (pixels == look.image.width()) return look.image;
    if (pixels == look.image2x.width()) return look.image2x;
    QImage& other = resized[marked ? 1 : 0];
    if (other.width() != pixels) {
        const QImage& larger = look.image2x.isNull() ? look.image : look.image2x;
        other = larger.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    }
    return other;
}

PictureSlots BrickPicture::LoadSlots()
{
    PictureSlots pictures;
    for (std::size_t n = 1; n < pictures.size(); ++n)
        pictures[n] = std::make_shared<const BrickPicture>(QStringLiteral("brick%1").arg(n, 2, 10, QLatin1Char('0')));
    return pictures;
}
