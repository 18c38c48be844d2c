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

const QImage& BrickPicture::Image(int pixels) const
{
    if (pixels == image.width()) return image;
    if (pixels == image2x.width()) return image2x;
    if (resized.width() != pixels) {
        const QImage& larger = image2x.isNull() ? image : image2x;
        resized = larger.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    }
    return resized;
}

PictureSlots BrickPicture::LoadSlots()
{
    PictureSlots pictures;
    for (std::size_t n = 1; n < pictures.size(); ++n) {
        const QString name = QStringLiteral("brick%1").arg(n, 2, 10, QLatin1Char('0'));
        pictures[n] = std::make_shared<const BrickPicture>(LoadPicture(name + QStringLiteral(".png")),
                                                           LoadPicture(name + QStringLiteral("@2x.png")));
    }
    return pictures;
}
