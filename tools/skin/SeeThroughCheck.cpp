#include "tools/skin/SeeThroughCheck.h"

#include "tools/skin/Palette.h"

namespace orvex::skin {
namespace {

bool IsSeeThrough(QRgb pixel)
{
    return qAlpha(pixel) == 255 && (pixel & 0x00FFFFFFu) == (colour::kSeeThrough & 0x00FFFFFFu);
}

// A blend of the see-through maroon with any colour of our palette leans to
// red: the palette holds no reddish colour, so red standing out above green
// and blue at the border can only come from mixing with the key colour.
bool LooksLikeMaroonBlend(QRgb pixel)
{
    const int red = qRed(pixel);
    return red - qMax(qGreen(pixel), qBlue(pixel)) > 12;
}

bool HasSeeThroughNeighbour(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if ((dx || dy) && nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() &&
                IsSeeThrough(image.pixel(nx, ny)))
                return true;
        }
    }
    return false;
}

QString At(int x, int y)
{
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

}  // namespace

QStringList CheckShapedPicture(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QStringList faults;
    const int w = image.width();
    const int h = image.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        if (!IsSeeThrough(image.pixel(corner)))
            faults << QStringLiteral("corner %1 is not see-through").arg(At(corner.x(), corner.y()));
    }
    int reported = 0;
    for (int y = 0; y < h && reported < 20; ++y) {
        for (int x = 0; x < w && reported < 20; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 255) {
                faults << QStringLiteral("pixel %1 is not opaque").arg(At(x, y));
                ++reported;
            } else if (!IsSeeThrough(pixel) && HasSeeThroughNeighbour(image, x, y) &&
                       LooksLikeMaroonBlend(pixel)) {
                faults << QStringLiteral("border pixel %1 is a blend of the see-through colour (%2, %3, %4)")
                              .arg(At(x, y))
                              .arg(qRed(pixel))
                              .arg(qGreen(pixel))
                              .arg(qBlue(pixel));
                ++reported;
            }
        }
    }
    return faults;
}

QStringList CheckPlainPicture(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QStringList faults;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsSeeThrough(image.pixel(x, y))) {
                faults << QStringLiteral("pixel %1 has the see-through colour").arg(At(x, y));
                return faults;
            }
        }
    }
    return faults;
}

QStringList CheckClearCore(const QImage& picture, const QRect& core)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = core.top(); y <= core.bottom(); ++y) {
        for (int x = core.left(); x <= core.right(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return {QStringLiteral("pixel %1 of the clear interior is not transparent").arg(At(x, y))};
        }
    }
    return {};
}

}  // namespace orvex::skin
