#include "platform/png_image.h"

#include <QBuffer>
#include <QImage>

std::string EncodeMonochromePng(const uint8_t* bits, int width, int height, ptrdiff_t stride)
{
    QImage grey(bits, width, height, static_cast<qsizetype>(stride), QImage::Format_Grayscale8);
    // One bit a pixel: an eighth of the grey image, and far quicker to compress.
    QImage mono = grey.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (mono.isNull() || !mono.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}
