#include "platform/png_image.h"

#include <QBuffer>
#include <QImage>

std::string EncodeMonochromePng(const uint8_t* bits, int width, int height, ptrdiff_t stride)
{
    // One bit a pixel, packed here row by row: an eighth of the grey image,
    // far quicker to compress, and no full-colour copy on the way.
    QImage mono(width, height, QImage::Format_Mono);
    if (mono.isNull())
        return {};
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y) {
        const uint8_t* grey = bits + y * stride;
        uchar* packed = mono.scanLine(y);
        for (int x = 0; x < width; x += 8) {
            uchar byte = 0;
            for (int bit = 0; bit < 8; ++bit)
                byte = static_cast<uchar>(byte << 1) | (x + bit < width && grey[x + bit] >= 128);
            packed[x / 8] = byte;
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!mono.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}
