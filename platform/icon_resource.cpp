#include "platform/icon_resource.h"

#include "platform/resources.h"

#include <QHash>
#include <QStringList>

#include <map>
#include <memory>

namespace {

QImage IconImageFromRows(const IconImage& image, const QHash<QChar, QRgb>& palette)
{
    QImage picture(image.size, image.size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < image.size; ++y) {
        const char* row = image.rows[y];
        for (int x = 0; x < image.size && row[x]; ++x) {
            auto colour = palette.find(QChar(row[x]));
            if (colour != palette.end())
                picture.setPixel(x, y, *colour);
        }
    }
    return picture;
}

QHash<QChar, QRgb> ParsePalette(const char* text)
{
    // "a #RRGGBB b #RRGGBB ..."
    QHash<QChar, QRgb> palette;
    QStringList parts = QString::fromUtf8(text).split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < parts.size(); i += 2)
        palette.insert(parts[i][0], QColor(parts[i + 1]).rgba());
    return palette;
}

} // namespace

HICON AfxLoadIcon(UINT id)
{
    static std::map<UINT, std::unique_ptr<IconResource>> loaded;
    if (auto found = loaded.find(id); found != loaded.end())
        return found->second.get();
    const IconTemplate* icon = AfxFindIcon(id);
    if (!icon)
        return nullptr;
    auto resource = std::make_unique<IconResource>();
    QHash<QChar, QRgb> palette = ParsePalette(icon->palette);
    for (const IconImage& image : icon->images) {
        QImage picture = IconImageFromRows(image, palette);
        resource->icon.addPixmap(QPixmap::fromImage(picture));
        if (image.size == 32)
            resource->big = picture;
        else if (image.size == 16)
            resource->small = picture;
    }
    return loaded.emplace(id, std::move(resource)).first->second.get();
}
