#include "ui/SkinPictures.h"

#include <QHash>

namespace orvex {

ResourceError::ResourceError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QPixmap SkinPixmap(const QString& name)
{
    // Pixmaps live on the UI thread only, so a plain cache is enough.
    static QHash<QString, QPixmap> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap(QStringLiteral(":/skin/%1.png").arg(name));
    if (pixmap.isNull())
        throw ResourceError(QStringLiteral("Picture resource \"%1\" not found").arg(name));
    cache.insert(name, pixmap);
    return pixmap;
}

}  // namespace orvex
