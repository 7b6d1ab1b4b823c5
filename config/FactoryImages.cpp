#include "config/FactoryImages.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

namespace orvex {

ImageBuffer LoadFactoryImage(int n)
{
    if (n < 1 || n > kFactoryImageCount)
        throw std::out_of_range("factory image number must be 1..3");

    const QString path = QStringLiteral(":/factory/ORVEX71Data_Cfg%1.bin").arg(n);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing built-in resource " + path.toStdString());
    const QByteArray bytes = file.readAll();
    if (bytes.size() != kImageSize)
        throw std::runtime_error("built-in resource " + path.toStdString() + " is not 2048 bytes long");

    ImageBuffer image{};
    std::copy_n(reinterpret_cast<const Byte*>(bytes.constData()), kImageSize, image.begin());
    return image;
}

std::array<ImageBuffer, kFactoryImageCount> LoadFactoryImages()
{
    std::array<ImageBuffer, kFactoryImageCount> images{};
    for (int n = 1; n <= kFactoryImageCount; ++n)
        images[n - 1] = LoadFactoryImage(n);
    return images;
}

}  // namespace orvex
