#include "brick_picture.h"

PictureSlots BrickPicture::LoadSlots()
{
    PictureSlots pictures;
    for (std::size_t n = 1; n < pictures.size(); ++n) {
        QImage image(QStringLiteral(":/bricks/brick%1.png").arg(n, 2, 10, QLatin1Char('0')));
        // The buffer's own format, so drawing a brick is a plain copy.
        pictures[n] = std::make_shared<const BrickPicture>(image.convertToFormat(QImage::Format_RGB32));
    }
    return pictures;
}
